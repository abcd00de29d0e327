#include "options/style_commands.h"

#include <algorithm>
#include <utility>

#include "aol/chat_markup.h"
#include "options/not_available.h"
#include "options/reserved_handles.h"
#include "text/ansi.h"

namespace drelm {

namespace {

bool BlanksOnly(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

}  // namespace

StyleCommands::StyleCommands(StyleContext context, Wiring& wiring) : context_(std::move(context)) {
  wiring.OnMenu("cmdHandle", [this] { cmdHandle_Click(); });
  wiring.OnMenu("cmdLeftAscii", [this] { cmdLeftAscii_Click(); });
  wiring.OnMenu("cmdRightAscii", [this] { cmdRightAscii_Click(); });
  wiring.OnMenu("cmdAsciiFont", [this] { cmdAsciiFont_Click(); });
  wiring.OnMenu("cmdMainFont", [this] { cmdMainFont_Click(); });
  wiring.OnMenu("cmdAsciiColor", [this] { cmdAsciiColor_Click(); });
  wiring.OnMenu("cmdMainColor", [this] { cmdMainColor_Click(); });
  wiring.OnMenu("cmdAim", [this] { cmdAim_Click(); });
}

std::string StyleCommands::Ask(std::string_view prompt, const std::string& proposed,
                               bool clickSound) {
  if (clickSound && context_.click) context_.click();
  return context_.user.InputBox(std::string(prompt), std::string(kNoticeTitle), proposed);
}

void StyleCommands::Apply(const SettingKey& key, const std::string& value, std::string* copy,
                          const std::optional<std::string>& preview, std::string_view captionValue,
                          std::string_view logMessage) {
  context_.settings.Write(key, value);
  if (copy != nullptr) *copy = value;
  if (preview) context_.chat.SendChat(*preview);
  context_.menu.Item(key.menuItem).caption = ValueCaption(key.captionLabel, captionValue);
  context_.log.WriteLog(logMessage);
}

std::string StyleCommands::Highlighted(std::string_view value) const {
  const DrelmGlobals& g = context_.globals;
  return FontColor(g.AsciiColor) + std::string(value) + FontColor(g.MainColor);
}

void StyleCommands::cmdHandle_Click() {
  const SettingKey& key = setting::kHandle;
  const std::string answer =
      Ask("enter your handle below", context_.settings.Read(key), /*clickSound=*/true);
  // An empty handle would make the next start take the user for a new one and write the
  // first-start defaults over every setting and statistic, so an empty answer (Cancel
  // included) changes nothing, as it does for the decorations.
  if (answer.empty()) return;
  if (IsReservedHandle(answer)) {
    const std::string password =
        context_.user.InputBox(std::string(kReservedHandleQuestion), std::string(kNoticeTitle), "");
    if (!IsReservedHandlePassword(password)) {
      const std::string member =
          context_.currentScreenName ? LowerAnsi(context_.currentScreenName()) : std::string();
      context_.chat.SendChat(member + std::string(kReservedHandleTaunt));
      return;
    }
  }
  Apply(key, answer, &context_.globals.UserHandle, "handle set to: " + Highlighted(answer), answer,
        "handle setting changed to [" + answer + "]");
}

void StyleCommands::cmdLeftAscii_Click() {
  const SettingKey& key = setting::kLeftAscii;
  const std::string answer =
      Ask("enter the left ascii you want below", context_.settings.Read(key), true);
  if (answer.empty()) return;
  Apply(key, answer, &context_.globals.LeftAscii, "left ascii set to: " + Highlighted(answer),
        answer, "left ascii changed to [" + answer + "]");
}

void StyleCommands::cmdRightAscii_Click() {
  const SettingKey& key = setting::kRightAscii;
  const std::string answer =
      Ask("enter the right ascii you want below", context_.settings.Read(key), true);
  if (answer.empty()) return;
  Apply(key, answer, &context_.globals.RightAscii, "right ascii set to: " + answer, answer,
        "right ascii changed to [" + answer + "]");
}

void StyleCommands::cmdAsciiFont_Click() {
  // Proposes the font the program started with, not the one stored since.
  const std::string answer =
      Ask("enter the ascii font you want below", context_.globals.AsciiFont, true);
  Apply(setting::kAsciiFont, answer, nullptr, "ascii font set to: " + Highlighted(answer), answer,
        "ascii font changed to [" + answer + "]");
}

void StyleCommands::cmdMainFont_Click() {
  const SettingKey& key = setting::kMainFont;
  const std::string answer =
      Ask("enter the main font you want below", context_.settings.Read(key), true);
  Apply(key, answer, nullptr, "main font set to: <u>" + Highlighted(answer) + "</u>", answer,
        "main font changed to [" + answer + "]");
}

void StyleCommands::AskColor(const SettingKey& key, std::string_view prompt, std::string& copy) {
  std::string color = Ask(prompt, context_.settings.Read(key), true);
  std::erase(color, '#');
  copy = color;
  const DrelmGlobals& g = context_.globals;
  // The preview writes its colour tags without the "#" and shows the chosen digits underlined.
  const std::string preview = std::string(key.key) + " set to: <font color=" + g.AsciiColor +
                              ">#<u>" + color + "</u><font color=" + g.MainColor + ">";
  Apply(key, color, nullptr, preview, "#" + color,
        std::string(key.key) + " changed to [#" + color + "]");
}

void StyleCommands::cmdAsciiColor_Click() {
  AskColor(setting::kAsciiColor, "enter the ascii color you want below",
           context_.globals.AsciiColor);
}

void StyleCommands::cmdMainColor_Click() {
  AskColor(setting::kMainColor, "enter the main color you want below", context_.globals.MainColor);
}

void StyleCommands::cmdAim_Click() {
  const SettingKey& key = setting::kAim;
  const std::string answer = Ask("enter your aim", context_.settings.Read(key), false);
  if (BlanksOnly(answer)) return;
  Apply(key, answer, nullptr, std::nullopt, answer, "aim set to " + answer);
}

}  // namespace drelm
