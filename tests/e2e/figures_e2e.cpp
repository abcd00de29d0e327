// Measurements of drelm-idle.exe under Wine, written to a report: the CPU time it takes over
// 30 seconds of doing nothing beside a signed-on AOL client (the 1.6 s timer running), then, in
// the same run as the away bot, over a minute with the client's window thread hung, while its
// main window is asked with WM_NULL every quarter second and a menu command is posted every
// five, each to be answered within a second; then the sizes of both executables. (The time to
// the first window is the first-start scenario's.)
#include <algorithm>
#include <cstdio>
#include <ctime>

#include "platform/win32/win32_answer_probe.h"
#include "platform/win32/win32_window_system.h"
#include "scenario.h"

namespace drelm::e2e {

namespace {

constexpr DWORD kIdleWindowMs = 30000;
constexpr DWORD kMeasureMs = 60000;
// A status line every 20 seconds.
constexpr DWORD kIntervalMs = 20000;
constexpr DWORD kProbeEveryMs = 250;
constexpr DWORD kCommandEveryMs = 5000;
constexpr std::uint64_t kAnswerTargetMs = 1000;
// A posted command waits for what the program is doing: when the hang begins that is one send
// to the client, which gives up after win32::kCrossProcessSendMs. Once, not on every send.
constexpr std::uint64_t kCommandAtHangMs = win32::kCrossProcessSendMs + kAnswerTargetMs;
// A late answer is still waited for this long, so that the figure says how late it was.
constexpr DWORD kProbeBoundMs = 10000;
constexpr const char* kTimeLine = "drelm idle \xB7 <font color=##336699>0d 0h ";
constexpr const char* kRecordedLine = "message recorded [";

std::string Format(const char* format, double a, double b = 0, double c = 0, double d = 0) {
  char text[256];
  std::snprintf(text, sizeof text, format, a, b, c, d);
  return text;
}

// How fast the program answers while the client hangs: WM_NULL sent to its main window, and
// "auto idle" switched by its menu command until its stored value shows the change.
struct Tally {
  int asked = 0, late = 0;
  std::uint64_t worstMs = 0;
  void Note(std::uint64_t ms) {
    ++asked;
    late += ms > kAnswerTargetMs;
    worstMs = std::max(worstMs, ms);
  }
};

void AskUntil(DWORD processId, ULONGLONG end, Tally& probes, Tally& commands) {
  const HWND main = FindMainWindow(processId);
  ULONGLONG nextCommand = drelm::win32::TickCount64() + kCommandEveryMs;
  while (drelm::win32::TickCount64() < end) {
    const ULONGLONG asked = drelm::win32::TickCount64();
    if (asked >= nextCommand) {
      nextCommand = asked + kCommandEveryMs;
      const std::string before = StoredText("custom settings", "auto idle");
      RunCommand(FindOptionsWindow(processId), "cmdAutoIdle");
      WaitFor([&] { return StoredText("custom settings", "auto idle") != before; }, kProbeBoundMs);
      commands.Note(drelm::win32::TickCount64() - asked);
    } else {
      probes.Note(win32::AnswerTimeMs(main, kProbeBoundMs).value_or(kProbeBoundMs));
    }
    const ULONGLONG next = std::min<ULONGLONG>(asked + kProbeEveryMs, end);
    WaitFor([&] { return drelm::win32::TickCount64() >= next; }, kProbeEveryMs);
  }
}

}  // namespace

int FiguresRun(const E2eSetup& setup) {
  std::vector<std::string> report;
  char stamp[64] = {};
  const std::time_t now = std::time(nullptr);
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M", std::localtime(&now));
  report.push_back(std::string("drelm-idle.exe measured under Wine on ") + stamp);
  // The program's CPU over windowMs of wall time, as a percentage of one core, while during runs
  // (it gets the window's end). Adds a report line.
  const auto cpuPercent = [&](Scenario& s, DWORD windowMs, const std::string& what,
                              const std::function<void(ULONGLONG)>& during) {
    const double before = s.program.CpuMs();
    const ULONGLONG from = drelm::win32::TickCount64();
    during(from + windowMs);
    const double cpuMs = s.program.CpuMs() - before;
    const double wallMs = static_cast<double>(drelm::win32::TickCount64() - from);
    const double percent = before < 0 ? 100 : 100.0 * cpuMs / wallMs;
    report.push_back(what + Format(" CPU: %.0f ms over %.1f s = %.2f %% of one core", cpuMs,
                                   wallMs / 1000.0, percent));
    return percent;
  };
  // Idle CPU beside the signed-on client: the start-up ends on "idle", then nothing happens but
  // the timers. The same run goes on as the away bot.
  Scenario s(setup, "figures-idle",
             {{"settings", "handle", "bob"},
              {"settings", "afkrea", "gone"},
              {"custom settings", "idletype", "afk"},
              {"custom settings", "interval", "20"}});
  Tally probes;
  Tally commands;
  if (s.Start(6) && s.Run({{{},
                            [&] { return FindLabel(FindMainWindow(s.id), "idle") != nullptr; },
                            "its start-up ends on \"idle\"",
                            kStartUpDeadlineMs}})) {
    const double idle = cpuPercent(s, kIdleWindowMs, "idle (stand-in AOL 6 in a room)",
                                   [&](ULONGLONG) { s.program.WaitForExit(kIdleWindowMs); });
    s.Check(s.program.Running() && idle < 1.0,
            Format("idle CPU %.2f %% of one core, below 1 %%", idle));
    // The away bot posts, a member's line is recorded, then the client's window thread hangs a
    // little longer than the minute measured, which starts once it has hung.
    if (s.Run({{Menu("cmdStartIdle"), [&] { return LinesHolding(s.aol, kTimeLine) > 0; },
                "the away bot's first status line comes after the interval",
                kIntervalMs + kWindowDeadlineMs},
               {Aol("say\tAnn\tBob, call me"),
                [&] { return LinesHolding(s.aol, kRecordedLine) == 1; }, "it confirms Ann's line"},
               {{},
                [&] { return s.aol.Command("freeze\t61") == std::vector<std::string>{"ok"}; },
                "the stand-in AOL client's window thread hangs"}})) {
      const double hung = cpuPercent(s, kMeasureMs, "client hung",
                                     [&](ULONGLONG end) { AskUntil(s.id, end, probes, commands); });
      s.Check(s.program.Running() && probes.asked > 0 && probes.late == 0,
              Format("the main window answers %.0f WM_NULL probes within 1 s, the slowest in "
                     "%.0f ms",
                     probes.asked, static_cast<double>(probes.worstMs)));
      s.Check(commands.asked > 0 && commands.late <= 1 && commands.worstMs <= kCommandAtHangMs,
              Format("%.0f menu commands take effect, %.0f of them later than 1 s, the slowest "
                     "in %.0f ms (one bounded send when the hang begins)",
                     commands.asked, commands.late, static_cast<double>(commands.worstMs)));
      s.Check(hung < 1.0, Format("CPU with the client hung %.2f %% of one core, below 1 %%", hung));
      report.push_back(
          Format("answers while the client hung: WM_NULL slowest %.0f ms of %.0f "
                 "probes; a menu command slowest %.0f ms of %.0f (target 1 s)",
                 static_cast<double>(probes.worstMs), probes.asked,
                 static_cast<double>(commands.worstMs), commands.asked));
      // Once the stand-in wakes the session must go on posting, every line whole, and no line
      // from before the hang recorded a second time.
      const std::size_t postedAtWake = LinesHolding(s.aol, kTimeLine);
      s.Run({{{},
              [&] {
                const std::vector<std::string> lines = LinesFromUser(s.aol);
                return LinesHolding(s.aol, kTimeLine) > postedAtWake &&
                       LinesHolding(s.aol, kRecordedLine) == 1 &&
                       std::all_of(lines.begin(), lines.end(), [](const std::string& line) {
                         return line.starts_with("</u></i></b><font color=##336699>") &&
                                line.ends_with(
                                    "\x8B"
                                    "d\x9B");
                       });
              },
              "once the client wakes the away bot posts again, every line whole, none recorded "
              "twice",
              kIntervalMs + 15000}});
    }
    s.ExitByX();
  }
  for (const auto& [architecture, path] :
       {std::pair("x86_64", setup.programExe), std::pair("i686", setup.programExeI686)}) {
    const std::optional<std::uint64_t> size = FileSize(path);
    report.push_back(std::string("size ") + architecture + ": " +
                     (size ? Format("%.0f bytes (%.0f KiB)", static_cast<double>(*size),
                                    static_cast<double>(*size) / 1024.0)
                           : "not built (" + path + ")"));
  }
  std::string text;
  for (const std::string& line : report) text += line + "\n";
  std::printf("%s", text.c_str());
  s.Check(setup.figuresFile.empty() || WriteWholeFile(setup.figuresFile, text),
          "the figures are written");
  return s.Finish();
}

}  // namespace drelm::e2e
