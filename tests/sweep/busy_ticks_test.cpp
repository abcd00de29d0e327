// A client that never answers makes every tick wait out its bounds. A wait around such ticks
// must still see its own deadline: a pump that went on delivering the ticks falling due while
// the previous ones waited would never hand control back.
#include <gtest/gtest.h>

#include "core/event_runtime.h"
#include "core/pause.h"
#include "platform/sim/simulator.h"

namespace drelm::testing {
namespace {

TEST(BusyTicks, AWaitSeesItsDeadlineWhileEveryTickItDeliversWaitsInTurn) {
  sim::Simulator sim;
  EventEntry entry;
  Timer first(sim.loop, entry, "first", 100, true);
  Timer second(sim.loop, entry, "second", 100, true);
  for (Timer* timer : {&first, &second}) {
    timer->Timer_Timer = [&] { Pause(sim.clock, sim.loop, 5); };
  }
  const std::uint64_t start = sim.clock.MonotonicMs();
  sim.loop.RunFor(1000);
  // At most one round of both ticks, nested, beyond the deadline.
  EXPECT_LE(sim.clock.MonotonicMs() - start, 1000u + 2 * 5500u);
}

}  // namespace
}  // namespace drelm::testing
