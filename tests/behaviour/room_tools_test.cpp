// The room buster and the room runner in a running program beside the stand-in AOL client: the
// rooms asked for, the lines the room received, what the window showed on the way, and stops.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/timeouts.h"
#include "program_fixture.h"

namespace drelm::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

class RoomToolsTest : public ProgramTest {
 protected:
  void SetUp() override {
    StartBesideAol6Room();
    ForgetRoomLines();
  }
  // Notes each new caption of the buster's counter and status while a handler runs.
  template <typename Handler>
  void Watching(Handler handler) {
    const TimerId sampler = sim.loop.AddTimer(10, [this] { Sample(); });
    Sample();
    handler();
    Sample();
    sim.loop.RemoveTimer(sampler);
  }
  void Sample() {
    const auto note = [](std::vector<std::string>& seen, const std::string& now) {
      if (seen.empty() || seen.back() != now) seen.push_back(now);
    };
    note(attemptsSeen, program->frmBuster.lblAttempts.caption);
    note(busterStatusSeen, program->frmBuster.lblStatus.caption);
  }
  // Runs the action once, the given milliseconds from now, from the event loop.
  void After(std::uint32_t ms, std::function<void()> action) {
    auto id = std::make_shared<TimerId>();
    *id = sim.loop.AddTimer(ms, [this, id, action] {
      sim.loop.RemoveTimer(*id);
      action();
    });
  }
  // Runs start (a click that returns when its run ends) and clicks stop once, from the event
  // loop, the first time when() holds.
  void RunStoppingWhen(const std::function<void()>& start, const std::function<bool()>& when,
                       const std::function<void()>& stop) {
    bool stopped = false;
    const TimerId stopper = sim.loop.AddTimer(10, [&] {
      if (!stopped && when()) {
        stopped = true;
        stop();
      }
    });
    start();
    sim.loop.RemoveTimer(stopper);
  }
  const std::vector<std::string>& Requests() const { return aol->Seen().roomRequests; }
  std::vector<std::string> RoomWaitsGivenUp() const {
    std::vector<std::string> rooms;
    const std::string prefix = "gave up waiting for room ";
    for (const std::string& message : LogMessages()) {
      if (message.starts_with(prefix)) rooms.push_back(message.substr(prefix.size()));
    }
    return rooms;
  }

  static std::string Busted(const std::string& attempts) {
    return DefaultStyled(
        "drelm busted: <font color=##336699>twk<font color=##999999> in <font color=##336699>" +
        attempts + "<font color=##999999> trys");
  }

  const std::string kAttemptingTwk =
      DefaultStyled("drelm attempting to bust: <font color=##336699>twk<font color=##999999>");
  std::vector<std::string> attemptsSeen;
  std::vector<std::string> busterStatusSeen;
};

TEST_F(RoomToolsTest, BusterAsksUntilTheRoomLetsTheUserInAndCountsEveryAttempt) {
  struct Case {
    int fullFor;
    std::vector<std::string> attempts;
  };
  for (const Case& c : {Case{0, {"0", "1", "0"}}, Case{3, {"0", "1", "2", "3", "4", "0"}}}) {
    SCOPED_TRACE(c.fullFor);
    aol->Client().Chat().FillRoom("twk", c.fullFor);
    attemptsSeen.clear();
    busterStatusSeen.clear();
    const std::size_t asked = Requests().size();
    ForgetRoomLines();
    program->frmOptions.Click("cmdRoomBuster");
    EXPECT_TRUE(program->frmBuster.visible);
    EXPECT_FALSE(program->frmMain.visible);
    Watching([&] { program->frmBuster.Label1_Click(); });
    EXPECT_THAT(attemptsSeen, ElementsAreArray(c.attempts));
    EXPECT_THAT(busterStatusSeen, ElementsAre("idle", "busting twk", "entered twk", "idle"));
    EXPECT_THAT(RoomLines(), ElementsAre(kAttemptingTwk, Busted(c.attempts.end()[-2])));
    EXPECT_EQ(Requests().size() - asked, static_cast<std::size_t>(c.fullFor + 1));
    EXPECT_EQ(aol->Client().Chat().RoomName(), "twk");
    EXPECT_TRUE(program->frmBuster.Label1.visible);
    EXPECT_FALSE(program->frmBuster.Label3.visible);
    EXPECT_TRUE(program->frmBuster.txtBuster.enabled);
    EXPECT_EQ(aol->Seen().boxesShown.size(), static_cast<std::size_t>(aol->Seen().boxesDismissed));
  }
}

// Every way a stop meets a bust: the busted line only when an attempt entered the room, and the
// window back to idle each time.
TEST_F(RoomToolsTest, BusterStopPostsTheBustedLineOnlyWhenAnAttemptEnteredTheRoom) {
  FrmBuster& buster = program->frmBuster;
  struct Case {
    const char* stopIn;
    int fullFor;
    bool inAttempt;  // otherwise in the opening pause
    std::vector<std::string> lines;
    std::vector<std::string> statuses;
    std::size_t requests;
    std::string roomAfter;
  };
  const std::vector<std::string> attempted = {kAttemptingTwk};
  const std::vector<std::string> busted = {kAttemptingTwk, Busted("1")};
  const std::vector<std::string> stoppedFirst = {"idle", "busting stopped", "idle"};
  const std::vector<std::string> stopped = {"idle", "busting twk", "busting stopped", "idle"};
  const std::vector<std::string> entered = {"idle", "busting twk", "busting stopped", "entered twk",
                                            "idle"};
  for (const Case& c : {
           Case{"the opening pause", 0, false, attempted, stoppedFirst, 0, "Lobby 12"},
           Case{"an attempt the full room refused", 1000, true, attempted, stopped, 1, ""},
           Case{"the attempt that entered", 0, true, busted, entered, 1, "twk"},
       }) {
    SCOPED_TRACE(c.stopIn);
    aol->EnterRoom("Lobby 12");
    aol->Client().Chat().FillRoom("twk", c.fullFor);
    ForgetRoomLines();
    const std::size_t asked = Requests().size();
    busterStatusSeen.clear();
    Watching([&] {
      RunStoppingWhen([&] { buster.Label1_Click(); },
                      [&] {
                        return buster.Label3.visible &&
                               buster.lblStatus.caption == (c.inAttempt ? "busting twk" : "idle");
                      },
                      [&] { buster.Label3_Click(); });
    });
    EXPECT_THAT(RoomLines(), ElementsAreArray(c.lines));
    EXPECT_THAT(busterStatusSeen, ElementsAreArray(c.statuses));
    EXPECT_EQ(Requests().size() - asked, c.requests);
    EXPECT_EQ(aol->Client().Chat().RoomName(), c.roomAfter);
    EXPECT_EQ(buster.lblStatus.caption, "idle");
    EXPECT_EQ(buster.lblAttempts.caption, "0");
    EXPECT_TRUE(buster.Label1.visible && buster.txtBuster.enabled && !buster.Label3.visible);
    EXPECT_FALSE(buster.Busting);
  }
}

// "x" hides the window and the bust goes on; without a client every attempt ends at the bound,
// and a start pressed while the stopped attempt still waits starts no second bust inside it.
TEST_F(RoomToolsTest, BusterGoesOnBehindXAndEndsAtTheBoundWithoutAClient) {
  FrmBuster& buster = program->frmBuster;
  aol->Client().Chat().FillRoom("twk", 2);
  program->frmOptions.Click("cmdRoomBuster");
  After(1500, [&] { buster.Label5_Click(); });
  buster.Label1_Click();
  EXPECT_FALSE(buster.visible);
  EXPECT_TRUE(program->frmMain.visible);
  EXPECT_THAT(RoomLines(), ElementsAre(kAttemptingTwk, Busted("3")));

  aol->EnterRoom("Lobby 12");
  const std::uint64_t started = sim.clock.MonotonicMs();
  After(1200, [&] { aol->Exit(); });
  After(5000, [&] { buster.Label3_Click(); });
  After(7000, [&] { buster.Label1_Click(); });
  After(10 * timeouts::kRoomAnswerMs, [&] { buster.Label3_Click(); });  // ends a second bust
  buster.Label1_Click();
  EXPECT_LE(sim.clock.MonotonicMs() - started, timeouts::kRoomAnswerMs + 3000);
  EXPECT_THAT(RoomWaitsGivenUp(), ElementsAre("twk"));
  EXPECT_EQ(buster.lblStatus.caption, "idle");
  EXPECT_EQ(buster.lblAttempts.caption, "0");
}

TEST_F(RoomToolsTest, RunnerWalksToTheFirstNumberedRoomThatAdmits) {
  const std::string attempting =
      DefaultStyled("drelm is attempting to run: <font color=##336699>twk<font color=##999999>");
  struct Case {
    int fullRooms;
    std::vector<std::string> asked;
  };
  for (const Case& c :
       {Case{0, {"twk"}}, Case{1, {"twk", "twk2"}}, Case{3, {"twk", "twk2", "twk3", "twk4"}}}) {
    SCOPED_TRACE(c.fullRooms);
    for (int i = 0; i < c.fullRooms; ++i) aol->Client().Chat().FillRoom(c.asked[i], 1);
    const std::size_t asked = Requests().size();
    ForgetRoomLines();
    program->frmOptions.Click("cmdRoomRunner");
    EXPECT_TRUE(program->frmRunner.visible && !program->frmMain.visible);
    program->frmRunner.Label1_Click();
    EXPECT_THAT(std::vector<std::string>(Requests().begin() + static_cast<std::ptrdiff_t>(asked),
                                         Requests().end()),
                ElementsAreArray(c.asked));
    EXPECT_THAT(RoomLines(),
                ElementsAre(attempting, DefaultStyled("drelm idle ran into this room")));
    EXPECT_EQ(aol->Client().Chat().RoomName(), c.asked.back());
    EXPECT_TRUE(program->frmRunner.txtBuster.enabled);
    EXPECT_FALSE(program->frmRunner.Running);
  }

  program->frmRunner.Label5_Click();
  EXPECT_TRUE(!program->frmRunner.visible && program->frmMain.visible);
}

// Every way a stop meets a run: no line the run did not reach, the text box back, and the next
// start runs (the last case has no stop and must arrive).
TEST_F(RoomToolsTest, RunnerStopPostsNoLineItDidNotReachAndTheNextStartRuns) {
  FrmRunner& runner = program->frmRunner;
  const std::string attempting =
      DefaultStyled("drelm is attempting to run: <font color=##336699>twk<font color=##999999>");
  const std::string arrived = DefaultStyled("drelm idle ran into this room");
  std::size_t asked = 0;
  struct Case {
    const char* stopIn;
    bool full;
    std::function<bool()> when;
    std::vector<std::string> lines;
  };
  for (const Case& c : {
           Case{
               "the first pause", false, [&] { return runner.Running && RoomLines().empty(); }, {}},
           Case{"the second pause",
                false,
                [&] { return RoomLines().size() == 1 && Requests().size() == asked; },
                {attempting}},
           Case{"a wait while every name is full",
                true,
                [&] { return Requests().size() > asked + 2; },
                {attempting}},
           Case{"no stop", false, [] { return false; }, {attempting, arrived}},
       }) {
    SCOPED_TRACE(c.stopIn);
    aol->EnterRoom("Lobby 12");
    aol->Client().Chat().FillRoom("twk", c.full ? 1000 : 0);
    for (int n = 2; n < 200; ++n) aol->Client().Chat().FillRoom("twk" + std::to_string(n), c.full);
    ForgetRoomLines();
    asked = Requests().size();
    RunStoppingWhen([&] { runner.Label1_Click(); }, c.when, [&] { runner.Label3_Click(); });
    EXPECT_THAT(RoomLines(), ElementsAreArray(c.lines));
    EXPECT_TRUE(runner.txtBuster.enabled);
    EXPECT_FALSE(runner.Running);
  }
}

// With no answer from AOL each wait ends at its bound as a refusal and the next name is asked
// for; a stop takes effect within two bounds, and a start pressed meanwhile is no second run.
TEST_F(RoomToolsTest, RunnerWithoutAnswersMovesOnAtEachBoundAndStopsWithinTwo) {
  FrmRunner& runner = program->frmRunner;
  aol->Exit();
  const std::uint32_t stopAt = 2 * timeouts::kRoomAnswerMs + 7000;  // in the second name's wait
  After(stopAt, [&] { runner.Label3_Click(); });
  After(stopAt + 1000, [&] { runner.Label1_Click(); });
  After(10 * timeouts::kRoomAnswerMs, [&] { runner.Label3_Click(); });  // ends a second run
  const std::uint64_t started = sim.clock.MonotonicMs();
  runner.Label1_Click();
  EXPECT_LE(sim.clock.MonotonicMs() - started, stopAt + 2 * timeouts::kRoomAnswerMs);
  EXPECT_THAT(RoomWaitsGivenUp(), ElementsAre("twk", "twk", "twk2", "twk2"));
  EXPECT_TRUE(runner.txtBuster.enabled);
}

}  // namespace
}  // namespace drelm::testing
