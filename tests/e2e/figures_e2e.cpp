// Measurements of drelm-idle.exe under Wine, written to a report: the CPU time it takes over
// 30 seconds of doing nothing beside a signed-on AOL client (the 1.6 s timer running), then, in
// the same run, over a minute of an away session and a minute with the client's window thread
// hung, while its main window is asked with WM_NULL every quarter second and a menu command is
// posted every five, each to be answered within a second; then the sizes of both executables.
// (The time to the first window is the first-start scenario's.)
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
// A status line every 20 seconds: both minutes hold three posts into the room.
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

// The program's CPU over windowMs of wall time, as a percentage of one core, while during runs
// (it gets the window's end); without during the driver just waits. Adds a report line.
double CpuPercent(const ChildProcess& program, DWORD windowMs, const std::string& what,
                  std::vector<std::string>& report,
                  const std::function<void(ULONGLONG)>& during = {}) {
  const double before = program.CpuMs();
  const ULONGLONG from = drelm::win32::TickCount64();
  if (during) {
    during(from + windowMs);
  } else {
    WaitFor([&] { return !program.Running(); }, windowMs);
  }
  const double cpuMs = program.CpuMs() - before;
  const double wallMs = static_cast<double>(drelm::win32::TickCount64() - from);
  const double percent = before < 0 ? 100 : 100.0 * cpuMs / wallMs;
  report.push_back(what + Format(" CPU: %.0f ms over %.1f s = %.2f %% of one core", cpuMs,
                                 wallMs / 1000.0, percent));
  return percent;
}

// How fast the program answers while the client hangs: WM_NULL sent to its main window, and
// "auto idle" switched by its menu command until its stored value shows the change.
struct Answers {
  int probes = 0, commands = 0, lateProbes = 0, lateCommands = 0;
  std::uint64_t worstProbeMs = 0, worstCommandMs = 0;
};

Answers AskUntil(DWORD processId, ULONGLONG end) {
  Answers answers;
  const HWND main = FindMainWindow(processId);
  ULONGLONG nextCommand = drelm::win32::TickCount64() + kCommandEveryMs;
  while (drelm::win32::TickCount64() < end) {
    const ULONGLONG asked = drelm::win32::TickCount64();
    if (asked >= nextCommand) {
      nextCommand = asked + kCommandEveryMs;
      const std::string before = StoredText("custom settings", "auto idle");
      RunCommand(FindOptionsWindow(processId), "cmdAutoIdle");
      WaitFor([&] { return StoredText("custom settings", "auto idle") != before; }, kProbeBoundMs);
      const std::uint64_t ms = drelm::win32::TickCount64() - asked;
      ++answers.commands;
      answers.worstCommandMs = std::max(answers.worstCommandMs, ms);
      if (ms > kAnswerTargetMs) ++answers.lateCommands;
    } else {
      const std::uint64_t ms = win32::AnswerTimeMs(main, kProbeBoundMs).value_or(kProbeBoundMs);
      ++answers.probes;
      answers.worstProbeMs = std::max(answers.worstProbeMs, ms);
      if (ms > kAnswerTargetMs) ++answers.lateProbes;
    }
    const ULONGLONG next = std::min<ULONGLONG>(asked + kProbeEveryMs, end);
    const ULONGLONG now = drelm::win32::TickCount64();
    if (next > now) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(next - now), QS_ALLINPUT);
    }
  }
  return answers;
}

void MeasureAwaySession(Scenario& s, std::vector<std::string>& report) {
  if (!s.Run({{Menu("cmdStartIdle"), [&] { return LinesHolding(s.aol, kTimeLine) > 0; },
               "the away bot's first status line comes after the interval",
               kIntervalMs + kWindowDeadlineMs}})) {
    return;
  }
  // The minute holds what an away session does: status lines, and a member's line to record.
  const std::size_t postedBefore = LinesHolding(s.aol, kTimeLine);
  s.aol.Command("say\tAnn\tBob, call me");
  const double away = CpuPercent(s.program, kMeasureMs, "away session", report);
  const std::size_t posted = LinesHolding(s.aol, kTimeLine) - postedBefore;
  s.Check(s.program.Running() && posted >= 2 && LinesHolding(s.aol, kRecordedLine) == 1,
          Format("the away bot posts %.0f status lines and confirms Ann's line in the minute",
                 static_cast<double>(posted)));
  s.Check(away < 0.5, Format("away session CPU %.2f %% of one core, below 0.5 %%", away));
  // The client hangs a little longer than the minute measured, which starts once it has hung.
  if (!s.Check(s.aol.Command("freeze\t61") == std::vector<std::string>{"ok"},
               "the stand-in AOL client's window thread hangs")) {
    return;
  }
  Answers a;
  const double hung = CpuPercent(s.program, kMeasureMs, "client hung", report,
                                 [&](ULONGLONG end) { a = AskUntil(s.id, end); });
  s.Check(s.program.Running() && a.probes > 0 && a.lateProbes == 0,
          Format("the main window answers %.0f WM_NULL probes within 1 s, the slowest in %.0f ms",
                 a.probes, static_cast<double>(a.worstProbeMs)));
  s.Check(a.commands > 0 && a.lateCommands <= 1 && a.worstCommandMs <= kCommandAtHangMs,
          Format("%.0f menu commands take effect, %.0f of them later than 1 s, the slowest in "
                 "%.0f ms (one bounded send when the hang begins)",
                 a.commands, a.lateCommands, static_cast<double>(a.worstCommandMs)));
  s.Check(hung < 1.0, Format("CPU with the client hung %.2f %% of one core, below 1 %%", hung));
  report.push_back(
      Format("answers while the client hung: WM_NULL slowest %.0f ms of %.0f "
             "probes; a menu command slowest %.0f ms of %.0f (target 1 s)",
             static_cast<double>(a.worstProbeMs), a.probes, static_cast<double>(a.worstCommandMs),
             a.commands));
  // The stand-in answers again once it wakes; then the session must go on posting, every line
  // whole, and no line from before the hang recorded a second time.
  const std::size_t postedAtWake = LinesHolding(s.aol, kTimeLine);
  s.Run({{{},
          [&] {
            const std::vector<std::string> lines = LinesFromUser(s.aol);
            return LinesHolding(s.aol, kTimeLine) > postedAtWake &&
                   LinesHolding(s.aol, kRecordedLine) == 1 &&
                   std::all_of(lines.begin(), lines.end(), [](const std::string& line) {
                     return line.starts_with("</u></i></b><font color=##336699>") && line.ends_with(
                                                                                         "\x8B"
                                                                                         "d\x9B");
                   });
          },
          "once the client wakes the away bot posts again, every line whole, none recorded twice",
          kIntervalMs + 15000}});
}

}  // namespace

int FiguresRun(const E2eSetup& setup) {
  std::vector<std::string> report;
  char stamp[64] = {};
  const std::time_t now = std::time(nullptr);
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M", std::localtime(&now));
  report.push_back(std::string("drelm-idle.exe measured under Wine on ") + stamp);
  // Idle CPU beside the signed-on client: the start-up ends on "idle", then nothing happens but
  // the timers. The same run goes on as the away bot.
  Scenario s(setup, "figures-idle",
             {{"settings", "handle", "bob"},
              {"settings", "afkrea", "gone"},
              {"custom settings", "idletype", "afk"},
              {"custom settings", "interval", "20"}});
  if (s.Start(6) && s.Run({{{},
                            [&] { return FindLabel(FindMainWindow(s.id), "idle") != nullptr; },
                            "its start-up ends on \"idle\"",
                            kStartUpDeadlineMs}})) {
    const double idle =
        CpuPercent(s.program, kIdleWindowMs, "idle (stand-in AOL 6 in a room)", report);
    s.Check(s.program.Running() && idle < 1.0,
            Format("idle CPU %.2f %% of one core, below 1 %%", idle));
    MeasureAwaySession(s, report);
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
  s.Check(FileSize(setup.programExe).has_value(), "the x86_64 executable's size is known");
  std::string text;
  for (const std::string& line : report) text += line + "\n";
  std::printf("%s", text.c_str());
  if (!setup.figuresFile.empty()) {
    s.Check(WriteWholeFile(setup.figuresFile, text), "the figures are written");
  }
  return s.Finish();
}

}  // namespace drelm::e2e
