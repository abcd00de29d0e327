// The statistics and advertising commands in a running program: brag stats, clear stats through
// its Yes/No box, advertise, the transfer report on demand and the reasons window's "[total]".
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/product_site.h"
#include "program_fixture.h"

namespace drelm::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class StatsCommandsTest : public ProgramTest {
 protected:
  void SetUp() override {
    std::ofstream(folder.path() / kClickSoundFileName, std::ios::binary) << "RIFF";
    StoreReturningUser();
  }
  void StartBesideTheClient() {
    OpenAolWithChatRoom(6);
    StartProgram();
    ForgetRoomLines();
    logMark = LogMessages().size();
  }
  std::vector<std::string> NewLogMessages() {
    std::vector<std::string> all = LogMessages();
    return {all.begin() + static_cast<std::ptrdiff_t>(logMark), all.end()};
  }
  std::size_t Sounds() const { return sim.shell.Sounds().size(); }

  std::size_t logMark = 0;
};

TEST_F(StatsCommandsTest, BragStatsPostsTheAdvertThenLoadsIdleTimeAndUptimesASecondApart) {
  StartBesideTheClient();
  Store("stats", "loads", "11");
  Store("stats", "count", "90000");
  Store("idler", "days", "0");
  Store("idler", "hours", "2");
  Store("idler", "min", "15");
  sim.clock.SetUptimeMs((2 * 86400ULL + 3600 + 4 * 60) * 1000);
  const std::size_t sounds = Sounds();
  const std::uint64_t startedMs = sim.clock.MonotonicMs();

  program->frmOptions.Click("cmdBragStats");

  const std::vector<std::string> lines = RoomLines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_NE(lines[0].find("drelm idle [1.1] by quoSt n' vrin"), std::string::npos);
  EXPECT_EQ(lines[1],
            DefaultStyled("user: <font color=##336699>user<font color=##999999> \xB7 aol: "
                          "<font color=##336699>6<font color=##999999> \xB7 loads: <font "
                          "color=##336699>12<font color=##999999> brag:<font "
                          "color=##336699> 0d 2h 15m"));
  EXPECT_EQ(lines[2], DefaultStyled("uptime: <font color=##336699>2d 1h 4m<font color=##999999> "
                                    "\xB7 rec: <font color=##336699>1d 1h 0m"));
  EXPECT_GE(sim.clock.MonotonicMs() - startedMs, 1500u) << "two pauses of a second";
  EXPECT_EQ(Sounds(), sounds) << "brag stats plays no click";
  EXPECT_THAT(NewLogMessages(), ElementsAre("braging total stats"));
}

TEST_F(StatsCommandsTest, BragStatsWithoutTheClientPostsNothingAndStillLogs) {
  StartProgram();
  const std::size_t mark = sim.windows.Log().size();
  program->frmOptions.Click("cmdBragStats");
  for (const sim::MessageRecord& sent : sim.windows.LogSince(mark)) {
    EXPECT_EQ(sent.window, 0u) << "message " << sent.msg << " reached a window";
  }
  EXPECT_EQ(LogMessages().back(), "braging total stats");
}

TEST_F(StatsCommandsTest, ClearStatsAnsweredNoShowsTheWindowAndYesZeroesTheCounters) {
  StartBesideTheClient();
  Store("stats", "mb", "12.5");
  Store("idler", "days", "3");
  Store("stats", "count", "90000");
  const std::size_t sounds = Sounds();
  program->frmMain.Hide();

  sim.user.ExpectMessageBox("are you sure you want to clear your stats?", IDNO);
  program->frmOptions.Click("cmdClearStats");
  const sim::Prompt& asked = sim.user.Seen().back();
  EXPECT_EQ(asked.title, "drelm idle by quoSt n' vrin");
  EXPECT_EQ(asked.style, MB_YESNO) << "Yes and No, no icon";
  EXPECT_TRUE(program->frmMain.visible);
  EXPECT_EQ(Stored("stats", "loads"), "1");
  EXPECT_EQ(Stored("stats", "mb"), "12.5");
  EXPECT_THAT(RoomLines(), IsEmpty());
  EXPECT_THAT(NewLogMessages(), IsEmpty());

  registry.writes.clear();
  sim.user.ExpectMessageBox("", IDYES);
  program->frmOptions.Click("cmdClearStats");
  EXPECT_THAT(registry.writes,
              ElementsAre("stats/loads", "idler/min", "idler/hours", "idler/days", "stats/mb"));
  for (const auto& [section, key] : {std::pair{"stats", "loads"},
                                     {"idler", "min"},
                                     {"idler", "hours"},
                                     {"idler", "days"},
                                     {"stats", "mb"}}) {
    EXPECT_EQ(Stored(section, key), "0") << section << "/" << key;
  }
  EXPECT_EQ(Stored("stats", "count"), "90000") << "the uptime record stays";
  const FrmOptions& o = program->frmOptions;
  EXPECT_EQ(o.Item("cmdLoads").caption, "loads -[ 0 ]-");
  EXPECT_EQ(o.Item("cmdIdleTime").caption, "idle time -[ 0d 0h 0m ]-");
  EXPECT_EQ(o.Item("cmdMBUploaded").caption, "mb u/led -[ 0 ]-");
  EXPECT_THAT(RoomLines(), ElementsAre(DefaultStyled("stats sucessfully cleared")));
  EXPECT_THAT(NewLogMessages(), ElementsAre("<d> drelm idle - total stats cleared"));
  EXPECT_EQ(Sounds(), sounds);
}

TEST_F(StatsCommandsTest, AdvertisePostsTheProductLineAndALinkToItsSite) {
  StartBesideTheClient();
  const std::size_t sounds = Sounds();
  program->frmOptions.Click("cmdAdvertise");
  const std::vector<std::string> lines = RoomLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_NE(lines[0].find("drelm idle [1.1] by quoSt n' vrin"), std::string::npos);
  EXPECT_EQ(lines[1], DefaultStyled("</a>< a href=\"http://www.drelm-idle.example/\">get this shit "
                                    "ova here</a>"));
  EXPECT_EQ(kProductSiteAddress, "http://www.drelm-idle.example/");
  EXPECT_EQ(Sounds(), sounds + 1);
  EXPECT_THAT(NewLogMessages(), ElementsAre("advertised"));
}

TEST_F(StatsCommandsTest, ScrollTransferReportsEachSightingOfATransferOnce) {
  StartBesideTheClient();
  DrelmGlobals& g = program->drelmglobals;
  g.DlFileName = "song.mp3";
  g.DlPercent = "42";
  g.DlTimeLeft = "3";
  g.UlFileName = "pic.jpg";
  g.UlPercent = "7";
  g.UlTimeLeft = "12";
  struct Case {
    const char* kind;  // as the transfer reader left it
    std::vector<std::string> posted;
    bool logged;
  };
  const Case cases[] = {
      {"dl", {"downloading file: song.mp3", "download percentage: 42%", "3 minutes left"}, false},
      {nullptr, {"there is no current file transfer"}, true},  // used again at once
      {"ul", {"uploading file: pic.jpg", "upload percentage: 7%", "12 minutes left"}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind ? c.kind : "again");
    ForgetRoomLines();
    logMark = LogMessages().size();
    if (c.kind) g.TransferKind = c.kind;
    program->frmOptions.Click("cmdScrollTransfer");
    std::vector<std::string> expected;
    for (const std::string& text : c.posted) expected.push_back(DefaultStyled(text));
    EXPECT_EQ(RoomLines(), expected);
    if (c.logged) {
      EXPECT_THAT(NewLogMessages(),
                  ElementsAre("scrolled tranfer status - no current file transfer"));
    } else {
      EXPECT_THAT(NewLogMessages(), IsEmpty());
    }
    EXPECT_EQ(g.TransferKind, "none");
  }
}

TEST_F(StatsCommandsTest, TotalAddsTheHandleWithAFixedTimeToTheReasonsList) {
  StartBesideTheClient();
  Store("idler", "days", "9");
  program->frmReasons.lstRe.items = {"brb"};
  program->frmOptions.Click("cmdTotalTimeIdled");
  EXPECT_THAT(program->frmReasons.lstRe.items,
              ElementsAre("brb", "user has a total time of 0d 0m 0s"));
  EXPECT_THAT(RoomLines(), IsEmpty());
  EXPECT_THAT(NewLogMessages(), IsEmpty());
}

}  // namespace
}  // namespace drelm::testing
