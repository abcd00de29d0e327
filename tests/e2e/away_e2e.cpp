// An away session on real windows beside the stand-in AOL client: drelm-idle.exe idles as the
// away bot with a short custom interval, posts its status lines, records a member's line
// addressed to the user, answers an IM, and stops with the count and the messages window
// showing both entries. The user's regional formats are 24-hour times and day.month.year dates:
// the recorded entries carry such times, and a short regular session after it posts a reason
// whose "[time]" and "[date]" are written that way. (The program's CPU over such a session is
// measured by the figures run.)
#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/files.h"
#include "e2e_scenarios.h"
#include "program_run.h"
#include "program_windows.h"
#include "standin/script_protocol.h"

namespace drelm::e2e {

namespace {

constexpr const char* kMessagesClass = "DrelmIdleMessages";
constexpr const char* kMessagesCaption = "drelm idle messages";
constexpr int kMessagesListId = 410;
// The custom interval between status lines, in seconds.
constexpr const char* kInterval = "20";
// A status posting, a chat line's confirmation or an IM's answer, with the scanner's two ticks.
constexpr DWORD kAwayActionDeadlineMs = 30000;
// The user's long time and short date formats for the scenario, and the reason that shows them.
constexpr const char* kTimeFormat = "HH:mm:ss";
constexpr const char* kDateFormat = "dd.MM.yyyy";
constexpr const char* kReason = "Back at [time] on [date]";
constexpr const char* kRegionalKey = "Control Panel\\International";

// Sets the user's regional formats for one scenario and puts back what was there.
class RegionalFormats {
 public:
  RegionalFormats() {
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kRegionalKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_,
                        nullptr) != ERROR_SUCCESS) {
      key_ = nullptr;
      return;
    }
    ok_ = Set("sTimeFormat", kTimeFormat) && Set("sShortDate", kDateFormat);
  }
  ~RegionalFormats() {
    if (key_ == nullptr) return;
    for (const auto& [name, value] : kept_) {
      if (value) {
        Write(name, *value);
      } else {
        RegDeleteValueA(key_, name.c_str());
      }
    }
    RegCloseKey(key_);
  }
  RegionalFormats(const RegionalFormats&) = delete;
  RegionalFormats& operator=(const RegionalFormats&) = delete;
  bool Ok() const { return ok_; }

 private:
  bool Set(const std::string& name, const std::string& value) {
    char before[128] = {};
    DWORD size = sizeof before - 1;
    DWORD type = REG_NONE;
    const bool had = RegQueryValueExA(key_, name.c_str(), nullptr, &type,
                                      reinterpret_cast<BYTE*>(before), &size) == ERROR_SUCCESS &&
                     type == REG_SZ;
    kept_.emplace_back(name, had ? std::optional<std::string>(before) : std::nullopt);
    return Write(name, value);
  }
  bool Write(const std::string& name, const std::string& value) {
    return RegSetValueExA(key_, name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
  }

  HKEY key_ = nullptr;
  std::vector<std::pair<std::string, std::optional<std::string>>> kept_;
  bool ok_ = false;
};

// "HH:mm:ss": two digits each, as the 24-hour format writes them.
bool IsTimeInFormat(std::string_view text) {
  if (text.size() != 8 || text[2] != ':' || text[5] != ':') return false;
  for (std::size_t i : {0, 1, 3, 4, 6, 7}) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  return true;
}

// "dd.MM.yyyy" for a day.
std::string DateInFormat(const LocalDateTime& day) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", day.day, day.month, day.year);
  return text;
}

// A recorded entry: the opening, a time in the user's format, then the rest.
bool EntryInFormat(const std::string& entry, const std::string& opening, const std::string& rest) {
  return entry.size() == opening.size() + 8 + rest.size() && entry.starts_with(opening) &&
         IsTimeInFormat(std::string_view(entry).substr(opening.size(), 8)) && entry.ends_with(rest);
}

// A line as the default style dresses it: decorations in #336699 "arial narrow", the text in
// #999999.
std::string Styled(const std::string& text) {
  return "</u></i></b><font color=##336699><font face=\"arial narrow\">\x8B"
         "d\x9B <font face=\"arial narrow\"><font color=##999999>" +
         text +
         " <font color=##336699><font face=\"arial narrow\">\x8B"
         "d\x9B";
}

bool Holds(const std::vector<std::string>& lines, const std::string& part, bool whole = true) {
  return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
    return whole ? line == part : line.find(part) != std::string::npos;
  });
}

}  // namespace

int AwayScenario(const E2eSetup& setup) {
  Checks checks;
  checks.Check(ClearStoredSettings() && StoreReturningUser("true") &&
                   WriteStored("settings", "handle", "bob") &&
                   WriteStored("settings", "afkmax", "5") &&
                   WriteStored("settings", "afkrea", "gone fishing") &&
                   WriteStored("custom settings", "idletype", "afk") &&
                   WriteStored("custom settings", "interval", kInterval),
               "a returning user's settings: the away bot, handle bob, a 20 second interval");
  const RegionalFormats formats;
  checks.Check(formats.Ok(), "the user's formats are HH:mm:ss and dd.MM.yyyy");
  const std::string exe = PrepareProgramFolder(setup, "away");
  checks.Check(!exe.empty() && WriteWholeFile(JoinPath(exe.substr(0, exe.find_last_of('\\')),
                                                       std::string(kReasonsFileName)),
                                              std::string(kReason) + "\r\n"),
               "the reasons list holds \"" + std::string(kReason) + "\"");
  ChildProcess aol;
  if (!checks.Check(!exe.empty() && StartStandInInRoom(setup, aol, 6),
                    "the stand-in AOL 6 client is signed on in its room")) {
    return checks.Finish();
  }
  const std::string folder = exe.substr(0, exe.find_last_of('\\'));
  ChildProcess program;
  if (!checks.Check(program.Start(exe, {}, folder, false), "drelm-idle.exe starts")) {
    return checks.Finish();
  }
  const DWORD id = program.Id();
  checks.Check(WaitFor([&] { return LinesFromUser(aol).size() == 3; }, kStartUpDeadlineMs) &&
                   WaitFor([&] { return FindLabel(FindMainWindow(id), "idle") != nullptr; },
                           kStartUpDeadlineMs),
               "the start-up runs to its end");

  RunCommand(FindOptionsWindow(id), "cmdStartIdle");
  const std::string goingIdle =
      Styled("drelm idle \xB7 <font color=##336699>bob<font color=##999999> is going idle");
  checks.Check(WaitFor([&] { return Holds(LinesFromUser(aol), goingIdle); }, kWindowDeadlineMs),
               "start idle announces \"is going idle\"");
  const std::string awayLine =
      Styled("afk: <font color=##336699>gone fishing<font color=##999999> /bob to record msg[5]");
  checks.Check(
      WaitFor([&] { return Holds(LinesFromUser(aol), awayLine); }, kAwayActionDeadlineMs) &&
          Holds(LinesFromUser(aol), "drelm idle \xB7 <font color=##336699>0d 0h ", false),
      "after the interval the time line and the away line are posted");

  aol.Command("say\tAnn\tBob, call me");
  const std::string recorded = Styled("annmessage recorded [1-5");
  checks.Check(WaitFor([&] { return Holds(LinesFromUser(aol), recorded); }, kAwayActionDeadlineMs),
               "a member's line addressed to bob is confirmed in the room");
  aol.Command("receive-im\tCarl\tyou there?");
  // Stop waits for the IM's entry: a stop that comes while the answer is still being sent runs
  // inside it and counts the entries noted so far.
  const std::string messagesFile = JoinPath(folder, std::string(kAwayMessagesFileName));
  checks.Check(WaitFor(
                   [&] {
                     return Holds(aol.Command("ims-sent"), "carl\tgone fishing") &&
                            ReadWholeFile(messagesFile).value_or("").find("]- carl: ") !=
                                std::string::npos;
                   },
                   kAwayActionDeadlineMs),
               "an IM from Carl is answered with the away reason and noted");

  const std::size_t linesBeforeStop = LinesFromUser(aol).size();
  RunCommand(FindOptionsWindow(id), "cmdStopIdle");
  HWND messages = nullptr;
  checks.Check(WaitFor(
                   [&] {
                     return IsWindowVisible(messages = FindProgramWindow(
                                                id, kMessagesClass, kMessagesCaption)) != FALSE;
                   },
                   kWindowDeadlineMs) &&
                   !IsWindowVisible(FindMainWindow(id)),
               "stop shows the recorded messages in place of the main window");
  const HWND list = GetDlgItem(messages, kMessagesListId);
  checks.Check(SendMessageA(list, LB_GETCOUNT, 0, 0) == 2 &&
                   EntryInFormat(ListItem(list, 0), "|[chat]|-[", "]- Ann: , call me") &&
                   EntryInFormat(ListItem(list, 1), "|[im]|-[", "]- carl: "),
               "the list holds the chat line and the IM, timed in the user's format");
  checks.Detail("items: " + Visible(ListItem(list, 0)) + " | " + Visible(ListItem(list, 1)));
  const std::string back =
      Styled("drelm idle \xB7 <font color=##336699>bob<font color=##999999> is back");
  const std::vector<std::string> expected = {
      back, Styled("bob recieved <font color=##336699>2<font color=##999999> messages"), back};
  // A status post already under way when stop arrives finishes its time and away lines around
  // stop's own, so those two are set aside before the comparison.
  const std::string timeLine = "drelm idle \xB7 <font color=##336699>0d 0h ";
  const auto stopLines = [&] {
    const std::vector<std::string> lines = LinesFromUser(aol);
    std::vector<std::string> own;
    for (std::size_t i = std::min(linesBeforeStop, lines.size()); i < lines.size(); ++i) {
      if (lines[i] != awayLine && lines[i].find(timeLine) == std::string::npos) {
        own.push_back(lines[i]);
      }
    }
    return own;
  };
  checks.Check(WaitFor([&] { return stopLines() == expected; }, kAwayActionDeadlineMs),
               "the room sees \"is back\", the count of two and \"is back\" again");
  const std::string file = ReadWholeFile(messagesFile).value_or("");
  checks.Check(file == ListItem(list, 0) + "\r\n" + ListItem(list, 1) + "you there?\r\n",
               "drelm-afk-messages.txt holds both entries as listed, the IM with its text");
  checks.Detail("file: " + Visible(file));

  // Closing the list brings the main window back; then the exit.
  Click(GetDlgItem(messages, 403));
  checks.Check(
      WaitFor([&] { return IsWindowVisible(FindMainWindow(id)) != FALSE; }, kWindowDeadlineMs),
      "closing the messages brings the main window back");

  // A regular idler's reason from the list, its tags in the user's formats.
  const LocalDateTime dayBefore = LocalNow();
  RunCommand(FindOptionsWindow(id), "cmdRegularIdle");
  RunCommand(FindOptionsWindow(id), "cmdStartIdle");
  const std::string opening = "rsn: <font color=##336699>back at ";
  std::string reasonLine;
  WaitFor(
      [&] {
        for (const std::string& line : LinesFromUser(aol)) {
          if (line.find(opening) != std::string::npos) reasonLine = line;
        }
        return !reasonLine.empty();
      },
      kAwayActionDeadlineMs);
  const std::size_t at = reasonLine.find(opening) + opening.size();
  const auto dateRest = [&](const LocalDateTime& day) {
    const std::string colour = "<font color=#\"#336699\">";
    return colour + " on " + DateInFormat(day) + colour + "<font color=##999999>";
  };
  checks.Check(!reasonLine.empty() && IsTimeInFormat(std::string_view(reasonLine).substr(at, 8)) &&
                   (reasonLine.find(dateRest(dayBefore), at + 8) == at + 8 ||
                    reasonLine.find(dateRest(LocalNow()), at + 8) == at + 8),
               "a regular session posts the reason with its time and date in the user's formats");
  checks.Detail("reason line: " + Visible(reasonLine));
  RunCommand(FindOptionsWindow(id), "cmdStopIdle");
  Click(FindLabel(FindMainWindow(id), "x"));
  checks.Check(program.WaitForExit(kExitDeadlineMs), "clicking \"x\" ends the program");
  aol.Command("exit");
  aol.WaitForExit(kExitDeadlineMs);
  return checks.Finish();
}

}  // namespace drelm::e2e
