// An away session on real windows beside the stand-in AOL client: drelm-idle.exe idles as the
// away bot with a short custom interval, posts its status lines, records a member's line
// addressed to the user, answers an IM, and stops with the count and the messages window
// showing both entries. The program's CPU time over the session's first minute is measured.
#include <cstdio>
#include <string>
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
constexpr DWORD kMeasureMs = 60000;
constexpr double kCpuTargetPercent = 0.5;
// A status posting, a chat line's confirmation or an IM's answer, with the scanner's two ticks.
constexpr DWORD kAwayActionDeadlineMs = 30000;

// A line as the default style dresses it: decorations in #336699 "arial narrow", the text in
// #999999.
std::string Styled(const std::string& text) {
  return "</u></i></b><font color=##336699><font face=\"arial narrow\">\x8B"
         "d\x9B <font face=\"arial narrow\"><font color=##999999>" +
         text +
         " <font color=##336699><font face=\"arial narrow\">\x8B"
         "d\x9B";
}

bool HasLine(const std::vector<std::string>& lines, const std::string& line) {
  for (const std::string& posted : lines) {
    if (posted == line) return true;
  }
  return false;
}

bool HasLineHolding(const std::vector<std::string>& lines, const std::string& part) {
  for (const std::string& posted : lines) {
    if (posted.find(part) != std::string::npos) return true;
  }
  return false;
}

// A list box item of another process: LB_GETTEXT sent as the wide call, which Wine and Windows
// both answer correctly across processes, then back to the ANSI code page.
std::string ListItem(HWND list, int index) {
  const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.data()));
  wide.resize(static_cast<std::size_t>(length));
  std::string text(wide.size() * 2 + 1, '\0');
  const int bytes =
      WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), text.data(),
                          static_cast<int>(text.size()), nullptr, nullptr);
  text.resize(bytes > 0 ? static_cast<std::size_t>(bytes) : 0);
  return text;
}

std::vector<std::string> Rows(ChildProcess& aol, const std::string& verb) {
  const std::vector<std::string> reply = aol.Command(verb);
  std::vector<std::string> rows;
  for (std::size_t i = 1; i < reply.size(); ++i) {
    std::string row;
    for (const std::string& field : standin::SplitCommand(reply[i])) {
      row += (row.empty() ? "" : "|") + field;
    }
    rows.push_back(row);
  }
  return rows;
}

std::string Format(const char* pattern, double a, double b = 0, double c = 0) {
  char text[200];
  std::snprintf(text, sizeof text, pattern, a, b, c);
  return text;
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
  const std::string exe = PrepareProgramFolder(setup, "away");
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

  const double cpuBefore = program.CpuMs();
  const ULONGLONG from = GetTickCount64();
  RunCommand(FindOptionsWindow(id), "cmdStartIdle");
  const std::string goingIdle =
      Styled("drelm idle \xB7 <font color=##336699>bob<font color=##999999> is going idle");
  checks.Check(WaitFor([&] { return HasLine(LinesFromUser(aol), goingIdle); }, kWindowDeadlineMs),
               "start idle announces \"is going idle\"");
  const std::string awayLine =
      Styled("afk: <font color=##336699>gone fishing<font color=##999999> /bob to record msg[5]");
  checks.Check(
      WaitFor([&] { return HasLine(LinesFromUser(aol), awayLine); }, kAwayActionDeadlineMs) &&
          HasLineHolding(LinesFromUser(aol), "drelm idle \xB7 <font color=##336699>0d 0h "),
      "after the interval the time line and the away line are posted");

  aol.Command("say\tAnn\tBob, call me");
  const std::string recorded = Styled("annmessage recorded [1-5");
  checks.Check(
      WaitFor([&] { return HasLine(LinesFromUser(aol), recorded); }, kAwayActionDeadlineMs),
      "a member's line addressed to bob is confirmed in the room");
  aol.Command("receive-im\tCarl\tyou there?");
  checks.Check(WaitFor([&] { return HasLine(Rows(aol, "ims-sent"), "carl|gone fishing"); },
                       kAwayActionDeadlineMs),
               "an IM from Carl is answered with the away reason");

  // The rest of the minute the program only idles: the scroller, the scanner and Timer3 tick.
  WaitFor([&] { return !program.Running(); },
          static_cast<DWORD>(kMeasureMs - (GetTickCount64() - from)));
  const double cpuMs = program.CpuMs() - cpuBefore;
  const double wallMs = static_cast<double>(GetTickCount64() - from);
  const double percent = 100.0 * cpuMs / wallMs;
  checks.Check(percent < kCpuTargetPercent,
               Format("away session CPU: %.0f ms over %.1f s = %.2f %% of one core", cpuMs,
                      wallMs / 1000.0, percent));
  if (!setup.figuresFile.empty()) {
    const std::string figures =
        setup.figuresFile.substr(0, setup.figuresFile.find_last_of('/') + 1) +
        "e2e-away-figures.txt";
    WriteWholeFile(figures, Format("away session CPU: %.0f ms over %.1f s = %.2f %% of one core\n",
                                   cpuMs, wallMs / 1000.0, percent));
  }

  const std::size_t linesBeforeStop = LinesFromUser(aol).size();
  RunCommand(FindOptionsWindow(id), "cmdStopIdle");
  const HWND messages = [&] {
    HWND found = nullptr;
    WaitFor(
        [&] {
          found = FindProgramWindow(id, kMessagesClass, kMessagesCaption);
          return found && IsWindowVisible(found);
        },
        kWindowDeadlineMs);
    return found;
  }();
  checks.Check(messages != nullptr && !IsWindowVisible(FindMainWindow(id)),
               "stop shows the recorded messages in place of the main window");
  const HWND list = GetDlgItem(messages, kMessagesListId);
  checks.Check(SendMessageA(list, LB_GETCOUNT, 0, 0) == 2 &&
                   ListItem(list, 0).find("]- Ann: , call me") != std::string::npos &&
                   ListItem(list, 1).find("]- carl: ") != std::string::npos,
               "the list holds the chat line and the IM");
  checks.Detail("items: " + Visible(ListItem(list, 0)) + " | " + Visible(ListItem(list, 1)));
  const std::string back =
      Styled("drelm idle \xB7 <font color=##336699>bob<font color=##999999> is back");
  const std::vector<std::string> expected = {
      back, Styled("bob recieved <font color=##336699>2<font color=##999999> messages"), back};
  checks.Check(WaitFor(
                   [&] {
                     const std::vector<std::string> lines = LinesFromUser(aol);
                     return lines.size() == linesBeforeStop + 3 &&
                            std::vector<std::string>(lines.end() - 3, lines.end()) == expected;
                   },
                   kAwayActionDeadlineMs),
               "the room sees \"is back\", the count of two and \"is back\" again");
  const std::string file =
      ReadWholeFile(JoinPath(folder, std::string(kAwayMessagesFileName))).value_or("");
  checks.Check(file == ListItem(list, 0) + "\r\n" + ListItem(list, 1) + "\r\n",
               "drelm-afk-messages.txt holds both entries as listed");
  checks.Detail("file: " + Visible(file));

  // Closing the list brings the main window back; then the exit.
  Click(GetDlgItem(messages, 403));
  checks.Check(
      WaitFor([&] { return IsWindowVisible(FindMainWindow(id)) != FALSE; }, kWindowDeadlineMs),
      "closing the messages brings the main window back");
  Click(FindLabel(FindMainWindow(id), "x"));
  checks.Check(program.WaitForExit(kExitDeadlineMs), "clicking \"x\" ends the program");
  aol.Command("exit");
  aol.WaitForExit(kExitDeadlineMs);
  return checks.Finish();
}

}  // namespace drelm::e2e
