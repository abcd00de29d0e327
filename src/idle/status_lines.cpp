#include "idle/status_lines.h"

#include "aol/chat_markup.h"

namespace drelm {

namespace {

constexpr std::string_view kDot = "\xB7";
constexpr char kQuote = '"';

std::string WithoutSlashes(std::string_view caption) {
  std::string text;
  for (char c : caption) {
    if (c != '/') text += c;
  }
  return text;
}

}  // namespace

std::string AnnouncementLine(const DrelmGlobals& g, std::string_view suffix) {
  return "drelm idle " + std::string(kDot) + " " + FontColor(g.AsciiColor) + g.UserHandle +
         "<font color=#" + g.MainColor + std::string(suffix);
}

std::string RecordedCountLine(const DrelmGlobals& g, std::size_t count) {
  return g.UserHandle + " recieved " + FontColor(g.AsciiColor) + std::to_string(count) +
         FontColor(g.MainColor) + " messages";
}

std::string TimeLine(const DrelmGlobals& g, std::string_view days, std::string_view hours,
                     std::string_view minutes, bool scrollAim, std::string_view aim) {
  std::string line = "drelm idle " + std::string(kDot) + " " + FontColor(g.AsciiColor) +
                     WithoutSlashes(days) + " " + WithoutSlashes(hours) + " " +
                     WithoutSlashes(minutes) + FontColor(g.MainColor);
  if (scrollAim)
    line += " " + std::string(kDot) + " aim: " + FontColor(g.AsciiColor) + std::string(aim);
  return line;
}

std::string ReasonLine(const DrelmGlobals& g, std::string_view reason) {
  return "rsn: " + FontColor(g.AsciiColor) + std::string(reason) + FontColor(g.MainColor);
}

std::string AwayLine(const DrelmGlobals& g, std::string_view afkReason, std::string_view afkMax) {
  return "afk: " + FontColor(g.AsciiColor) + std::string(afkReason) + FontColor(g.MainColor) +
         " /" + g.UserHandle + " to record msg[" + std::string(afkMax) + "]";
}

std::string LinkLine(const DrelmGlobals& g, std::string_view address, std::string_view message) {
  return "rsn: < a href=" + std::string(1, kQuote) + std::string(address) + std::string(1, kQuote) +
         ">" + FontColor(g.AsciiColor) + std::string(message) + FontColor(g.MainColor) + "</a>";
}

std::string TransferLine(std::string_view kind, std::string_view fileName, std::string_view percent,
                         std::string_view timeLeft) {
  const std::string dot = " " + std::string(kDot) + " ";
  return std::string(kind) + ": " + std::string(fileName) + dot + std::string(percent) + "%" + dot +
         std::string(timeLeft) + "mL";
}

}  // namespace drelm
