// A start with the stand-in AOL client signed on in a room, then the exit by the "x" label: the
// room receives (the quick way, or the careful way that older clients without the Windows 2000
// answer get) the advertising line and the two start-up lines byte for byte, the log starts
// again, the departure lines follow the click, the uptime record is kept, and the process ends
// with code 0 leaving no tray icon behind.
#include "core/files.h"
#include "e2e_scenarios.h"
#include "idle/idle_time_text.h"
#include "program_run.h"
#include "program_windows.h"

namespace drelm::e2e {

namespace {

constexpr const char* kEarlierLog =
    "\r\n<d> |[01-02-03]|[04:05 AM]| - an entry of an earlier run\r\n";

std::string Describe(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += "\n       " + Visible(line);
  return text;
}

// The default style around a line, and the advertising line, byte for byte as the room gets
// them: written out here so that a fault in the product's styling cannot hide in the check.
constexpr const char* kStyleOpen =
    "</u></i></b><font color=##336699><font face=\"arial narrow\">\x8B"
    "d\x9B <font face=\"arial narrow\"><font color=##999999>";
constexpr const char* kStyleClose =
    " <font color=##336699><font face=\"arial narrow\">\x8B"
    "d\x9B";
constexpr const char* kAdvertLine =
    "</u></i></b><font color=##336699><font face=\"arial narrow\">\x8B"
    "d\x9B <font color=##999999><font face=\"arial narrow\">drelm idle [1.1] by quoSt n' vrin "
    "<font color=##336699><font face=\"arial narrow\">\x8B"
    "d\x9B";

std::string Styled(const std::string& text) {
  return kStyleOpen + text + kStyleClose;
}

// The line one of the uptime values between from and to would give, if it is one of them.
bool OneOfTheUptimeLines(const std::string& line, std::int64_t from, std::int64_t to,
                         const std::string& record) {
  for (std::int64_t seconds = from; seconds <= to; ++seconds) {
    if (line == Styled("uptime: <font color=##336699>" + DurationText(seconds) +
                       "<font color=##999999> \xB7 rec: <font color=##336699>" + record)) {
      return true;
    }
  }
  return false;
}

}  // namespace

int ClientScenario(const E2eSetup& setup, int aolVersion, const std::string& oss,
                   bool screenshots) {
  Checks checks;
  checks.Check(ClearStoredSettings(), "the program's settings key is cleared");
  // A returning user on the fourth start, with 2 h 15 m idled and an uptime record below the
  // current uptime, so that the exit raises it.
  const std::int64_t record = UptimeSecondsNow() / 2;
  checks.Check(StoreReturningUser(oss) && WriteStored("stats", "loads", "4") &&
                   WriteStored("stats", "count", std::to_string(record)) &&
                   WriteStored("idler", "days", "0") && WriteStored("idler", "hours", "2") &&
                   WriteStored("idler", "min", "15"),
               "a returning user's settings are stored");
  const std::string exe = PrepareProgramFolder(setup, "client-aol" + std::to_string(aolVersion));
  if (!checks.Check(!exe.empty(), "a fresh program folder holds drelm-idle.exe")) {
    return checks.Finish();
  }
  const std::string folder = exe.substr(0, exe.find_last_of('\\'));
  const std::string logPath = JoinPath(folder, std::string(kLogFileName));
  WriteWholeFile(logPath, kEarlierLog);

  ChildProcess aol;
  if (!checks.Check(StartStandInInRoom(setup, aol, aolVersion),
                    "the stand-in AOL client is signed on in its room")) {
    return checks.Finish();
  }

  const LocalDateTime startedAt = LocalNow();
  const std::int64_t uptimeAtStart = UptimeSecondsNow();
  ChildProcess program;
  if (!checks.Check(program.Start(exe, {}, folder, false), "drelm-idle.exe starts")) {
    return checks.Finish();
  }
  const DWORD id = program.Id();

  std::vector<std::string> lines;
  checks.Check(
      WaitFor([&] { return (lines = LinesFromUser(aol)).size() >= 3; }, kStartUpDeadlineMs),
      "the start-up posts three lines into the room");
  const std::int64_t uptimeAfterLines = UptimeSecondsNow();
  lines.resize(3);
  // Wine keeps a window's menu to its own process; the version then comes from the version
  // resource of the client's program file, so both hosts give the client's version.
  const std::string version = std::to_string(aolVersion);
  checks.Check(lines[0] == kAdvertLine, "1st: the advertising line, byte for byte");
  checks.Detail(Describe({lines[0], kAdvertLine}));
  const std::string userLine = Styled(
      "user: <font color=##336699>user<font color=##999999> \xB7 aol: <font color=##336699>" +
      version + "<font color=##999999> \xB7 loads: <font color=##336699>5");
  checks.Check(lines[1] == userLine,
               "2nd: handle, AOL version (\"" + version + "\") and the fifth load");
  checks.Detail(Describe({lines[1], userLine}));
  checks.Check(OneOfTheUptimeLines(lines[2], uptimeAtStart, uptimeAfterLines, DurationText(record)),
               "3rd: Windows' uptime and the stored record");
  checks.Detail(Describe({lines[2]}));

  checks.Check(
      WaitFor([&] { return FindLabel(FindMainWindow(id), "idle") != nullptr; }, kStartUpDeadlineMs),
      "the status label ends the start-up on \"idle\"");
  checks.Detail(DescribeLabels(id));
  checks.Check(WaitFor([] { return StoredText("stats", "loads") == "5"; }, kWindowDeadlineMs),
               "stats/loads becomes \"5\"");
  const std::string log = ReadWholeFile(logPath).value_or("(no log.txt)");
  checks.Check(LogHolds(log, {"drelm - version one loaded."}, {startedAt, LocalNow()}),
               "log.txt starts again with \"drelm - version one loaded.\" alone");
  checks.Detail("log.txt: " + Visible(log));

  const HWND main = FindMainWindow(id);
  const HWND options = FindOptionsWindow(id);
  if (screenshots && !setup.screenshotFolder.empty()) {
    checks.Check(TakeScreenshot(setup.screenshotScript, setup.screenshotFolder + "/main-window.png",
                                AreaAround({main}, 12)),
                 "a screenshot of the main window is saved");
    // And beside the client's room, which shows the lines it received.
    const HWND frame = FindWindowA("AOL Frame25", nullptr);
    checks.Check(TakeScreenshot(setup.screenshotScript, setup.screenshotFolder + "/beside-aol.png",
                                AreaAround({main, frame}, 0)),
                 "a screenshot of the main window beside the AOL client is saved");
  }

  // The exit, by the "x" label.
  const std::int64_t uptimeAtClick = UptimeSecondsNow();
  const ULONGLONG clickedAt = drelm::win32::TickCount64();
  const HWND exitLabel = FindLabel(main, "x");
  checks.Check(exitLabel != nullptr, "the main window has its \"x\" label");
  Click(exitLabel);
  checks.Check(program.WaitForExit(kExitDeadlineMs), "the program ends within a few seconds");
  const ULONGLONG endedAt = drelm::win32::TickCount64();
  std::printf("     the exit took %.1f s\n", static_cast<double>(endedAt - clickedAt) / 1000.0);
  checks.Check(program.ExitCode() == std::optional<DWORD>(0), "with exit code 0");
  const std::int64_t uptimeAtEnd = UptimeSecondsNow();

  lines = LinesFromUser(aol);
  checks.Check(lines.size() == 5, "the exit posts two more lines");
  checks.Detail(Describe(lines));
  lines.resize(5);
  checks.Check(lines[3] == kAdvertLine, "4th: the advertising line again");
  const std::string unloadLine = Styled(
      "unload: <font color=##336699>user<font color=##999999> has idled: <font "
      "color=##336699>0d 2h 15m<font color=##999999>");
  checks.Check(lines[4] == unloadLine, "5th: the departure line with the stored idle time");
  checks.Detail(Describe({lines[4], unloadLine}));

  const std::int64_t count = std::atoll(StoredText("stats", "count").c_str());
  checks.Check(count >= uptimeAtClick && count <= uptimeAtEnd &&
                   StoredText("stats", "count") == std::to_string(count),
               "stats/count holds the uptime at the exit, in seconds");
  checks.Detail("stats/count \"" + StoredText("stats", "count") + "\", uptime " +
                std::to_string(uptimeAtClick) + ".." + std::to_string(uptimeAtEnd));
  const std::string after = ReadWholeFile(logPath).value_or("(no log.txt)");
  checks.Check(LogHolds(after, {"drelm - version one loaded.", "drelm - version one unloaded"},
                        {startedAt, LocalNow()}),
               "log.txt ends with \"drelm - version one unloaded\"");
  checks.Detail("log.txt: " + Visible(after));
  checks.Check(!TrayIconShown(options) && TrayIconsInWineTray() == 0,
               "no tray icon is left behind");

  const std::vector<std::string> strays = aol.Command("strays");
  checks.Check(strays == std::vector<std::string>{"ok 0"}, "the AOL client got no stray input");
  for (std::size_t i = 1; i < strays.size(); ++i) checks.Detail(strays[i]);
  aol.Command("exit");
  aol.WaitForExit(kExitDeadlineMs);
  return checks.Finish();
}

}  // namespace drelm::e2e
