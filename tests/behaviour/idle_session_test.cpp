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
using Lines = std::vector<std::string>;

constexpr const char* kGoingIdle =
    "drelm idle \xB7 <font color=#aa>Bob<font color=#mm> is going idle";
constexpr const char* kBack = "drelm idle \xB7 <font color=#aa>Bob<font color=#mm> is back";

TEST_F(IdleTest, StartAndStopRunEveryStepInOrderForEachTypeAndPrivacyChoice) {
  struct Case {
    const char* type;
    // The client's keywords tell the order of the ghost and IM steps, its privacy saves and IM
    // switches which way each went.
    Lines privacy, startKeywords, startLog, stopTrace, stopKeywords, stopLog, stopSaid, saves,
        switches;
  };
  const std::string ghost = "buddylist", imsOff = "aol://9293:$IM_OFF", imsOn = "aol://9293:$IM_ON";
  // clang-format off
  const Case cases[] = {
      {"cmdRegularIdle", {}, {}, {"idle started"}, {}, {}, {"idle stopped"}, {kBack}, {}, {}},
      {"cmdAFKBot", {"cmdONStartGhost", "cmdIMSoffStart"},
       {ghost, imsOff}, {"ghosting turned on", "im's turned off", "idle started"},
       {"ShowRecordedMessages log=0 room=0"}, {}, {"idle stopped"},
       {kBack, "Bob recieved <font color=#aa>3<font color=#mm> messages", kBack},
       {"invisible"}, {"$IM_OFF"}},
      {"cmdLinker", {"cmdONStopGhost", "cmdOFFStopGhost", "cmdIMSoffStop", "cmdIMSonAfterStop"}, {}, {"idle started"},
       {}, {ghost, ghost, imsOff, imsOn},
       {"ghosting turned on", "ghosting turned off", "im's turned off", "im's turned on", "idle stopped"}, {kBack},
       {"invisible", "visible"}, {"$IM_OFF", "$IM_ON"}},
  };
  // clang-format on
  recorded = 3;
  const standin::Observations& seen = aol->Seen();
  const auto since = [](const std::vector<std::string>& all, std::size_t mark) {
    return Lines(all.begin() + static_cast<std::ptrdiff_t>(mark), all.end());
  };
  const auto peers = [](const std::vector<standin::InstantMessage>& all, std::size_t mark) {
    Lines names;
    for (std::size_t i = mark; i < all.size(); ++i) names.push_back(all[i].peer);
    return names;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    IdleType(c.type);
    for (auto item : {"cmdONStartGhost", "cmdONStopGhost", "cmdOFFStopGhost", "cmdIMSoffStart",
                      "cmdIMSoffStop", "cmdIMSonAfterStop"}) {
      Check(item, std::count(c.privacy.begin(), c.privacy.end(), item) == 1);
    }
    const bool afk = std::string_view(c.type) == "cmdAFKBot";
    Main().Show();
    Main().lblMins.caption = "7/m";
    const std::size_t saves = seen.privacySaves.size(), switches = seen.imSwitches.size();
    std::size_t keywords = seen.keywords.size();
    trace.clear(), ForgetLog(), ForgetRoomLines();
    const std::uint64_t before = sim.clock.MonotonicMs();
    Choose("cmdStartIdle");
    EXPECT_THAT(since(seen.keywords, keywords), ElementsAreArray(c.startKeywords));
    EXPECT_THAT(NewLog(), ElementsAreArray(c.startLog));
    EXPECT_THAT(Said(), ElementsAre(kGoingIdle));
    EXPECT_EQ(sim.clock.MonotonicMs() - before >= 500, afk) << "the pause after ghosting";
    EXPECT_TRUE(Main().Timer1.Enabled());
    EXPECT_EQ(Main().Timer3.Enabled(), afk);
    EXPECT_EQ(Main().Chat1.Scanning(), afk);
    EXPECT_FALSE(Item("cmdStartIdle").enabled || !Item("cmdStopIdle").enabled);

    keywords = seen.keywords.size();
    trace.clear(), ForgetLog(), ForgetRoomLines();
    Choose("cmdStopIdle");
    EXPECT_THAT(trace, ElementsAreArray(c.stopTrace));
    EXPECT_THAT(since(seen.keywords, keywords), ElementsAreArray(c.stopKeywords));
    EXPECT_THAT(NewLog(), ElementsAreArray(c.stopLog));
    EXPECT_THAT(Said(), ElementsAreArray(c.stopSaid));
    EXPECT_THAT(since(seen.privacySaves, saves), ElementsAreArray(c.saves));
    EXPECT_THAT(peers(seen.imSwitches, switches), ElementsAreArray(c.switches));
    EXPECT_FALSE(Main().Timer1.Enabled() || Main().Timer3.Enabled() || Main().Chat1.Scanning());
    EXPECT_EQ(Main().visible, !afk);
    EXPECT_FALSE(!Item("cmdStartIdle").enabled || Item("cmdStopIdle").enabled);
    EXPECT_EQ(Main().lblMins.caption, "0/m");
  }
}

TEST_F(IdleTest, AutoIdleStartsAtTheFifthMinuteAndNeverAgainOnceATickSawASession) {
  IdleType("cmdAFKBot");
  ASSERT_TRUE(sim.loop.RunUntil([&] { return !Said().empty(); }, 6 * 60000));
  EXPECT_EQ(sim.clock.MonotonicMs() - startedMs, 5 * 60000u);
  EXPECT_THAT(Said(), ElementsAre("drelm idle, auto idle started"));
  EXPECT_EQ(Main().Label3.caption, "stop");
  EXPECT_TRUE(Main().Timer3.Enabled());
  EXPECT_FALSE(Main().Timer1.Enabled() || Main().Chat1.Scanning()) << "a lighter start";
  EXPECT_FALSE(Item("cmdStartIdle").enabled);
  EXPECT_THAT(NewLog(), IsEmpty());

  sim.loop.RunFor(60000);
  EXPECT_FALSE(Main().Timer4.Enabled());
  ForgetRoomLines();
  Main().Label3_Click();  // the main window's toggle stops
  EXPECT_EQ(Main().Label3.caption, "start");
  EXPECT_THAT(Said(), ::testing::Contains(kBack));
  ForgetRoomLines();
  sim.loop.RunFor(10 * 60000);
  EXPECT_THAT(Said(), IsEmpty());

  Check("cmdAutoIdle", false);
  Main().Timer4.SetEnabled(true);
  sim.loop.RunFor(6 * 60000);
  EXPECT_THAT(Said(), IsEmpty()) << "auto idle off counts nothing";
}

}  // namespace
}  // namespace drelm::testing
