// A fresh options window on a simulated desktop, with a settings store, a status log in a
// temporary folder and a count of how often the exit sequence was asked for.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/settings_store.h"
#include "core/status_log.h"
#include "options/frm_options.h"
#include "platform/sim/simulator.h"
#include "support/file_text.h"
#include "support/temp_folder.h"

namespace drelm::testing {

class OptionsTest : public ::testing::Test {
 protected:
  void TearDown() override {
    EXPECT_EQ(sim.user.PendingExpectations(), 0u) << "a scripted prompt never came";
    EXPECT_TRUE(sim.user.Failures().empty());
  }

  // The messages of the status log's entries, in order, without their date and time stamps.
  std::vector<std::string> LogMessages() const { return LogEntryMessages(log.Path()); }

  TempFolder folder;
  sim::Simulator sim;
  Platform platform = sim.MakePlatform(folder.path());
  SettingsStore settings{sim.registry};
  StatusLog log{sim.clock, sim.files, folder.path()};
  int exits = 0;
  FrmOptions options{OptionsContext{platform, settings, log, [this] { ++exits; }}};
};

}  // namespace drelm::testing
