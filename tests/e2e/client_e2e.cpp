// A start with the stand-in AOL client signed on in a room, then the exit by the "x" label: the
// room receives (the quick way, or the careful way that older clients without the Windows 2000
// answer get) the advertising line and the two start-up lines byte for byte, the log starts
// again, the departure lines follow the click, the uptime record is kept, and the process ends
// with code 0 leaving no tray icon behind.
#include "core/files.h"
#include "idle/idle_time_text.h"
#include "scenario.h"

namespace drelm::e2e {

int ClientScenario(const E2eSetup& setup, int aolVersion, const std::string& oss, bool shots) {
  // Whole seconds since Windows started, as the program counts them.
  const auto uptime = [] { return static_cast<std::int64_t>(drelm::win32::TickCount64() / 1000); };
  // A returning user on the fourth start, with 2 h 15 m idled and an uptime record below the
  // current uptime, so that the exit raises it.
  const std::int64_t record = uptime() / 2;
  Scenario s(setup, "client-aol" + std::to_string(aolVersion),
             {{"stats", "loads", "4"},
              {"stats", "count", std::to_string(record)},
              {"idler", "days", "0"},
              {"idler", "hours", "2"},
              {"idler", "min", "15"}},
             oss.c_str());
  const std::string logPath = s.Path(std::string(kLogFileName));
  WriteWholeFile(logPath, "\r\n<d> |[01-02-03]|[04:05 AM]| - an entry of an earlier run\r\n");
  const LocalDateTime startedAt = win32::Win32Clock().Now();
  const std::int64_t uptimeAtStart = uptime();
  if (!s.Start(aolVersion)) return s.Finish();

  // Wine keeps a window's menu to its own process; the version then comes from the version
  // resource of the client's program file, so both hosts give the client's version.
  const std::string version = std::to_string(aolVersion);
  std::vector<std::string> lines;
  s.Check(WaitFor([&] { return (lines = LinesFromUser(s.aol)).size() >= 3; }, kStartUpDeadlineMs) &&
              lines.size() == 3 && lines[0] == kAdvertLine &&
              lines[1] == Styled("user: " + Lit("user") + " \xB7 aol: " + Lit(version) +
                                 " \xB7 loads: <font color=##336699>5"),
          "the start-up posts the advertising line and the handle, AOL version \"" + version +
              "\" and fifth load, byte for byte");
  s.Detail("2nd line: " + Visible(lines.size() > 1 ? lines[1] : "(none)"));
  // The third line gives Windows' uptime at one of the seconds the start-up ran through.
  bool uptimeLine = false;
  for (std::int64_t seconds = uptimeAtStart; seconds <= uptime(); ++seconds) {
    uptimeLine = uptimeLine ||
                 (lines.size() == 3 &&
                  lines[2] == Styled("uptime: " + Lit(DurationText(seconds)) +
                                     " \xB7 rec: <font color=##336699>" + DurationText(record)));
  }
  s.Check(uptimeLine, "3rd: Windows' uptime and the stored record");
  s.Detail(lines.size() == 3 ? Visible(lines[2]) : "no third line");
  s.Run({{{},
          [&] { return FindLabel(FindMainWindow(s.id), "idle") != nullptr; },
          "the status label ends the start-up on \"idle\"",
          kStartUpDeadlineMs},
         {{}, s.StoredIs("stats", "loads", "5"), "stats/loads becomes \"5\""}});
  const std::string log = ReadWholeFile(logPath).value_or("(no log.txt)");
  s.Check(LogHolds(log, {"drelm - version one loaded."}, startedAt),
          "log.txt starts again with \"drelm - version one loaded.\" alone");
  s.Detail("log.txt: " + Visible(log));

  const HWND options = FindOptionsWindow(s.id);
  if (shots && !setup.screenshotFolder.empty()) {
    s.Check(TakeScreenshot(setup.screenshotScript, setup.screenshotFolder + "/main-window.png",
                           {FindMainWindow(s.id)}, 12),
            "a screenshot of the main window is saved");
  }

  const std::int64_t uptimeAtClick = uptime();
  Click(FindLabel(FindMainWindow(s.id), "x"));
  s.Check(s.program.WaitForExit(kExitDeadlineMs) && s.program.ExitCode() == 0u,
          "clicking \"x\" ends the program with exit code 0");
  const std::int64_t uptimeAtEnd = uptime();
  lines.push_back(kAdvertLine);
  lines.push_back(Styled("unload: " + Lit("user") + " has idled: " + Lit("0d 2h 15m")));
  s.Check(LinesFromUser(s.aol) == lines,
          "the exit posts the advertising line and the departure line with the stored idle time");
  s.Detail("last line: " + Visible(LinesFromUser(s.aol).back()));
  const std::string count = StoredText("stats", "count");
  s.Check(count == std::to_string(std::atoll(count.c_str())) &&
              std::atoll(count.c_str()) >= uptimeAtClick &&
              std::atoll(count.c_str()) <= uptimeAtEnd,
          "stats/count holds the uptime at the exit, in seconds (" + count + ")");
  const std::string after = ReadWholeFile(logPath).value_or("(no log.txt)");
  s.Check(
      LogHolds(after, {"drelm - version one loaded.", "drelm - version one unloaded"}, startedAt),
      "log.txt ends with \"drelm - version one unloaded\"");
  s.Detail("log.txt: " + Visible(after));
  s.Check(!TrayIconShown(options) && TrayIconsInWineTray() == 0, "no tray icon is left behind");
  s.Check(StandInRows(s.aol, "strays").empty(), "the AOL client got no stray input");
  s.Detail("strays: " + StandInRows(s.aol, "strays"));
  s.aol.Command("exit");
  s.aol.WaitForExit(kExitDeadlineMs);
  return s.Finish();
}

}  // namespace drelm::e2e
