// Timer1's tick while idling: when the status lines come, what they say byte for byte, the
// reasons drawn from the list, the transfer line, automatic upchat and the disconnect watch.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "idle_fixture.h"

namespace drelm::testing {
namespace {

using ::testing::AnyOf;
using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::MatchesRegex;

class ScrollerTest : public IdleTest {
 protected:
  void SetUp() override {
    IdleTest::SetUp();
    for (auto item : {"cmdMultipleReasons", "mnuScrollAIm", "cmdScrollDlulstatus",
                      "cmdEnableAutoUpchat", "cmdDcpAolOpts", "cmdAutoIdle"}) {
      Check(item, false);
    }
    IdleType("cmdRegularIdle");
    auto tick = Main().Timer1.Timer_Timer;
    Main().Timer1.Timer_Timer = [this, tick] {
      ++ticks;
      nested += inTick ? 1 : 0;
      inTick = true;
      tick();
      inTick = false;
    };
  }

  // Starts from the menu and forgets the announcement.
  void Start() {
    sessionStart = ticks;
    Choose("cmdStartIdle");
    ForgetRoomLines();
    ForgetLog();
    trace.clear();
  }
  void RunTicks(int count) {
    const int target = ticks + count;
    ASSERT_TRUE(sim.loop.RunUntil([&] { return ticks >= target; }, count * 3000u + 3000));
  }
  void RunToSessionTick(int tick) { RunTicks(sessionStart + tick - ticks); }
  // Posts at every tick from now on.
  void PostEveryTick() { program->drelmglobals.IdleInterval = 1; }
  // A posting with a reason pauses a second, which takes the whole of a one-second interval.
  void PostEverySecondTick() { program->drelmglobals.IdleInterval = 2; }

  int ticks = 0;
  int sessionStart = 0;
  bool inTick = false;
  int nested = 0;
};

constexpr const char* kNoReason = "rsn: <font color=#aa>no reason<font color=#mm>";

TEST_F(ScrollerTest, FirstPostingOnTick60AndALaterSessionContinuesTheCounts) {
  Start();
  RunToSessionTick(59);
  EXPECT_THAT(Said(), IsEmpty());
  RunToSessionTick(60);
  EXPECT_THAT(Said(),
              ElementsAre("drelm idle \xB7 <font color=#aa>0d 0h 1m<font color=#mm>", kNoReason));
  EXPECT_EQ(Main().lblMins.caption, "1/m");

  Choose("cmdTwoMin");
  ASSERT_TRUE(sim.loop.RunUntil([&] { return program->drelmglobals.IntervalCount == 30; }, 60000));
  Choose("cmdStopIdle");
  Start();
  RunToSessionTick(89);
  EXPECT_THAT(Said(), IsEmpty()) << "30 ticks of the last session count towards 120";
  RunToSessionTick(90);
  EXPECT_THAT(Said(),
              ElementsAre("drelm idle \xB7 <font color=#aa>0d 0h 2m<font color=#mm>", kNoReason));
  EXPECT_EQ(Stored("idler", "min"), "3");
}

TEST_F(ScrollerTest, IntervalZeroOrNegativePostsAtEveryTick) {
  Store("settings", "linkerrea", "http://x.example/");
  Store("settings", "linkermsg", "My Site");
  IdleType("cmdLinker");
  for (const char* interval : {"0", "-5"}) {
    SCOPED_TRACE(interval);
    sim.user.ExpectInputBox("interval", interval);
    Choose("mnuCustom");
    Start();
    RunTicks(2);
    constexpr const char* kLink =
        "rsn: < a href=\"http://x.example/\"><font color=#aa>My Site<font color=#mm></a>";
    EXPECT_THAT(Said(), ElementsAre(::testing::StartsWith("drelm idle \xB7 "), kLink,
                                    ::testing::StartsWith("drelm idle \xB7 "), kLink));
    Choose("cmdStopIdle");
  }
}

TEST_F(ScrollerTest, TimeLineWithAndWithoutAimAndTheAwayLine) {
  Store("settings", "aim", "me");
  IdleType("cmdAFKBot");
  Start();
  Main().lblDays.caption = "0/d";
  Main().lblHours.caption = "1/h";
  Main().lblMins.caption = "5/m";
  PostEveryTick();
  Check("mnuScrollAIm", true);
  RunTicks(1);
  Check("mnuScrollAIm", false);
  RunTicks(1);
  EXPECT_THAT(
      Said(),
      ElementsAre("drelm idle \xB7 <font color=#aa>0d 1h 5m<font color=#mm> \xB7 aim: <font "
                  "color=#aa>me",
                  "afk: <font color=#aa>no reason<font color=#mm> /Bob to record msg[10]",
                  "drelm idle \xB7 <font color=#aa>0d 1h 5m<font color=#mm>",
                  "afk: <font color=#aa>no reason<font color=#mm> /Bob to record msg[10]"));
}

TEST_F(ScrollerTest, MultipleReasonsAreDrawnExpandedAndLowerCasedAndAListWithoutTextPostsNone) {
  Check("cmdMultipleReasons", true);
  Start();
  PostEverySecondTick();
  std::vector<std::string>& reasons = program->frmReasons.lstRe.items;
  reasons = {"Back at [time]", "AT LUNCH"};
  RunTicks(60);
  std::vector<std::string> posted;
  for (const std::string& line : Said()) {
    if (line.starts_with("rsn: ")) posted.push_back(line);
  }
  const std::string kBackAt =
      "rsn: <font color=#aa>back at [0-9]+:[0-9][0-9]:[0-9][0-9] [A-Z]+<font "
      "color=#\"aa\"><font color=#mm>";
  const std::string kLunch = "rsn: <font color=#aa>at lunch<font color=#mm>";
  EXPECT_GE(posted.size(), 10u);
  EXPECT_THAT(posted, Each(AnyOf(kLunch, MatchesRegex(kBackAt))));
  EXPECT_THAT(posted, ::testing::Contains(kLunch));
  EXPECT_THAT(posted, ::testing::Contains(MatchesRegex(kBackAt)));

  reasons = {"Only One"};
  ForgetRoomLines();
  RunTicks(20);
  EXPECT_THAT(Said(), Each(AnyOf(::testing::StartsWith("drelm idle \xB7 "),
                                 "rsn: <font color=#aa>only one<font color=#mm>")));
  EXPECT_EQ(Said().size() % 2, 0u) << "every time line has its reason";

  for (const std::vector<std::string>& nothing : {std::vector<std::string>{}, {"", ""}}) {
    reasons = nothing;
    ForgetRoomLines();
    RunTicks(6);
    EXPECT_THAT(Said(), Each(::testing::StartsWith("drelm idle \xB7 ")));
    EXPECT_EQ(Said().size(), 3u);
  }
}

TEST_F(ScrollerTest, TransferLineReportsAtMostOneTransferPerPosting) {
  Check("cmdScrollDlulstatus", true);
  IdleType("cmdLinker");
  Start();
  PostEveryTick();
  DrelmGlobals& g = program->drelmglobals;
  g.DlFileName = "a.zip";
  g.DlPercent = "45";
  g.DlTimeLeft = "12";
  g.UlFileName = "b.zip";
  g.UlPercent = "7";
  g.UlTimeLeft = "3";
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"dl", "dl: a.zip \xB7 45% \xB7 12mL"},
      {"ul", "ul: b.zip \xB7 7% \xB7 3mL"},
      {"none", nullptr}};
  for (const auto& [kind, line] : cases) {
    SCOPED_TRACE(kind);
    g.TransferKind = kind;
    ForgetRoomLines();
    RunTicks(1);
    const std::vector<std::string> said = Said();
    ASSERT_EQ(said.size(), line ? 3u : 2u);
    if (line) {
      EXPECT_EQ(said[2], line);
    }
    EXPECT_EQ(g.TransferKind, "none");
  }
}

TEST_F(ScrollerTest, AutoUpchatSwitchesOnOnceBelowTheEndAndOffAtTheEnds) {
  Check("cmdEnableAutoUpchat", true);
  const Hwnd modal = sim.windows.CreateWindow("_AOL_Modal", "Upload");
  std::string percent;
  IdleAolOperations& aol = Idle().Context().aol;
  aol.FindTransferModalQuiet = [&] { return modal; };
  aol.ReadUlPercentModalDash = [&] { return percent; };
  aol.UpchatOn = [&] {
    Note("UpchatOn");
    sim.windows.ShowWindow(modal, SW_MINIMIZE);
  };
  struct Case {
    const char* percent;
    std::vector<std::string> trace, log, said;
  };
  const std::vector<Case> cases = {
      {"45", {"UpchatOn log=0 room=0"}, {"auto upchat"}, {"drelm idle - auto upchat"}},
      {"99",
       {"UpchatOff log=0 room=0", "UpchatOff log=1 room=0", "UpchatOff log=2 room=0"},
       {"auto unupchat", "auto unupchat", "auto unupchat"},
       {}},
      {"-",
       {"UpchatOff log=0 room=0", "UpchatOff log=1 room=0", "UpchatOff log=2 room=0"},
       {"auto unupchat", "auto unupchat", "auto unupchat"},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.percent);
    percent = c.percent;
    sim.windows.ShowWindow(modal, SW_RESTORE);
    Start();
    RunTicks(3);
    EXPECT_EQ(trace, c.trace);
    EXPECT_EQ(NewLog(), c.log);
    EXPECT_EQ(Said(), c.said);
    Choose("cmdStopIdle");
  }
}

TEST_F(ScrollerTest, DisconnectWatchRestartsAolAfterFiveTicksWithoutAName) {
  Check("cmdDcpAolOpts", true);
  std::string name;
  std::string path = "C:\\aol\\aol.exe";
  std::vector<int> restarts;
  IdleAolOperations& aol = Idle().Context().aol;
  aol.CurrentScreenName = [&] { return name; };
  aol.ProcessPathOfWindow = [&](Hwnd) { return path; };
  aol.RestoreAol = [&](int useSetPassword) { restarts.push_back(useSetPassword); };
  Start();

  RunTicks(4);
  name = "Bob";
  RunTicks(1);
  name.clear();
  RunTicks(9);
  EXPECT_THAT(restarts, ElementsAre(0)) << "a name seen starts the count again";
  Check("cmdSetPW", true);
  RunTicks(1);
  EXPECT_THAT(restarts, ElementsAre(0, 1));
  EXPECT_EQ(Stored("settings", "last aol path"), "C:\\aol\\aol.exe");

  name = "Bob";
  for (const auto& [oss, newPath] : {std::pair{"false", ""}, {"true", "D:\\other.exe"}}) {
    Store("settings", "oss", oss);
    path = newPath;
    RunTicks(1);
    EXPECT_EQ(Stored("settings", "last aol path"), "C:\\aol\\aol.exe") << oss;
  }
}

TEST_F(ScrollerTest, ATickDueWhileTheLastOneWaitsIsSkippedEvenAfterTheTimerWasRestarted) {
  // Upchat's wait inside the tick runs long, and the user restarts idling meanwhile.
  Check("cmdEnableAutoUpchat", true);
  const Hwnd modal = sim.windows.CreateWindow("_AOL_Modal", "Upload");
  IdleAolOperations& aol = Idle().Context().aol;
  aol.FindTransferModalQuiet = [&] { return modal; };
  aol.ReadUlPercentModalDash = [] { return std::string("50"); };
  aol.UpchatOn = [&] {
    Main().Label3_Click();
    Main().Label3_Click();
    sim.loop.RunFor(3000);
  };
  Start();
  Main().Label3.caption = "stop";
  RunTicks(3);
  EXPECT_EQ(nested, 0);
  EXPECT_TRUE(Main().Timer1.Enabled());
}

}  // namespace
}  // namespace drelm::testing
