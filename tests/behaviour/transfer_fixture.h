// The transfer reader and the dialog killers over a simulated desktop with the stand-in AOL
// client, without a whole program: the values, the store, the log and the two check marks they
// read are the fixture's own.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "aol/transfer_reader.h"
#include "core/status_log.h"
#include "platform/sim/simulator.h"
#include "standin/sim/sim_standin.h"
#include "standin/transfers.h"
#include "support/file_text.h"
#include "support/temp_folder.h"

namespace drelm::testing {

class TransferTest : public ::testing::Test {
 protected:
  void TearDown() override {
    if (aol) {
      EXPECT_TRUE(aol->UnexpectedInput().empty())
          << ::testing::PrintToString(aol->UnexpectedInput());
    }
  }

  standin::SimStandIn& OpenAol(int version) {
    standin::StandInOptions options;
    options.version = version;
    options.delays = standin::Delays::Immediate();
    aol = std::make_unique<standin::SimStandIn>(sim, options);
    aol->StartSignedOn("Lobby 12");
    return *aol;
  }

  std::string LogText() const { return FileText(log.Path()); }

  sim::Simulator sim;
  TempFolder folder;
  SettingsStore store{sim.registry};
  StatusLog log{sim.clock, sim.files, folder.path()};
  DrelmGlobals values;
  bool shortenChecked = false;
  TransferReader reader{TransferReaderContext{sim.windows, sim.loop, store, values,
                                              [this] { return shortenChecked; }}};
  std::unique_ptr<standin::SimStandIn> aol;
};

}  // namespace drelm::testing
