// Timers that must not nest, the program's end unwinding handlers, and pauses on the clock.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/event_runtime.h"
#include "core/pause.h"
#include "platform/sim/simulator.h"

namespace drelm {
namespace {

// A handler that re-arms its own timer (disable then enable, or a new interval) and then waits
// gets a fresh loop timer; its ticks during the wait must still not nest the handler.
TEST(TimerTest, ATickDueWhileItsHandlerStillWaitsIsSkippedNotNested) {
  for (bool viaInterval : {false, true}) {
    sim::Simulator sim;
    EventEntry entry;
    Timer slow(sim.loop, entry, "slow", 100, true);
    Timer other(sim.loop, entry, "other", 100, true);
    int depth = 0, deepest = 0, slowTicks = 0, otherTicks = 0;
    slow.Timer_Timer = [&] {
      ++slowTicks;
      deepest = std::max(deepest, ++depth);
      if (viaInterval) {
        slow.SetInterval(100);
      } else {
        slow.SetEnabled(false);
        slow.SetEnabled(true);
      }
      Pause(sim.clock, sim.loop, 1);
      --depth;
    };
    other.Timer_Timer = [&] { ++otherTicks; };
    sim.loop.RunFor(2500);
    EXPECT_EQ(deepest, 1) << "via interval " << viaInterval;
    EXPECT_GE(slowTicks, 2) << "the timer must tick again once its handler is done";
    EXPECT_GE(otherTicks, 20) << "other timers keep running inside the wait";
  }
}

TEST(TimerTest, ANewIntervalReplacesTheOldAndTheProgramsEndUnwindsEveryNestedHandler) {
  sim::Simulator sim;
  EventEntry entry;
  Timer timer(sim.loop, entry, "t", 100, true);
  int ticks = 0;
  timer.Timer_Timer = [&] {
    if (++ticks == 1) throw ProgramEnded{};
  };
  sim.loop.RunFor(250);
  EXPECT_EQ(ticks, 2) << "a handler ended by the program's end ticks again later";
  timer.SetInterval(200);
  sim.loop.RunFor(1000);
  EXPECT_EQ(ticks, 7);

  bool outerWentOn = false;
  entry.Run([&] {
    entry.Run([] { throw ProgramEnded{}; });
    outerWentOn = true;
  });
  EXPECT_FALSE(outerWentOn);
}

class PauseTest : public ::testing::Test {
 protected:
  sim::Simulator sim;
  void StartAt(int hour, int minute, int second, int ms) {
    sim.clock.SetNow(LocalDateTime{2001, 12, 5, hour, minute, second, ms});
  }
  double Measure(int seconds) {
    const auto start = sim.clock.MonotonicMs();
    Pause(sim.clock, sim.loop, seconds);
    return (sim.clock.MonotonicMs() - start) / 1000.0;
  }
};

TEST_F(PauseTest, RoundsTheStartToTheNearestSecondAndCrossesMidnight) {
  const struct {
    int hour, minute, second, ms, seconds;
    double took;
  } kCases[] = {
      {16, 5, 10, 250, 2, 1.75},  // the start rounds down to :10, so the pause ends at :12
      {16, 5, 10, 750, 2, 2.25},  // the start rounds up to :11
      {10, 0, 0, 0, 0, 0.0},      // zero seconds only waits out a rounded-up start
      {10, 0, 0, 600, 0, 0.4},
      {23, 59, 59, 0, 3, 3.0},  // crossing midnight does not stall the wait
  };
  for (const auto& c : kCases) {
    StartAt(c.hour, c.minute, c.second, c.ms);
    EXPECT_DOUBLE_EQ(Measure(c.seconds), c.took) << c.hour << ":" << c.minute << "." << c.ms;
  }
  EXPECT_EQ(sim.clock.Now().day, 6);
}

TEST_F(PauseTest, EndsAtOnceWhenTheProgramIsEnding) {
  sim.loop.ScheduleOnce(300, [&] { sim.loop.RequestQuit(0); });
  EXPECT_DOUBLE_EQ(Measure(60), 0.3);
}

}  // namespace
}  // namespace drelm
