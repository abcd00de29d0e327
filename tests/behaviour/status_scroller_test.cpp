// Timer1's tick while idling: when the status lines come, what they say byte for byte, the
// reasons drawn from the list, automatic upchat and the disconnect watch.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "aol/client_windows.h"
#include "idle_fixture.h"
#include "standin/transfers.h"

namespace drelm::testing {
namespace {

using ::testing::AnyOf;
using ::testing::Contains;
using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using ::testing::StartsWith;

constexpr const char* kTime = "drelm idle \xB7 <font color=#aa>0d 1h 5m<font color=#mm>";
constexpr const char* kNoReason = "rsn: <font color=#aa>no reason<font color=#mm>";

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
      tick();
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

  int ticks = 0;
  int sessionStart = 0;
};

TEST_F(ScrollerTest, FirstPostingOnTick60AndALaterSessionContinuesTheCounts) {
  Start();
  RunToSessionTick(59);
  EXPECT_THAT(Said(), IsEmpty());
  RunToSessionTick(60);
  EXPECT_THAT(Said(),
              ElementsAre("drelm idle \xB7 <font color=#aa>0d 0h 1m<font color=#mm>", kNoReason));

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

TEST_F(ScrollerTest, EachPostingByteForByte) {
  Store("settings", "aim", "me");
  Store("settings", "linkerrea", "http://x.example/");
  Store("settings", "linkermsg", "My Site");
  program->frmMain.Timer2.SetEnabled(false);  // the transfer texts are the test's own
  DrelmGlobals& g = program->drelmglobals;
  g.DlFileName = "a.zip", g.DlPercent = "45", g.DlTimeLeft = "12";
  g.UlFileName = "b.zip", g.UlPercent = "7", g.UlTimeLeft = "3";
  struct Case {
    const char* interval;  // the custom interval answered
    const char* type;
    bool aim;
    const char* transfer;  // TransferKind before the posting; "" leaves the line off
    std::vector<std::string> said;
  };
  const std::string kAway = "afk: <font color=#aa>no reason<font color=#mm> /Bob to record msg[10]";
  const std::string kLink =
      "rsn: < a href=\"http://x.example/\"><font color=#aa>My Site<font color=#mm></a>";
  // clang-format off
  const std::vector<Case> cases = {
      {"0", "cmdAFKBot", true, "", {kTime + std::string(" \xB7 aim: <font color=#aa>me"), kAway}},
      {"-5", "cmdLinker", false, "none", {kTime, kLink}},
      {"2", "cmdRegularIdle", false, "dl", {kTime, kNoReason, "dl: a.zip \xB7 45% \xB7 12mL"}},
      {"2", "cmdRegularIdle", false, "ul", {kTime, kNoReason, "ul: b.zip \xB7 7% \xB7 3mL"}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.type) + " " + c.transfer);
    sim.user.ExpectInputBox("interval", c.interval);
    Choose("mnuCustom");
    IdleType(c.type);
    Check("mnuScrollAIm", c.aim);
    Check("cmdScrollDlulstatus", *c.transfer != '\0');
    g.TransferKind = *c.transfer ? c.transfer : "ul";
    Start();
    Main().lblHours.caption = "1/h", Main().lblMins.caption = "5/m";
    // Reason lines pause a second, so those rows post every second tick, starting with this one.
    g.IntervalCount = 1;
    RunTicks(1);
    EXPECT_THAT(Said(), ElementsAreArray(c.said));
    EXPECT_TRUE(!*c.transfer || g.TransferKind == "none") << "a posting reports one transfer";
    Choose("cmdStopIdle");
  }
}

}  // namespace
}  // namespace drelm::testing
