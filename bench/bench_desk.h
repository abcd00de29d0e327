// A program beside the stand-in AOL client on a simulated desktop, for the benchmarks: a
// returning user signed on in a chat room, the settings given before the start written to the
// store, and the program started. The same pieces the behaviour tests use, without GoogleTest.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/settings_store.h"
#include "platform/sim/simulator.h"
#include "program/program.h"
#include "standin/sim/sim_standin.h"
#include "support/temp_folder.h"

namespace drelm::bench {

class Desk {
 public:
  // settings runs on the store of a returning user before the program starts.
  Desk(standin::StandInOptions options, const std::function<void(SettingsStore&)>& settings = {});

  void Check(std::string_view item, bool checked) {
    program->frmOptions.Item(item).checked = checked;
  }
  void Choose(std::string_view item) {
    program->entry.Run([&] { program->frmOptions.Click(item); });
  }
  // The lines the user's program posted into the room.
  std::vector<std::string> UserLines() const;

  testing::TempFolder folder;
  sim::Simulator sim;
  std::unique_ptr<standin::SimStandIn> aol;
  std::unique_ptr<Program> program;
};

}  // namespace drelm::bench
