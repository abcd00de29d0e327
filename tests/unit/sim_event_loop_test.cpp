#include "platform/sim/sim_event_loop.h"

#include <gtest/gtest.h>

#include "core/pause.h"
#include "platform/sim/simulator.h"

namespace drelm {
namespace {

class SimLoop : public ::testing::Test {
 protected:
  sim::Simulator sim;
  std::uint64_t Now() { return sim.clock.MonotonicMs(); }
};

TEST_F(SimLoop, WaitJumpsToTheNextDueTimerOrItsDeadlineAndPostedMessagesComeFirst) {
  std::vector<std::string> order;
  const TimerId timer = sim.loop.AddTimer(60000, [&] { order.push_back("timer"); });
  const Hwnd w = sim.windows.CreateWindow("X", "", 0, [&](Hwnd, const sim::SimMessage&) {
    order.push_back("posted");
    return std::optional<LResult>(0);
  });
  const auto start = Now();
  sim.loop.WaitForEvents(start + 3'600'000);
  EXPECT_EQ(Now() - start, 60000u);
  sim.clock.Advance(3 * 60000);  // ticks missed meanwhile collapse into one
  sim.windows.PostMessage(w, 0x400, 0, 0);
  sim.loop.PumpPending();
  EXPECT_EQ(order, (std::vector<std::string>{"timer", "posted", "timer"}));
  sim.loop.RunFor(5 * 60000);
  EXPECT_EQ(order.size(), 8u);
  // Without anything to wake it, a wait ends at its deadline; one that could never end throws.
  sim.loop.RemoveTimer(timer);
  const auto idle = Now();
  sim.loop.WaitForEvents(idle + 250);
  EXPECT_EQ(Now() - idle, 250u);
  EXPECT_THROW(sim.loop.WaitForEvents(UINT64_MAX), sim::WaitWithoutEnd);
}

TEST_F(SimLoop, ATimerNeverReentersItsOwnHandlerAndMayRemoveItself) {
  int entered = 0, depth = 0, maxDepth = 0, once = 0;
  sim.loop.AddTimer(300, [] {});
  sim.loop.AddTimer(1000, [&] {
    ++entered;
    maxDepth = std::max(maxDepth, ++depth);
    if (entered == 1) Pause(sim.clock, sim.loop, 5);  // spans several of its own ticks
    --depth;
  });
  TimerId id = 0;
  id = sim.loop.AddTimer(100, [&] {
    ++once;
    sim.loop.RemoveTimer(id);
  });
  sim.loop.RunFor(8000);
  EXPECT_EQ(maxDepth, 1);
  EXPECT_GE(entered, 3);
  EXPECT_EQ(once, 1);
  EXPECT_EQ(sim.loop.TimerCount(), 2u);
}

TEST_F(SimLoop, RunUntilTellsWhetherTheConditionCameInTimeAndEndlessPostingIsStopped) {
  bool ready = false;
  sim.loop.ScheduleOnce(1500, [&] { ready = true; });
  EXPECT_FALSE(sim.loop.RunUntil([&] { return ready; }, 1000));
  EXPECT_TRUE(sim.loop.RunUntil([&] { return ready; }, 1000));
  Hwnd w = 0;
  w = sim.windows.CreateWindow("X", "", 0, [&](Hwnd, const sim::SimMessage&) {
    sim.windows.PostMessage(w, 0x400, 0, 0);
    return std::optional<LResult>(0);
  });
  sim.windows.PostMessage(w, 0x400, 0, 0);
  EXPECT_THROW(sim.loop.PumpPending(), std::logic_error);
}

TEST(VirtualClock, DateAndTimeOfDayMoveOnAcrossMidnightAndMonthEnds) {
  sim::VirtualClock clock;
  clock.SetNow(LocalDateTime{2000, 2, 28, 23, 59, 59, 500});
  clock.Advance(1000);
  EXPECT_EQ(clock.Now(), (LocalDateTime{2000, 2, 29, 0, 0, 0, 500}));
  EXPECT_DOUBLE_EQ(clock.SecondsSinceMidnight(), 0.5);
  clock.SetNow(LocalDateTime{2001, 12, 31, 23, 0, 0, 0});
  clock.Advance(3'600'000);
  EXPECT_EQ(clock.Now(), (LocalDateTime{2002, 1, 1, 0, 0, 0, 0}));
  clock.SetUptimeMs(5'000'000'000ULL);
  clock.Advance(1);
  EXPECT_EQ(clock.UptimeMs(), 5'000'000'001ULL) << "uptime is 64-bit, past GetTickCount's wrap";
}

}  // namespace
}  // namespace drelm
