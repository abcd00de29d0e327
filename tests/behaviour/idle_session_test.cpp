// Starting and stopping idle sessions: each idle type and privacy choice in its order, the main
// window's toggle, and the automatic start of Timer4.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "idle_fixture.h"

namespace drelm::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

constexpr const char* kGoingIdle =
    "drelm idle \xB7 <font color=#aa>Bob<font color=#mm> is going idle";
constexpr const char* kBack = "drelm idle \xB7 <font color=#aa>Bob<font color=#mm> is back";

struct SessionCase {
  const char* name;
  const char* type;
  std::vector<const char*> privacy;  // checked items
  std::vector<std::string> startTrace, startLog, stopTrace, stopLog, stopSaid;
};

TEST_F(IdleTest, StartAndStopRunEveryStepInOrderForEachTypeAndPrivacyChoice) {
  const std::vector<SessionCase> cases = {
      {"regular, no privacy",
       "cmdRegularIdle",
       {},
       {},
       {"idle started"},
       {},
       {"idle stopped"},
       {kBack}},
      {"afk bot, ghost and ims off at start",
       "cmdAFKBot",
       {"cmdONStartGhost", "cmdIMSoffStart"},
       {"GhostOn log=0 room=0", "ImsOff log=1 room=0"},
       {"ghosting turned on", "im's turned off", "idle started"},
       {"ShowRecordedMessages log=0 room=0"},
       {"idle stopped"},
       {kBack, "Bob recieved <font color=#aa>3<font color=#mm> messages", kBack}},
      {"linker, all four stop choices",
       "cmdLinker",
       {"cmdONStopGhost", "cmdOFFStopGhost", "cmdIMSoffStop", "cmdIMSonAfterStop"},
       {},
       {"idle started"},
       {"GhostOn log=0 room=0", "GhostOff log=1 room=0", "ImsOff log=2 room=0",
        "ImsOn log=3 room=0"},
       {"ghosting turned on", "ghosting turned off", "im's turned off", "im's turned on",
        "idle stopped"},
       {kBack}},
  };
  recorded = 3;
  for (const SessionCase& c : cases) {
    SCOPED_TRACE(c.name);
    IdleType(c.type);
    for (auto item : {"cmdONStartGhost", "cmdONStopGhost", "cmdOFFStopGhost", "cmdIMSoffStart",
                      "cmdIMSoffStop", "cmdIMSonAfterStop"}) {
      Check(item, std::find(c.privacy.begin(), c.privacy.end(), std::string_view(item)) !=
                      c.privacy.end());
    }
    const bool afk = std::string_view(c.type) == "cmdAFKBot";
    Main().Show();
    Main().lblMins.caption = "7/m";
    trace.clear();
    ForgetLog();
    ForgetRoomLines();

    const std::uint64_t before = sim.clock.MonotonicMs();
    Choose("cmdStartIdle");
    EXPECT_THAT(trace, ElementsAreArray(c.startTrace));
    EXPECT_THAT(NewLog(), ElementsAreArray(c.startLog));
    EXPECT_THAT(Said(), ElementsAre(kGoingIdle));
    const bool ghostPause =
        !c.privacy.empty() && std::string_view(c.privacy[0]) == "cmdONStartGhost";
    EXPECT_EQ(sim.clock.MonotonicMs() - before >= 500, ghostPause);
    EXPECT_TRUE(Main().Timer1.Enabled());
    EXPECT_EQ(Main().Timer3.Enabled(), afk);
    EXPECT_EQ(Main().Chat1.Scanning(), afk);
    EXPECT_FALSE(Item("cmdStartIdle").enabled);
    EXPECT_TRUE(Item("cmdStopIdle").enabled);
    EXPECT_EQ(Main().Label3.caption, "start") << "the menu does not move the toggle";

    trace.clear();
    ForgetLog();
    ForgetRoomLines();
    Choose("cmdStopIdle");
    EXPECT_THAT(trace, ElementsAreArray(c.stopTrace));
    EXPECT_THAT(NewLog(), ElementsAreArray(c.stopLog));
    EXPECT_THAT(Said(), ElementsAreArray(c.stopSaid));
    EXPECT_FALSE(Main().Timer1.Enabled());
    EXPECT_FALSE(Main().Timer3.Enabled());
    EXPECT_FALSE(Main().Chat1.Scanning());
    EXPECT_EQ(Main().visible, !afk);
    EXPECT_TRUE(Item("cmdStartIdle").enabled);
    EXPECT_FALSE(Item("cmdStopIdle").enabled);
    EXPECT_EQ(Main().lblMins.caption, "0/m");
  }
}

TEST_F(IdleTest, ToggleClickedTwiceStartsThenStops) {
  Main().Label3_Click();
  EXPECT_EQ(Main().Label3.caption, "stop");
  EXPECT_TRUE(Main().Timer1.Enabled());
  Main().Label3_Click();
  EXPECT_EQ(Main().Label3.caption, "start");
  EXPECT_FALSE(Main().Timer1.Enabled());
  EXPECT_THAT(Said(), ElementsAre(kGoingIdle, kBack));
}

TEST_F(IdleTest, AutoIdleStartsAtTheFifthMinuteAndNeverAgainOnceATickSawASession) {
  Check("cmdMultipleReasons", false);
  IdleType("cmdAFKBot");
  ASSERT_TRUE(sim.loop.RunUntil([&] { return !Said().empty(); }, 6 * 60000));
  EXPECT_EQ(sim.clock.MonotonicMs() - startedMs, 5 * 60000u);
  EXPECT_THAT(Said(), ElementsAre("drelm idle, auto idle started"));
  EXPECT_EQ(Main().Label3.caption, "stop");
  EXPECT_TRUE(Main().Timer3.Enabled());
  EXPECT_FALSE(Main().Timer1.Enabled()) << "the away bot starts without the scroller";
  EXPECT_FALSE(Main().Chat1.Scanning());
  EXPECT_FALSE(Item("cmdStartIdle").enabled);
  EXPECT_THAT(NewLog(), IsEmpty());

  sim.loop.RunFor(60000);
  EXPECT_FALSE(Main().Timer4.Enabled());
  Main().Label3_Click();
  ForgetRoomLines();
  sim.loop.RunFor(10 * 60000);
  EXPECT_THAT(Said(), IsEmpty());
}

TEST_F(IdleTest, AutoIdleOffCountsNothing) {
  Check("cmdAutoIdle", false);
  sim.loop.RunFor(6 * 60000);
  EXPECT_THAT(Said(), IsEmpty());
  EXPECT_EQ(program->drelmglobals.AutoIdleCount, "0");
  EXPECT_TRUE(Main().Timer4.Enabled());
}

}  // namespace
}  // namespace drelm::testing
