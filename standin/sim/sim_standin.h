// A stand-in AOL client living in a simulated desktop: its windows are simulated windows, its
// delays run on the simulated loop, and starting its program path through the simulated shell
// starts it (as the program does after a disconnect).
#pragma once

#include <string>
#include <vector>

#include "platform/sim/simulator.h"
#include "standin/sim/sim_host.h"
#include "standin/standin.h"

namespace drelm::standin {

namespace detail {
struct SimHostHolder {
  explicit SimHostHolder(sim::Simulator& simulator) : host(simulator) {}
  SimHost host;
};
}  // namespace detail

class SimStandIn : private detail::SimHostHolder, public StandIn {
 public:
  SimStandIn(sim::Simulator& simulator, StandInOptions options);

  SimHost& Host() { return host; }
  // Stray input the model noticed, a toolbar menu left open, then input the program sent to
  // handle 0 or to a window of the client that was already gone.
  std::vector<std::string> UnexpectedInput() const;
};

}  // namespace drelm::standin
