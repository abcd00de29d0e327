#include "away_figures_e2e.h"

#include <algorithm>
#include <string_view>

#include "figures_support.h"
#include "platform/win32/win32_answer_probe.h"
#include "program_run.h"
#include "program_windows.h"

namespace drelm::e2e {

namespace {

// A status line every 20 seconds: both minutes hold three posts into the room.
constexpr const char* kInterval = "20";
constexpr DWORD kIntervalMs = 20000;
constexpr DWORD kMeasureMs = 60000;
constexpr double kAwayCpuTargetPercent = 0.5;
constexpr double kHungCpuTargetPercent = 1.0;
// The client hangs a little longer than the minute measured, which starts once it has hung.
constexpr const char* kFreezeCommand = "freeze\t61";
constexpr DWORD kProbeEveryMs = 250;
constexpr std::uint64_t kAnswerTargetMs = 1000;
// A late answer is still waited for this long, so that the figure says how late it was.
constexpr DWORD kProbeBoundMs = 10000;
// Once the client wakes, the next status line comes within an interval, with room for a send the
// program had under way.
constexpr DWORD kRecoveryMs = kIntervalMs + 15000;
constexpr const char* kTimeLine = "drelm idle \xB7 <font color=##336699>0d 0h ";

constexpr const char* kRecordedLine = "message recorded [";
// Every line the program posts is dressed in the default style from end to end.
constexpr std::string_view kStyleOpening = "</u></i></b><font color=##336699>";
constexpr std::string_view kStyleClosing =
    "\x8B"
    "d\x9B";

// The program's lines in the room that hold part.
std::size_t LinesHolding(ChildProcess& aol, const char* part) {
  const std::vector<std::string> lines = LinesFromUser(aol);
  return static_cast<std::size_t>(std::count_if(lines.begin(), lines.end(), [&](const auto& line) {
    return line.find(part) != std::string::npos;
  }));
}
std::size_t TimeLines(ChildProcess& aol) {
  return LinesHolding(aol, kTimeLine);
}

struct Answers {
  int probes = 0;
  int late = 0;  // later than kAnswerTargetMs, or not within kProbeBoundMs
  std::uint64_t worstMs = 0;
};

// Asks window with WM_NULL every kProbeEveryMs until end.
Answers ProbeUntil(HWND window, ULONGLONG end) {
  Answers answers;
  while (GetTickCount64() < end) {
    const ULONGLONG asked = GetTickCount64();
    const std::uint64_t ms = win32::AnswerTimeMs(window, kProbeBoundMs).value_or(kProbeBoundMs);
    ++answers.probes;
    if (ms > kAnswerTargetMs) ++answers.late;
    answers.worstMs = std::max(answers.worstMs, ms);
    const ULONGLONG next = std::min<ULONGLONG>(asked + kProbeEveryMs, end);
    const ULONGLONG now = GetTickCount64();
    if (next > now) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(next - now), QS_ALLINPUT);
    }
  }
  return answers;
}

}  // namespace

bool StoreAwayBot() {
  return WriteStored("settings", "handle", "bob") && WriteStored("settings", "afkrea", "gone") &&
         WriteStored("custom settings", "idletype", "afk") &&
         WriteStored("custom settings", "interval", kInterval);
}

void MeasureAwaySession(ChildProcess& program, ChildProcess& aol, Checks& checks,
                        std::vector<std::string>& report) {
  const DWORD id = program.Id();
  RunCommand(FindOptionsWindow(id), "cmdStartIdle");
  if (!checks.Check(WaitFor([&] { return TimeLines(aol) > 0; }, kIntervalMs + kWindowDeadlineMs),
                    "the away bot's first status line comes after the interval")) {
    return;
  }

  // The minute holds what an away session does: status lines, and a member's line to record.
  const std::size_t postedBefore = TimeLines(aol);
  aol.Command("say\tAnn\tBob, call me");
  const CpuSpent away = MeasureCpu(program, kMeasureMs);
  const std::size_t posted = TimeLines(aol) - postedBefore;
  checks.Check(program.Running() && posted >= 2 && LinesHolding(aol, kRecordedLine) == 1,
               Format("the away bot posts %.0f status lines and confirms Ann's line in the "
                      "measured minute",
                      static_cast<double>(posted)));
  checks.Check(away.cpuMs >= 0 && away.Percent() < kAwayCpuTargetPercent,
               Format("away session CPU %.2f %% of one core, below %.1f %%", away.Percent(),
                      kAwayCpuTargetPercent));
  report.push_back(Format("away session CPU: %.0f ms over %.1f s = %.2f %% of one core", away.cpuMs,
                          away.wallMs / 1000.0, away.Percent()) +
                   " (away bot, a status line every 20 s; Timer1, Timer2, Timer3 and the chat "
                   "scanner running; target below 0.5 %)");

  if (!checks.Check(aol.Command(kFreezeCommand) == std::vector<std::string>{"ok"},
                    "the stand-in AOL client's window thread hangs")) {
    return;
  }
  Answers answers;
  const CpuSpent hung = MeasureCpu(
      program, kMeasureMs, [&](ULONGLONG end) { answers = ProbeUntil(FindMainWindow(id), end); });
  checks.Check(program.Running() && answers.probes > 0 && answers.late == 0,
               Format("the main window answers %.0f WM_NULL probes within 1 s, the slowest in "
                      "%.0f ms, %.0f late",
                      answers.probes, static_cast<double>(answers.worstMs), answers.late));
  checks.Check(hung.cpuMs >= 0 && hung.Percent() < kHungCpuTargetPercent,
               Format("CPU with the client hung %.2f %% of one core, below %.0f %%", hung.Percent(),
                      kHungCpuTargetPercent));
  report.push_back(
      Format("away session with the AOL client hung: %.0f ms over %.1f s = %.2f %% of one core",
             hung.cpuMs, hung.wallMs / 1000.0, hung.Percent()) +
      " (target below 1 %)");
  report.push_back(
      Format("main window's answer to WM_NULL while the client hung: slowest %.0f ms "
             "of %.0f probes, %.0f later than 1 s (target: none later)",
             static_cast<double>(answers.worstMs), answers.probes, answers.late));

  // The stand-in answers again once it wakes; then the session must go on posting.
  const std::size_t postedAtWake = TimeLines(aol);
  const ULONGLONG woke = GetTickCount64();
  const bool again = WaitFor([&] { return TimeLines(aol) > postedAtWake; }, kRecoveryMs);
  const std::vector<std::string> lines = LinesFromUser(aol);
  const bool whole = std::all_of(lines.begin(), lines.end(), [](const std::string& line) {
    return line.starts_with(kStyleOpening) && line.ends_with(kStyleClosing);
  });
  checks.Check(again && whole && LinesHolding(aol, kRecordedLine) == 1,
               "once the client wakes the away bot posts its status line again, every line it "
               "posted is whole, and no line from before the hang is recorded a second time");
  if (again) {
    report.push_back(Format("status line again %.1f s after the client woke (interval 20 s)",
                            static_cast<double>(GetTickCount64() - woke) / 1000.0));
  }
}

}  // namespace drelm::e2e
