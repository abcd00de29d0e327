// The "idle options" commands: idle type, interval, reasons, the AIM line, automatic idle and the
// hyperlink reason. Each stores what it set and says so in the status log.
#include <algorithm>
#include <limits>
#include <string>

#include "core/files.h"
#include "core/list_box_files.h"
#include "core/settings_catalogue.h"
#include "idle/idle_engine.h"
#include "text/ansi.h"

namespace drelm {

namespace {

constexpr const char* kPromptTitle = "drelm idle by quoSt n' vrin";
constexpr const char* kHyperLinkTitle = "drelm idle by quoSt";
constexpr char kQuote = '"';

struct IdleTypeRow {
  std::string_view item;
  std::string_view stored;
  std::string_view message;
};
constexpr IdleTypeRow kIdleTypes[] = {
    {idle_items::kRegularIdle, kValueRegular, "idler type [regular]"},
    {idle_items::kLinker, kValueLinker, "idler type [linker]"},
    {idle_items::kAfkBot, kValueAfk, "idler type [afk]"},
};

struct IntervalRow {
  std::string_view item;
  std::string_view stored;
  std::int64_t seconds;
  std::string_view message;
};
constexpr IntervalRow kIntervals[] = {
    {idle_items::kOneMin, "60", 60, "interval set to 1 minute"},
    {idle_items::kTwoMin, "120", 120, "interval set to 2 minutes"},
    {idle_items::kThreeMin, "180", 180, "interval set to 3 minutes"},
};

}  // namespace

IdleEngine::IdleEngine(IdleContext context, Wiring& wiring) : context_(std::move(context)) {
  const std::pair<std::string_view, void (IdleEngine::*)()> handlers[] = {
      {idle_items::kStartIdle, &IdleEngine::cmdStartIdle_Click},
      {idle_items::kStopIdle, &IdleEngine::cmdStopIdle_Click},
      {idle_items::kRegularIdle, &IdleEngine::cmdRegularIdle_Click},
      {idle_items::kLinker, &IdleEngine::cmdLinker_Click},
      {idle_items::kAfkBot, &IdleEngine::cmdAFKBot_Click},
      {idle_items::kOneMin, &IdleEngine::cmdOneMin_Click},
      {idle_items::kTwoMin, &IdleEngine::cmdTwoMin_Click},
      {idle_items::kThreeMin, &IdleEngine::cmdThreeMin_Click},
      {idle_items::kCustom, &IdleEngine::mnuCustom_Click},
      {idle_items::kMultipleReasons, &IdleEngine::cmdMultipleReasons_Click},
      {idle_items::kScrollAim, &IdleEngine::mnuScrollAIm_Click},
      {idle_items::kAutoIdle, &IdleEngine::cmdAutoIdle_Click},
      {"cmdRegReason", &IdleEngine::cmdRegReason_Click},
      {"cmdAfkReason", &IdleEngine::cmdAfkReason_Click},
      {"cmdLinkerReason", &IdleEngine::cmdLinkerReason_Click},
      {"cmdHyperLink", &IdleEngine::cmdHyperLink_Click},
      {"cmdReason", &IdleEngine::cmdReason_Click},
  };
  for (const auto& [item, handler] : handlers) {
    wiring.OnMenu(item, [this, handler = handler] { (this->*handler)(); });
  }
  wiring.OnTick(context_.main.Timer1, [this] { Timer1_Timer(); });
  wiring.OnTick(context_.main.Timer4, [this] { Timer4_Timer(); });
}

std::string IdleEngine::Prompt(const std::string& message, const std::string& defaultAnswer,
                               const std::string& title) {
  return context_.platform.user.InputBox(message, title, defaultAnswer);
}

void IdleEngine::ChooseIdleType(std::string_view item) {
  if (Checked(item)) return;
  for (const IdleTypeRow& row : kIdleTypes) Item(row.item).checked = row.item == item;
  const auto row = std::find_if(std::begin(kIdleTypes), std::end(kIdleTypes),
                                [&](const IdleTypeRow& r) { return r.item == item; });
  context_.store.Write(setting::kIdleType, row->stored);
  Log(row->message);
}

void IdleEngine::cmdRegularIdle_Click() {
  ChooseIdleType(idle_items::kRegularIdle);
}
void IdleEngine::cmdLinker_Click() {
  ChooseIdleType(idle_items::kLinker);
}
void IdleEngine::cmdAFKBot_Click() {
  ChooseIdleType(idle_items::kAfkBot);
}

void IdleEngine::ChooseInterval(std::string_view item) {
  for (const IntervalRow& row : kIntervals) Item(row.item).checked = row.item == item;
  Item(idle_items::kCustom).caption = "custom -[ ]-";
  const auto row = std::find_if(std::begin(kIntervals), std::end(kIntervals),
                                [&](const IntervalRow& r) { return r.item == item; });
  context_.store.Write(setting::kInterval, row->stored);
  context_.globals.IdleInterval = row->seconds;
  Log(row->message);
}

void IdleEngine::cmdOneMin_Click() {
  ChooseInterval(idle_items::kOneMin);
}
void IdleEngine::cmdTwoMin_Click() {
  ChooseInterval(idle_items::kTwoMin);
}
void IdleEngine::cmdThreeMin_Click() {
  ChooseInterval(idle_items::kThreeMin);
}

void IdleEngine::mnuCustom_Click() {
  const std::string answer = Prompt("enter the interval you want in seconds below",
                                    context_.store.Read(setting::kInterval), kPromptTitle);
  if (!IsNumeric(answer)) return;
  for (const IntervalRow& row : kIntervals) Item(row.item).checked = false;
  context_.store.Write(setting::kInterval, answer);
  Item(idle_items::kCustom).caption = "custom -[" + answer + "]-";
  // An answer too large for any interval must not overflow the conversion.
  const double limit = std::numeric_limits<std::int32_t>::max();
  context_.globals.IdleInterval = RoundHalfEven(std::clamp(LeadingDecimal(answer), -limit, limit));
  Log("interval set to " + answer + " seconds");
}

void IdleEngine::cmdMultipleReasons_Click() {
  const bool on = !Checked(idle_items::kMultipleReasons);
  Item(idle_items::kMultipleReasons).checked = on;
  Log(on ? "multiple reasons [on]" : "multiple reasons [off]");
  context_.store.Write(setting::kMultipleReasons, on ? kValueTrue : kValueFalse);
}

void IdleEngine::mnuScrollAIm_Click() {
  const bool on = !Checked(idle_items::kScrollAim);
  Item(idle_items::kScrollAim).checked = on;
  context_.store.Write(setting::kScrollAim, on ? kValueOn : kValueOff);
  Log(on ? "scroll aim [on]" : "scroll aim [off]");
}

void IdleEngine::cmdAutoIdle_Click() {
  const bool on = !Checked(idle_items::kAutoIdle);
  Item(idle_items::kAutoIdle).checked = on;
  context_.store.Write(setting::kAutoIdle, on ? kValueTrue : kValueFalse);
  Log(on ? "auto idle enabled" : "auto idle disabled");
}

void IdleEngine::cmdRegReason_Click() {
  SettingsStore& store = context_.store;
  const std::string answer =
      Prompt("enter the reason you want to use if not using multiple reasons [regular]",
             store.Read(setting::kRegRea), kPromptTitle);
  store.Write(setting::kRegRea, answer);
  Log("regular reason set to - " + answer);
}

void IdleEngine::cmdAfkReason_Click() {
  SettingsStore& store = context_.store;
  const std::string reason =
      Prompt("enter the reason you want to use if not using multiple reasons [afk]",
             store.Read(setting::kAfkRea), kPromptTitle);
  store.Write(setting::kAfkRea, reason);
  Log("afk reason set to - " + reason);
  // The number as answered, a fraction included: the recorder compares with it as it is.
  const std::string maximum = NumberText(
      LeadingDecimal(Prompt("enter the max amount of chat messages one person can record",
                            store.Read(setting::kAfkMax), kPromptTitle)));
  store.Write(setting::kAfkMax, maximum);
  Log("afk max msgs set to - " + maximum);
}

void IdleEngine::cmdLinkerReason_Click() {
  SettingsStore& store = context_.store;
  const std::string address = Prompt("enter in the url of the link you want",
                                     store.Read(setting::kLinkerRea), kPromptTitle);
  const std::string message = Prompt("enter in the message for the link you want",
                                     store.Read(setting::kLinkerMsg), kPromptTitle);
  store.Write(setting::kLinkerRea, address);
  store.Write(setting::kLinkerMsg, message);
  Log("linker reason set to - " + address);
}

void IdleEngine::cmdHyperLink_Click() {
  const std::string address = Prompt(
      "type in the URL of the site you would like to scroll while idling", "", kHyperLinkTitle);
  const std::string message = Prompt(
      "type the message for the hyperlink that will be scrolled while idling", "", kHyperLinkTitle);
  ListBox& reasons = context_.frmReasons.lstRe;
  reasons.items.push_back("< a href=" + std::string(1, kQuote) + address + std::string(1, kQuote) +
                          ">" + message + "</a>");
  SaveListToFile(context_.platform.files,
                 PathInFolder(context_.platform.programFolder, kReasonsFileName), reasons);
}

void IdleEngine::cmdReason_Click() {
  if (context_.playClick) context_.playClick();
  context_.frmReasons.loaded = true;
  context_.frmReasons.Show();
  context_.main.form.Hide();
}

}  // namespace drelm
