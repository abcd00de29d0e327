// An away session on real windows beside the stand-in AOL client: drelm-idle.exe idles as the
// away bot with a short custom interval, posts its status lines, records a member's line
// addressed to the user, answers an IM, and stops with the count and the messages window
// showing both entries. The user's regional formats are 24-hour times and day.month.year dates:
// the recorded entries carry such times, and a short regular session after it posts a reason
// whose "[time]" and "[date]" are written that way. (The program's CPU over such a session is
// measured by the figures run.)
#include <algorithm>
#include <cstdio>
#include <string_view>

#include "core/files.h"
#include "scenario.h"

namespace drelm::e2e {

namespace {

// A status posting, a chat line's confirmation or an IM's answer, with the scanner's two ticks.
constexpr DWORD kAwayActionMs = 30000;
constexpr const char* kRegionalKey = "Control Panel\\International";

// "HH:mm:ss": two digits each, as the 24-hour format writes them.
bool IsTimeInFormat(std::string_view text) {
  if (text.size() != 8 || text[2] != ':' || text[5] != ':') return false;
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return c == ':' || (c >= '0' && c <= '9'); });
}

// A recorded entry: the opening, a time in the user's format, then the rest.
bool EntryInFormat(const std::string& entry, const std::string& opening, const std::string& rest) {
  return entry.size() == opening.size() + 8 + rest.size() && entry.starts_with(opening) &&
         IsTimeInFormat(std::string_view(entry).substr(opening.size(), 8)) && entry.ends_with(rest);
}

}  // namespace

int AwayScenario(const E2eSetup& setup) {
  Scenario s(setup, "away",
             {{"settings", "handle", "bob"},
              {"settings", "afkmax", "5"},
              {"settings", "afkrea", "gone fishing"},
              {"custom settings", "idletype", "afk"},
              {"custom settings", "interval", "20"}});
  // The user's regional formats: 24-hour times, day.month.year dates.
  const ScopedUserValue timeFormat(kRegionalKey, "sTimeFormat", "HH:mm:ss");
  const ScopedUserValue dateFormat(kRegionalKey, "sShortDate", "dd.MM.yyyy");
  s.Check(timeFormat.Ok() && dateFormat.Ok() &&
              WriteWholeFile(s.Path(std::string(kReasonsFileName)), "Back at [time] on [date]\r\n"),
          "the user's formats are HH:mm:ss and dd.MM.yyyy; the reasons list holds \"Back at "
          "[time] on [date]\"");
  if (!s.Start(6)) return s.Finish();
  const std::string messagesFile = s.Path(std::string(kAwayMessagesFileName));
  const std::string timeLine = "drelm idle \xB7 <font color=##336699>0d 0h ";
  const std::string awayLine = Styled("afk: " + Lit("gone fishing") + " /bob to record msg[5]");
  const std::string back = Styled("drelm idle \xB7 " + Lit("bob") + " is back");
  std::size_t linesBeforeStop = 0;
  // A status post already under way when stop arrives finishes its time and away lines around
  // stop's own, so those two are set aside before the comparison.
  const auto stopLines = [&] {
    const std::vector<std::string> lines = LinesFromUser(s.aol);
    std::vector<std::string> own;
    for (std::size_t i = std::min(linesBeforeStop, lines.size()); i < lines.size(); ++i) {
      if (lines[i] != awayLine && lines[i].find(timeLine) == std::string::npos) {
        own.push_back(lines[i]);
      }
    }
    return own ==
           std::vector<std::string>{back, Styled("bob recieved " + Lit("2") + " messages"), back};
  };
  HWND list = nullptr;
  HWND one = nullptr;
  s.Run({{{},
          [&] {
            return LinesFromUser(s.aol).size() == 3 &&
                   FindLabel(FindMainWindow(s.id), "idle") != nullptr;
          },
          "the start-up runs to its end",
          kStartUpDeadlineMs},
         {Menu("cmdStartIdle"), s.Line(Styled("drelm idle \xB7 " + Lit("bob") + " is going idle")),
          "start idle announces \"is going idle\""},
         {{},
          [&] { return s.Line(awayLine)() && LinesHolding(s.aol, timeLine) > 0; },
          "after the interval the time line and the away line are posted",
          kAwayActionMs},
         {Aol("say\tAnn\tBob, call me"), s.Line(Styled("annmessage recorded [1-5")),
          "a member's line addressed to bob is confirmed in the room", kAwayActionMs},
         // Stop waits for the IM's entry: a stop that comes while the answer is still being sent
         // runs inside it and counts the entries noted so far.
         {Aol("receive-im\tCarl\tyou there?"),
          [&] {
            return StandInRows(s.aol, "ims-sent").find("carl\tgone fishing") != std::string::npos &&
                   ReadWholeFile(messagesFile).value_or("").find("]- carl: ") != std::string::npos;
          },
          "an IM from Carl is answered with the away reason and noted", kAwayActionMs},
         {Do([&] {
            linesBeforeStop = LinesFromUser(s.aol).size();
            RunCommand(FindOptionsWindow(s.id), "cmdStopIdle");
          }),
          [&] {
            return s.Shown("DrelmIdleMessages", "drelm idle messages")() &&
                   !IsWindowVisible(FindMainWindow(s.id));
          },
          "stop shows the recorded messages in place of the main window"},
         {Do([&] { list = GetDlgItem(s.window, 410); }),
          [&] {
            return SendMessageA(list, LB_GETCOUNT, 0, 0) == 2 &&
                   FindWindowExA(s.window, nullptr, "Static", "double click msg to view msg") &&
                   GetDlgItem(s.window, 401) ==
                       FindWindowExA(s.window, nullptr, "Static", "drelm idle by quoSt n' vrin") &&
                   EntryInFormat(ListItem(list, 0), "|[chat]|-[", "]- Ann: , call me") &&
                   EntryInFormat(ListItem(list, 1), "|[im]|-[", "]- carl: ");
          },
          "the list holds the chat line and the IM, timed in the user's format"},
         {{},
          stopLines,
          "the room sees \"is back\", the count of two and \"is back\" again",
          kAwayActionMs},
         {{},
          [&] {
            return ReadWholeFile(messagesFile) ==
                   ListItem(list, 0) + "\r\n" + ListItem(list, 1) + "you there?\r\n";
          },
          "drelm-afk-messages.txt holds both entries as listed, the IM with its text"},
         {Do([&] {
            SendMessageA(list, LB_SETCURSEL, 1, 0);
            PostMessageA(s.window, WM_COMMAND, MAKEWPARAM(410, LBN_DBLCLK),
                         reinterpret_cast<LPARAM>(list));
          }),
          [&] {
            one = FindProgramWindow(s.id, "DrelmIdleMessage", "drelm idle message");
            return IsWindowVisible(one) && !IsWindowVisible(s.window) &&
                   ControlText(GetDlgItem(one, 430)) == ListItem(list, 1);
          },
          "double-clicking the IM shows it alone in place of the list"},
         {Do([&] { Click(GetDlgItem(one, 423)); }),
          [&] { return IsWindowVisible(s.window) && !IsWindowVisible(one); },
          "its \"x\" brings the list back"},
         {Do([&] { Click(GetDlgItem(s.window, 403)); }),
          [&] {
            return IsWindowVisible(FindMainWindow(s.id)) && !IsWindowVisible(s.window) &&
                   SendMessageA(list, LB_GETCOUNT, 0, 0) == 0;
          },
          "closing the messages brings the main window back and empties the list"}});
  s.Detail("items: " + Visible(ListItem(list, 0)) + " | " + Visible(ListItem(list, 1)) +
           "; file: " + Visible(ReadWholeFile(messagesFile).value_or("")));

  // A regular idler's reason from the list, its tags in the user's formats.
  const LocalDateTime dayBefore = win32::Win32Clock().Now();
  const std::string opening = "rsn: <font color=##336699>back at ";
  std::string reasonLine;
  s.Run({{Menu("cmdRegularIdle"), {}, "the regular idler is chosen"},
         {Menu("cmdStartIdle"),
          [&] {
            for (const std::string& line : LinesFromUser(s.aol)) {
              if (line.find(opening) != std::string::npos) reasonLine = line;
            }
            return !reasonLine.empty();
          },
          "a regular session posts its reason", kAwayActionMs}});
  const std::size_t at = reasonLine.find(opening) + opening.size();
  const auto dateRest = [&](const LocalDateTime& day) {
    char date[16];
    std::snprintf(date, sizeof date, "%02d.%02d.%04d", day.day, day.month, day.year);
    const std::string colour = "<font color=#\"#336699\">";
    return colour + " on " + date + colour + "<font color=##999999>";
  };
  s.Check(!reasonLine.empty() && IsTimeInFormat(std::string_view(reasonLine).substr(at, 8)) &&
              (reasonLine.find(dateRest(dayBefore), at + 8) == at + 8 ||
               reasonLine.find(dateRest(win32::Win32Clock().Now()), at + 8) == at + 8),
          "the reason's time and date are in the user's formats");
  s.Detail("reason line: " + Visible(reasonLine));
  RunCommand(FindOptionsWindow(s.id), "cmdStopIdle");
  s.ExitByX();
  return s.Finish();
}

}  // namespace drelm::e2e
