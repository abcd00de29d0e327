#include "away_figures_e2e.h"

#include <algorithm>
#include <string_view>

#include "figures_support.h"
#include "platform/win32/win32_answer_probe.h"
#include "platform/win32/win32_window_system.h"
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
constexpr DWORD kCommandEveryMs = 5000;
constexpr std::uint64_t kAnswerTargetMs = 1000;
// A posted command waits for what the program is doing: when the hang begins that is one send
// to the client, which gives up after win32::kCrossProcessSendMs. Once, not on every send.
constexpr std::uint64_t kCommandAtHangMs = win32::kCrossProcessSendMs + kAnswerTargetMs;
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

// How fast the program answers while the client hangs: WM_NULL, a message sent to its window,
// and a menu command posted as a click on it would be, which waits for the program's own loop.
struct Answers {
  int probes = 0;
  int commands = 0;
  int lateProbes = 0;  // later than kAnswerTargetMs, or not within kProbeBoundMs
  int lateCommands = 0;
  std::uint64_t worstProbeMs = 0;
  std::uint64_t worstCommandMs = 0;
};

// "auto idle" switched by its menu command, until its stored value shows the change.
std::uint64_t CommandAnswerMs(HWND options) {
  const std::string before = StoredText("custom settings", "auto idle");
  const ULONGLONG asked = drelm::win32::TickCount64();
  RunCommand(options, "cmdAutoIdle");
  WaitFor([&] { return StoredText("custom settings", "auto idle") != before; }, kProbeBoundMs);
  return drelm::win32::TickCount64() - asked;
}

// Asks main with WM_NULL every kProbeEveryMs and switches "auto idle" every kCommandEveryMs,
// until end.
Answers AskUntil(DWORD processId, ULONGLONG end) {
  Answers answers;
  const HWND main = FindMainWindow(processId);
  const HWND options = FindOptionsWindow(processId);
  ULONGLONG nextCommand = drelm::win32::TickCount64() + kCommandEveryMs;
  while (drelm::win32::TickCount64() < end) {
    const ULONGLONG asked = drelm::win32::TickCount64();
    std::uint64_t ms = 0;
    if (asked >= nextCommand) {
      nextCommand = asked + kCommandEveryMs;
      ms = CommandAnswerMs(options);
      ++answers.commands;
      answers.worstCommandMs = std::max(answers.worstCommandMs, ms);
      if (ms > kAnswerTargetMs) ++answers.lateCommands;
    } else {
      ms = win32::AnswerTimeMs(main, kProbeBoundMs).value_or(kProbeBoundMs);
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
  const CpuSpent hung =
      MeasureCpu(program, kMeasureMs, [&](ULONGLONG end) { answers = AskUntil(id, end); });
  checks.Check(program.Running() && answers.probes > 0 && answers.lateProbes == 0,
               Format("the main window answers %.0f WM_NULL probes within 1 s, the slowest in "
                      "%.0f ms",
                      answers.probes, static_cast<double>(answers.worstProbeMs)));
  checks.Check(
      answers.commands > 0 && answers.lateCommands <= 1 &&
          answers.worstCommandMs <= kCommandAtHangMs,
      Format("%.0f menu commands take effect, %.0f of them later than 1 s, the slowest in "
             "%.0f ms (one bounded send when the hang begins)",
             answers.commands, answers.lateCommands, static_cast<double>(answers.worstCommandMs)));
  checks.Check(hung.cpuMs >= 0 && hung.Percent() < kHungCpuTargetPercent,
               Format("CPU with the client hung %.2f %% of one core, below %.0f %%", hung.Percent(),
                      kHungCpuTargetPercent));
  report.push_back(
      Format("away session with the AOL client hung: %.0f ms over %.1f s = %.2f %% of one core",
             hung.cpuMs, hung.wallMs / 1000.0, hung.Percent()) +
      " (target below 1 %)");
  report.push_back(
      Format("answers while the client hung: WM_NULL to the main window slowest %.0f ms of %.0f "
             "probes, %.0f later than 1 s (target: none);",
             static_cast<double>(answers.worstProbeMs), answers.probes, answers.lateProbes) +
      Format(" a menu command (auto idle) slowest %.0f ms of %.0f, %.0f later than 1 s (the "
             "send under way when the hang began gives up after 5 s)",
             static_cast<double>(answers.worstCommandMs), answers.commands, answers.lateCommands));

  // The stand-in answers again once it wakes; then the session must go on posting.
  const std::size_t postedAtWake = TimeLines(aol);
  const ULONGLONG woke = drelm::win32::TickCount64();
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
                            static_cast<double>(drelm::win32::TickCount64() - woke) / 1000.0));
  }
}

}  // namespace drelm::e2e
