// A fresh options window on a simulated desktop, with a settings store, a status log in a
// temporary folder and a count of how often the exit sequence was asked for.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings_store.h"
#include "core/status_log.h"
#include "options/frm_options.h"
#include "platform/sim/simulator.h"
#include "support/file_text.h"
#include "support/temp_folder.h"

namespace drelm::testing {

// "a b c" as {"a", "b", "c"}: long lists of item names stay one line each.
inline std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find(' ', at), text.size());
    if (end > at) words.emplace_back(text.substr(at, end - at));
    at = end + 1;
  }
  return words;
}

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
