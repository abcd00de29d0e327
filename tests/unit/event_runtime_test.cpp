#include "core/event_runtime.h"

#include <gtest/gtest.h>

#include <algorithm>

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

}  // namespace
}  // namespace drelm
