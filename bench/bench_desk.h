// A program beside the stand-in AOL client on a simulated desktop, for the benchmarks: a
// returning user signed on in a chat room, the settings given written to the store before the
// program starts. The same pieces the behaviour tests use, without GoogleTest.
#pragma once

#include <functional>
#include <memory>

#include "core/settings_catalogue.h"
#include "core/settings_store.h"
#include "platform/sim/simulator.h"
#include "program/program.h"
#include "standin/sim/sim_standin.h"
#include "support/temp_folder.h"

namespace drelm::bench {

struct Desk {
  Desk(standin::StandInOptions options, const std::function<void(SettingsStore&)>& settings = {}) {
    SettingsStore store(sim.registry);
    for (const SettingKey* key : FirstStartDefaults()) store.Write(*key, *key->firstStart);
    store.Write(setting::kOss, "false");
    if (settings) settings(store);
    aol = std::make_unique<standin::SimStandIn>(sim, std::move(options));
    aol->StartSignedOn("Lobby 12");
    program = std::make_unique<Program>(sim.MakePlatform(folder.path()));
    program->Start();
  }

  testing::TempFolder folder;
  sim::Simulator sim;
  std::unique_ptr<standin::SimStandIn> aol;
  std::unique_ptr<Program> program;
};

}  // namespace drelm::bench
