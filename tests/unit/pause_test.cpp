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
