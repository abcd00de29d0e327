#include "core/pause.h"

#include <gtest/gtest.h>

#include "platform/sim/simulator.h"

namespace drelm {
namespace {

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

TEST_F(PauseTest, LastsWithinHalfASecondOfTheAskedTime) {
  for (int ms : {0, 250, 499, 500, 501, 750, 999}) {
    StartAt(16, 5, 10, ms);
    const double took = Measure(2);
    EXPECT_GE(took, 1.5) << "start fraction " << ms;
    EXPECT_LE(took, 2.5) << "start fraction " << ms;
  }
}

TEST_F(PauseTest, RoundsTheStartToTheNearestSecond) {
  StartAt(16, 5, 10, 250);  // start rounds down to :10, so the pause ends at :12
  EXPECT_DOUBLE_EQ(Measure(2), 1.75);
  StartAt(16, 5, 10, 750);  // start rounds up to :11
  EXPECT_DOUBLE_EQ(Measure(2), 2.25);
}

TEST_F(PauseTest, CrossingMidnightDoesNotStallTheWait) {
  StartAt(23, 59, 59, 0);
  EXPECT_DOUBLE_EQ(Measure(3), 3.0);
  EXPECT_EQ(sim.clock.Now().day, 6);
}

TEST_F(PauseTest, TimersKeepRunningDuringThePause) {
  int ticks = 0;
  sim.loop.AddTimer(100, [&] { ++ticks; });
  StartAt(10, 0, 0, 0);
  Measure(1);
  EXPECT_EQ(ticks, 10);
}

TEST_F(PauseTest, EndsAtOnceWhenTheProgramIsEnding) {
  StartAt(10, 0, 0, 0);
  sim.loop.ScheduleOnce(300, [&] { sim.loop.RequestQuit(0); });
  EXPECT_DOUBLE_EQ(Measure(60), 0.3);
}

TEST_F(PauseTest, ZeroSecondsOnlyWaitsOutTheRoundedUpStart) {
  StartAt(10, 0, 0, 0);
  EXPECT_DOUBLE_EQ(Measure(0), 0.0);
  StartAt(10, 0, 0, 600);
  EXPECT_DOUBLE_EQ(Measure(0), 0.4);
}

}  // namespace
}  // namespace drelm
