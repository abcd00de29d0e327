// One program beside one misbehaving AOL client, for the command sweep: the simulated desktop,
// the stand-in (or none), windows of another program that look like AOL's, the client's
// misbehaviour armed for the length of one command or tick, and what each one took and broke.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "platform/sim/simulator.h"
#include "program/program.h"
#include "standin/sim/sim_standin.h"
#include "support/temp_folder.h"

namespace drelm::testing {

enum class ClientCondition {
  kAbsent,       // no AOL client at all
  kHung,         // its windows are there, nothing in them reacts
  kVanishing,    // one of its windows (or all) goes at a seed-chosen moment of each command
  kSurpriseBox,  // an "America Online" box comes up at a seed-chosen moment of each command
};

enum class PromptAnswers { kCancel, kPlain };

struct SweepRun {
  ClientCondition client = ClientCondition::kAbsent;
  PromptAnswers answers = PromptAnswers::kCancel;
  unsigned seed = 0;
  int version = 6;
  bool slowClient = false;  // the stand-in's dial-up delays instead of immediate windows
  int passes = 2;           // through the whole menu; a later pass runs with the options set
};

class SweepDesktop {
 public:
  explicit SweepDesktop(SweepRun run);
  ~SweepDesktop();

  Program& program() { return *program_; }
  // Chooses the item by its command id, as the menu or a script does; false when the menu would
  // not let the user choose it now.
  bool RunCommand(const MenuItem& item);
  // One tick of a timer of the program, as its loop would run it.
  void RunTick(Timer& timer);
  // Lets virtual time pass with the client misbehaving, so the timers tick on their own.
  void RunFor(std::uint32_t ms);

  // What went wrong since the last call: presses outside the client, windows of ours left
  // half-open, each naming the command or tick that did it.
  std::vector<std::string> TakeProblems();
  bool HasProblems() const {
    return !problems_.empty() || sim_.user.Failures().size() > failuresSeen_;
  }
  // The longest own virtual time (nested ticks not counted) of each command and tick by name.
  const std::map<std::string, std::uint64_t>& Longest() const { return longest_; }
  // How often the client misbehaved in the middle of a command or tick.
  int Misbehaviours() const { return misbehaviours_; }

 private:
  void Measure(const std::string& name, const std::function<void()>& body);
  void Armed(const std::string& name, const std::function<void()>& body);
  void BeforeMessage(Hwnd window);
  void Misbehave(Hwnd window);
  void ReviveClient();
  void CheckPresses(const std::string& name, std::size_t logMark);
  void CheckWindows(const std::string& name);
  void CheckRecords(const std::string& name);

  SweepRun run_;
  std::mt19937 random_;
  TempFolder folder_;
  sim::Simulator sim_;
  std::unique_ptr<standin::SimStandIn> aol_;
  std::unique_ptr<Program> program_;
  ProcessId strangerPid_ = 0;
  std::set<ProcessId> clientPids_;
  // The misbehaviour of the command in progress: after this many messages to the client.
  bool armed_ = false;
  int messagesToGo_ = 0;
  Hwnd surpriseBox_ = 0;
  std::vector<std::uint64_t> nestedMs_;
  std::map<std::string, std::uint64_t> longest_;
  std::vector<std::string> problems_;
  std::size_t failuresSeen_ = 0;
  int misbehaviours_ = 0;
};

}  // namespace drelm::testing
