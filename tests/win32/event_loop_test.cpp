// The real message loop: a pause blocks instead of spinning and keeps timers running, a timer
// never re-enters its own handler, quitting unwinds a wait, and a handler's exception comes out
// of the pump instead of unwinding through user32. (A wait that returns over and over shows as
// the idle program's CPU in drelm_e2e_figures.)
#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>

#include "core/pause.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_event_loop.h"
#include "platform/win32/win32_tick.h"

namespace drelm::contract {
namespace {

std::uint64_t ProcessCpuMs() {
  FILETIME created{}, exited{}, kernel{}, user{};
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  const auto ms = [](const FILETIME& t) {
    return ((static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000;
  };
  return ms(kernel) + ms(user);
}

TEST(Win32EventLoop, PauseOfTwoSecondsLastsAboutTwoAndBurnsNoCpu) {
  win32::Win32Clock clock;
  win32::Win32EventLoop loop;
  int ticks = 0;
  loop.AddTimer(100, [&] { ++ticks; });
  const std::uint64_t cpuBefore = ProcessCpuMs();
  const std::uint64_t start = drelm::win32::TickCount64();
  Pause(clock, loop, 2);
  const std::uint64_t elapsed = drelm::win32::TickCount64() - start;
  const std::uint64_t cpu = ProcessCpuMs() - cpuBefore;
  std::printf("Pause(2): %llu ms wall, %llu ms CPU, %d timer ticks\n",
              static_cast<unsigned long long>(elapsed), static_cast<unsigned long long>(cpu),
              ticks);
  // Between 1.5 and 2.5 s by the rounding of the start, plus a little for the wake-up itself.
  constexpr std::uint64_t kWakeSlackMs = 50;
  EXPECT_GE(elapsed, 1500u);
  EXPECT_LE(elapsed, 2500u + kWakeSlackMs);
  EXPECT_LT(cpu * 10, elapsed) << "the wait spins instead of blocking";
  EXPECT_GE(ticks, 10) << "timers must keep running during a pause";
}

TEST(Win32EventLoop, TimerIsNotReenteredWhileItsHandlerWaitsButOthersRun) {
  win32::Win32EventLoop loop;
  int depth = 0;
  int reentries = 0;
  int slowRuns = 0;
  int fastTicks = 0;
  int fastTicksDuringSlow = 0;
  loop.AddTimer(20, [&] {
    if (depth > 0) ++reentries;
    ++depth;
    ++slowRuns;
    const int fastBefore = fastTicks;
    const std::uint64_t until = drelm::win32::TickCount64() + 300;
    while (drelm::win32::TickCount64() < until) loop.WaitForEvents(until);
    fastTicksDuringSlow += fastTicks - fastBefore;
    --depth;
  });
  loop.AddTimer(20, [&] { ++fastTicks; });
  const std::uint64_t deadline = drelm::win32::TickCount64() + 3000;
  while (slowRuns < 3 && drelm::win32::TickCount64() < deadline) loop.WaitForEvents(deadline);
  EXPECT_GE(slowRuns, 3);
  EXPECT_EQ(reentries, 0);
  EXPECT_GT(loop.SkippedTicks(), 0u) << "ticks of the busy timer should have been dropped";
  EXPECT_GT(fastTicksDuringSlow, 0) << "another timer must run inside the nested wait";
}

TEST(Win32EventLoop, QuitRequestedByATimerOrPostedEndsAPauseEarlyWithItsCode) {
  {
    win32::Win32Clock clock;
    win32::Win32EventLoop loop;
    loop.AddTimer(200, [&] { loop.RequestQuit(3); });
    const std::uint64_t start = drelm::win32::TickCount64();
    Pause(clock, loop, 5);
    EXPECT_LT(drelm::win32::TickCount64() - start, 1500u);
    EXPECT_TRUE(loop.QuitRequested());
    EXPECT_EQ(loop.ExitCode(), 3);
  }
  win32::Win32EventLoop other;
  PostQuitMessage(7);
  other.PumpPending();
  EXPECT_TRUE(other.QuitRequested());
  EXPECT_EQ(other.ExitCode(), 7) << "a posted quit message ends the loop with its code";
}

TEST(Win32EventLoop, HandlerExceptionLeavesThePumpAndTheTimerTicksAgain) {
  win32::Win32EventLoop loop;
  int runs = 0;
  loop.AddTimer(20, [&] {
    if (++runs == 1) throw std::runtime_error("handler failed");
  });
  const std::uint64_t deadline = drelm::win32::TickCount64() + 2000;
  bool thrown = false;
  while (!thrown && drelm::win32::TickCount64() < deadline) {
    try {
      loop.WaitForEvents(deadline);
    } catch (const std::runtime_error& error) {
      thrown = std::string(error.what()) == "handler failed";
    }
  }
  EXPECT_TRUE(thrown);
  while (runs < 2 && drelm::win32::TickCount64() < deadline) loop.WaitForEvents(deadline);
  EXPECT_GE(runs, 2) << "the timer must not stay marked as running after a throw";
}

TEST(Win32EventLoop, TimerRemovedByItsOwnHandlerNeverTicksAgain) {
  win32::Win32EventLoop loop;
  int runs = 0;
  TimerId id = 0;
  id = loop.AddTimer(10, [&] {
    ++runs;
    loop.RemoveTimer(id);
  });
  const std::uint64_t deadline = drelm::win32::TickCount64() + 300;
  while (drelm::win32::TickCount64() < deadline) loop.WaitForEvents(deadline);
  EXPECT_EQ(runs, 1);
}

}  // namespace
}  // namespace drelm::contract
