// A simulated desktop with one stand-in AOL client, for the tests of the stand-in itself; they
// find and press its windows with the program's own primitives.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "aol/client_windows.h"
#include "aol/control_text.h"
#include "aol/keywords.h"
#include "aol/pressing.h"
#include "aol/window_lookup.h"
#include "platform/sim/simulator.h"
#include "platform/winuser_constants.h"
#include "standin/sim/sim_standin.h"

namespace drelm::standin::testing {

inline StandInOptions Version(int version) {
  StandInOptions options;
  options.version = version;
  options.screenName = "Bob Smith";
  options.delays = Delays::Immediate();
  return options;
}

class StandInTest {
 public:
  explicit StandInTest(StandInOptions options) : aol(sim, std::move(options)) {}

  sim::SimWindowSystem& Windows() { return sim.windows; }
  void Pump(std::uint64_t ms = 0) { sim.loop.RunFor(ms); }
  // The common press: a posted click, then a posted button-down and space key-up.
  void Press(Hwnd icon) {
    ClickMouse(sim.windows, icon);
    PressIconPosted(sim.windows, sim.loop, icon);
    Pump();
  }

  sim::Simulator sim;
  SimStandIn aol;
};

}  // namespace drelm::standin::testing
