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

TEST_F(ProgramTest, StartWithTheClientResetsTheLogAdvertisesAndCountsTheFifthLoadWhileTimersTick) {
  StoreReturningUser();
  Store("stats", "loads", "4");
  Store("stats", "count", "90000");
  {
    std::ofstream old(folder.path() / kLogFileName, std::ios::binary);
    old << "\r\nan entry of an earlier run\r\n";
  }
  sim.clock.SetUptimeMs((86400ULL + 2 * 3600 + 3 * 60) * 1000);
  OpenAolWithChatRoom(6);
  int ticks = 0;
  MakeProgram().frmMain.Timer2.Timer_Timer = [&] { ++ticks; };
  sim.loop.RunFor(5000);
  EXPECT_EQ(ticks, 0) << "no design timer ticks before the start";
  StartProgram();
  EXPECT_GE(ticks, 2) << "a 1.6 s timer ticks in the five seconds of pauses";

  EXPECT_THAT(LogMessages(), ElementsAre("drelm - version one loaded."));
  EXPECT_EQ(LogText().rfind("\r\n<d> |[", 0), 0u) << LogText();
  const std::vector<std::string> roomLines = RoomLines();
  ASSERT_EQ(roomLines.size(), 3u);
  EXPECT_EQ(roomLines[0],
            "</u></i></b><font color=##336699><font face=\"arial narrow\">\x8B"
            "d\x9B <font color=##999999><font face=\"arial narrow\">drelm idle [1.1] by quoSt n' "
            "vrin <font color=##336699><font face=\"arial narrow\">\x8B"
            "d\x9B");
  EXPECT_EQ(roomLines[1],
            "</u></i></b><font color=##336699><font face=\"arial narrow\">\x8B"
            "d\x9B <font face=\"arial narrow\"><font color=##999999>user: <font "
            "color=##336699>user<font color=##999999> \xB7 aol: <font color=##336699>6<font "
            "color=##999999> \xB7 loads: <font color=##336699>5 <font color=##336699><font "
            "face=\"arial narrow\">\x8B"
            "d\x9B");
  EXPECT_EQ(roomLines[2], DefaultStyled("uptime: <font color=##336699>1d 2h 3m<font "
                                        "color=##999999> \xB7 rec: <font color=##336699>1d 1h 0m"));
  EXPECT_EQ(Stored("stats", "loads"), "5");
  EXPECT_EQ(program->frmOptions.Item("cmdLoads").caption, "loads -[ 5 ]-");
  EXPECT_THAT(statusSeen, ElementsAre("loading settings", "checking for updates", "none found",
                                      "deleting log", "advertising", "idle"));
}

// Each rule and group has its table on the options window alone; here the start must apply them
// and take the interval over.
TEST_F(ProgramTest, AReturningUsersStartAppliesTheOptionsLoadsTheReasonsRecountsAndRunsTimers) {
  StoreReturningUser();
  Store("stats", "loads", "many");
  SettingsStore store(sim.registry);
  sim.registry.SetValue("settings", "continuedownloads", {kRegDword, std::string(4, '\0')});
  store.Write(setting::kDcpAolStyle, "set");
  store.Write(setting::kIdleMin, "15");
  store.Write(setting::kInterval, "120");
  {
    // As a save killed on Windows 98 leaves the list: the old file gone, the new one complete.
    std::ofstream file(folder.path() / (std::string(kReasonsFileName) + ".complete"),
                       std::ios::binary);
    file << "at lunch, back soon\r\nasleep\r\n";
  }
  StartProgram();
  EXPECT_THAT(program->frmReasons.lstRe.items, ElementsAre("at lunch, back soon", "asleep"));
  EXPECT_EQ(Stored("stats", "loads"), "1") << "a count that is no number starts again";
  FrmMain& m = program->frmMain;
  EXPECT_TRUE(m.Timer2.Enabled() && m.Timer4.Enabled());
  EXPECT_EQ((std::pair{m.Timer2.Interval(), m.Timer4.Interval()}), (std::pair{1600u, 60000u}));
  EXPECT_FALSE(m.Timer1.Enabled() || m.Timer3.Enabled());
  EXPECT_EQ(program->drelmglobals.AutoIdleCount, "0");
  FrmOptions& o = program->frmOptions;
  EXPECT_TRUE(o.Item("cmdContDown").checked) << "a value of another type reads as missing";
  EXPECT_TRUE(o.Item("cmdSetPW").checked);
  EXPECT_EQ(o.Item("cmdIdleTime").caption, "idle time -[ 0d 0h 15m ]-");
  EXPECT_TRUE(o.Item("cmdTwoMin").checked);
  EXPECT_EQ(program->drelmglobals.IdleInterval, 120);
}

}  // namespace
}  // namespace drelm::testing
