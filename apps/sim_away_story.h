// The away story of drelm-sim: the user sets drelm idle up as the away bot (handle, away reason,
// a ten-minute interval), starts idling and leaves for a while; members of the room address the
// user and send instant messages; the user comes back and stops idling. Every step is a menu
// choice or a prompt answer the user would give, scheduled on the simulated loop.
#pragma once

#include <string>
#include <vector>

#include "platform/sim/simulator.h"
#include "program/program.h"
#include "standin/sim/sim_standin.h"

namespace drelm::simapp {

struct StoryStep {
  double atSeconds;  // since the story began
  std::string what;
};

class AwayStory {
 public:
  AwayStory(sim::Simulator& sim, standin::SimStandIn& aol, Program& program, int awayMinutes);

  // Schedules every step from now on. Returns the virtual seconds until the user is back.
  int Schedule();
  const std::vector<StoryStep>& Steps() const { return steps_; }

 private:
  void At(double seconds, std::string what, std::function<void()> action);
  void Choose(const std::string& item);

  sim::Simulator& sim_;
  standin::SimStandIn& aol_;
  Program& program_;
  int awayMinutes_;
  std::uint64_t beganMs_ = 0;
  std::vector<StoryStep> steps_;
};

}  // namespace drelm::simapp
