// Whole programs starting up: the Windows 2000 question, first-start defaults, the options menu
// filled from the store, the start count, and the log reset and advertising with the AOL client.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "idle/idle_time_text.h"
#include "options/toggle_table.h"
#include "program_fixture.h"

namespace drelm::testing {
namespace {

using ::testing::ElementsAre;

// The Windows 2000 answer is taken in any case and picks the sending path; it is asked once.
TEST_F(ProgramTest, VeryFirstStartWithoutTheClientAsksOnceWritesDefaultsInOrderAndPostsNothing) {
  sim.user.ExpectInputBox("READ THIS PLEASE<>IT WONT BE ASKED AGAIN\rif you are using windows 2k",
                          "YES");
  StartProgram();

  ASSERT_EQ(sim.user.Seen().size(), 1u);
  EXPECT_EQ(sim.user.Seen()[0].title + sim.user.Seen()[0].defaultAnswer, "drelm idle");
  EXPECT_THAT(statusSeen, ElementsAre("new user found", "setting defaults", "loading settings"));
  EXPECT_EQ(Stored("settings", "oss"), "true");
  EXPECT_EQ(program->drelmglobals.Win2kMode, "two");
  EXPECT_EQ(Stored("stats", "loads"), "1");
  EXPECT_THAT(LogMessages(), ElementsAre("drelm idle v1 loaded for first time"));
  EXPECT_TRUE(sim.windows.Log().empty()) << "nothing may be posted without the client";
  EXPECT_TRUE(program->frmMain.visible && program->frmMain.onTop);

  // The defaults go in their order, with the log entry after the AFK maximum.
  std::vector<std::string> expected = {"settings/oss"};
  for (const SettingKey* key : FirstStartDefaults()) {
    expected.push_back(std::string(key->section) + "/" + std::string(key->key));
  }
  expected.push_back("stats/loads");
  EXPECT_EQ(registry.writes, expected);
  // The first-start entry comes between afkmax and hidestatus.
  const auto afkmax = std::find(expected.begin(), expected.end(), "settings/afkmax");
  const auto index = static_cast<std::size_t>(afkmax - expected.begin());
  EXPECT_FALSE(registry.logExisted[index]);
  EXPECT_EQ(registry.writes[index + 1], "settings/hidestatus");
  EXPECT_TRUE(registry.logExisted[index + 1]);
  EXPECT_EQ(program->drelmglobals.UserHandle, "user");
  EXPECT_EQ(program->frmOptions.Item("cmdAim").caption, "aim -[ drelm me ]-");

  // The next start does not ask again (an unexpected prompt would fail the test).
  Program second(sim.MakePlatform(folder.path()));
  second.Start();
  EXPECT_EQ(second.drelmglobals.Win2kMode, "two");
}

}  // namespace
}  // namespace drelm::testing
