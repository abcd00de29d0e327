// The pieces a feature plugs into: the menu's actions by name and by command id, timer ticks in
// build order, and what the end of the program stops.
#include "core/wiring.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "core/status_log.h"
#include "platform/sim/simulator.h"
#include "program/startup_step.h"
#include "support/file_text.h"
#include "support/temp_folder.h"

namespace drelm {
namespace {

std::vector<MenuItem> SmallTree() {
  MenuItem stop{"cmdStopIdle", "stop idle", false, false, true, 1002, {}, {}};
  MenuItem start{"cmdStartIdle", "start idle", false, true, true, 1001, {}, {}};
  MenuItem hidden{"cmdHidden", "hidden", false, true, true, 1004, {}, {}};
  MenuItem sub{"mnuSub", "sub", false, true, true, 1003, {}, {hidden}};
  return {MenuItem{"mnuOptions", "options", false, true, true, 1000, {}, {start, stop, sub}}};
}

class FeatureWiringTest : public ::testing::Test {
 protected:
  sim::Simulator sim;
  EventEntry entry;
  MenuModel menu{SmallTree()};
  Wiring wiring{menu};
  std::vector<std::string> ran;
};

TEST_F(FeatureWiringTest, ACommandIdRunsOnlyWhatTheMenuWouldLetTheUserChoose) {
  for (const char* item : {"cmdStartIdle", "cmdStopIdle", "cmdHidden"}) {
    wiring.OnMenu(item, [this, item] { ran.push_back(item); });
  }
  EXPECT_TRUE(menu.Click(MenuCommandId{1001}));
  EXPECT_FALSE(menu.Click(MenuCommandId{1002})) << "disabled";
  menu.Item("mnuSub").enabled = false;
  EXPECT_FALSE(menu.Click(MenuCommandId{1004})) << "enabled, but under a disabled submenu";
  menu.Item("mnuSub").enabled = true;
  menu.Item("mnuSub").visible = false;
  EXPECT_FALSE(menu.Click(MenuCommandId{1004})) << "under a hidden submenu";
  menu.Item("mnuSub").visible = true;
  EXPECT_TRUE(menu.Click(MenuCommandId{1004}));
  EXPECT_FALSE(menu.Click(MenuCommandId{64999}));
  // The program itself may still run a disabled item's action by name.
  EXPECT_TRUE(menu.Click(std::string_view("cmdStopIdle")));
  EXPECT_EQ(ran, (std::vector<std::string>{"cmdStartIdle", "cmdHidden", "cmdStopIdle"}));
  EXPECT_THROW(wiring.OnMenu("cmdStratIdle", [] {}), std::out_of_range) << "a typo fails at once";
}

TEST_F(FeatureWiringTest, TicksRunInWiringOrderAndTheEndStopsEverythingRegistered) {
  Timer timer(sim.loop, entry, "Timer2", 100, true);
  Timer own(sim.loop, entry, "own", 100, true);
  Form form("frmOwn");
  form.loaded = true;
  form.Show();
  wiring.OnTick(timer, [this] { ran.push_back("transfer status"); });
  wiring.OnTick(timer, [this] { ran.push_back("dialog killers"); });
  wiring.Owns(own);
  wiring.Owns(form);
  sim.loop.RunFor(100);
  EXPECT_EQ(ran, (std::vector<std::string>{"transfer status", "dialog killers"}));

  wiring.StopAll();
  EXPECT_FALSE(timer.Enabled());
  EXPECT_FALSE(own.Enabled());
  EXPECT_FALSE(form.visible);
  EXPECT_FALSE(form.loaded);
  sim.loop.RunFor(1000);
  EXPECT_EQ(ran.size(), 2u);
}

TEST(StartUpStep, AFailingStepIsLoggedWithWhatWasGivenUpAndTheEndStillStopsAll) {
  testing::TempFolder folder;
  sim::Simulator sim;
  StatusLog log(sim.clock, sim.files, folder.path());
  StartUpStep(log, "the reasons list", [] { throw std::runtime_error("unreadable"); });
  StartUpStep(log, "the title", [] {});
  const std::string text = testing::FileText(log.Path());
  EXPECT_NE(text.find("start-up skipped the reasons list: unreadable"), std::string::npos) << text;
  EXPECT_EQ(text.find("the title"), std::string::npos);
  EXPECT_THROW(StartUpStep(log, "the end", [] { throw ProgramEnded{}; }), ProgramEnded);
}

}  // namespace
}  // namespace drelm
