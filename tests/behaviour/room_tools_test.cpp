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

// Every way a bust ends, stopped or not, one after the other: the busted line only when an
// attempt entered the room, each attempt counted from the first, and the window back to idle.
TEST_F(RoomToolsTest, BusterPostsTheBustedLineOnlyWhenAnAttemptEnteredAndCountsEachBustAfresh) {
  FrmBuster& buster = program->frmBuster;
  struct Case {
    const char* stopIn;  // nullptr: no stop
    int fullFor;
    bool inAttempt;  // otherwise in the opening pause
    std::vector<std::string> lines, statuses, attempts;
    std::size_t requests;
    std::string roomAfter;
  };
  const std::vector<std::string> attempted = {kAttemptingTwk};
  const std::vector<std::string> stopped = {"idle", "busting twk", "busting stopped", "idle"};
  const std::vector<std::string> entered = {"idle", "busting twk", "entered twk", "idle"};
  // clang-format off
  const Case cases[] = {
      {nullptr, 0, false, {kAttemptingTwk, Busted("1")}, entered, {"0", "1", "0"}, 1, "twk"},
      {"the opening pause", 0, false, attempted, {"idle", "busting stopped", "idle"}, {}, 0, "Lobby 12"},
      {"an attempt the full room refused", 1000, true, attempted, stopped, {}, 1, ""},
      {"the attempt that entered", 0, true, {kAttemptingTwk, Busted("1")},
       {"idle", "busting twk", "busting stopped", "entered twk", "idle"}, {}, 1, "twk"},
      {nullptr, 3, false, {kAttemptingTwk, Busted("4")}, entered, {"0", "1", "2", "3", "4", "0"}, 4, "twk"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stopIn ? c.stopIn : "no stop");
    aol->EnterRoom("Lobby 12");
    aol->Client().Chat().FillRoom("twk", c.fullFor);
    ForgetRoomLines();
    const std::size_t asked = Requests().size();
    attemptsSeen.clear();
    busterStatusSeen.clear();
    program->frmOptions.Click("cmdRoomBuster");
    EXPECT_TRUE(buster.visible && !program->frmMain.visible);
    Watching([&] {
      RunStoppingWhen([&] { buster.Label1_Click(); },
                      [&] {
                        return c.stopIn && buster.Label3.visible &&
                               buster.lblStatus.caption == (c.inAttempt ? "busting twk" : "idle");
                      },
                      [&] { buster.Label3_Click(); });
    });
    EXPECT_THAT(RoomLines(), ElementsAreArray(c.lines));
    EXPECT_THAT(busterStatusSeen, ElementsAreArray(c.statuses));
    if (!c.attempts.empty()) {
      EXPECT_THAT(attemptsSeen, ElementsAreArray(c.attempts));
    }
    EXPECT_EQ(Requests().size() - asked, c.requests);
    EXPECT_EQ(aol->Client().Chat().RoomName(), c.roomAfter);
    EXPECT_EQ(buster.lblStatus.caption, "idle");
    EXPECT_EQ(buster.lblAttempts.caption, "0");
    EXPECT_TRUE(buster.Label1.visible && buster.txtBuster.enabled && !buster.Label3.visible);
    EXPECT_FALSE(buster.Busting);
    EXPECT_EQ(aol->Seen().boxesShown.size(), static_cast<std::size_t>(aol->Seen().boxesDismissed));
  }
}

// "_" minimises the window and "x" hides it while the bust goes on; without a client every attempt
// ends at the bound, and a start pressed while the stopped attempt still waits starts no second
// bust inside it.
TEST_F(RoomToolsTest, BusterMinimisesGoesOnBehindXAndEndsAtTheBoundWithoutAClient) {
  FrmBuster& buster = program->frmBuster;
  aol->Client().Chat().FillRoom("twk", 2);
  program->frmOptions.Click("cmdRoomBuster");
  buster.Label4_Click();
  EXPECT_EQ(buster.state, WindowState::kMinimized);
  sim.loop.ScheduleOnce(1500, [&] { buster.Label5_Click(); });
  buster.Label1_Click();
  EXPECT_FALSE(buster.visible);
  EXPECT_TRUE(program->frmMain.visible);
  EXPECT_THAT(RoomLines(), ElementsAre(kAttemptingTwk, Busted("3")));

  aol->EnterRoom("Lobby 12");
  const std::uint64_t started = sim.clock.MonotonicMs();
  sim.loop.ScheduleOnce(1200, [&] { aol->Exit(); });
  sim.loop.ScheduleOnce(5000, [&] { buster.Label3_Click(); });
  sim.loop.ScheduleOnce(7000, [&] { buster.Label1_Click(); });
  sim.loop.ScheduleOnce(10 * timeouts::kRoomAnswerMs,
                        [&] { buster.Label3_Click(); });  // ends a second bust
  buster.Label1_Click();
  EXPECT_LE(sim.clock.MonotonicMs() - started, timeouts::kRoomAnswerMs + 3000);
  EXPECT_THAT(RoomWaitsGivenUp(), ElementsAre("twk"));
  EXPECT_EQ(buster.lblStatus.caption, "idle");
  EXPECT_EQ(buster.lblAttempts.caption, "0");
}

// Every way a run ends, stopped or not: it walks to the first numbered room that admits, posts
// no line it did not reach, gives the text box back, and the next start runs.
TEST_F(RoomToolsTest, RunnerWalksToTheFirstNumberedRoomThatAdmitsAndAStopPostsNoLineItDidNotReach) {
  FrmRunner& runner = program->frmRunner;
  const std::string attempting =
      DefaultStyled("drelm is attempting to run: <font color=##336699>twk<font color=##999999>");
  const std::vector<std::string> arrived = {attempting,
                                            DefaultStyled("drelm idle ran into this room")};
  std::size_t asked = 0;
  struct Case {
    const char* stopIn;
    int fullNames;  // the first names refuse once each
    std::function<bool()> when;
    std::vector<std::string> lines, asked;  // asked: the rooms asked for, when checked
  };
  const auto never = [] { return false; };
  // clang-format off
  const Case cases[] = {
      {"no stop", 0, never, arrived, {"twk"}},
      {"no stop past one full room", 1, never, arrived, {"twk", "twk2"}},
      {"no stop past three full rooms", 3, never, arrived, {"twk", "twk2", "twk3", "twk4"}},
      {"the first pause", 0, [&] { return runner.Running && RoomLines().empty(); }, {}, {}},
      {"the second pause", 0, [&] { return RoomLines().size() == 1 && Requests().size() == asked; },
       {attempting}, {}},
      {"a wait while every name is full", 199, [&] { return Requests().size() > asked + 2; },
       {attempting}, {}},
      {"no stop after the stops", 0, never, arrived, {}},
  };
  // clang-format on
  program->frmOptions.Click("cmdRoomRunner");
  EXPECT_TRUE(runner.visible && !program->frmMain.visible);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stopIn);
    aol->EnterRoom("Lobby 12");
    for (int n = 1; n < 200; ++n) {
      aol->Client().Chat().FillRoom(n == 1 ? "twk" : "twk" + std::to_string(n), n <= c.fullNames);
    }
    ForgetRoomLines();
    asked = Requests().size();
    RunStoppingWhen([&] { runner.Label1_Click(); }, c.when, [&] { runner.Label3_Click(); });
    EXPECT_THAT(RoomLines(), ElementsAreArray(c.lines));
    if (!c.asked.empty()) {
      EXPECT_THAT(std::vector<std::string>(Requests().begin() + static_cast<std::ptrdiff_t>(asked),
                                           Requests().end()),
                  ElementsAreArray(c.asked));
      EXPECT_EQ(aol->Client().Chat().RoomName(), c.asked.back());
    }
    EXPECT_TRUE(runner.txtBuster.enabled);
    EXPECT_FALSE(runner.Running);
  }
  runner.Label5_Click();
  EXPECT_TRUE(!runner.visible && program->frmMain.visible);
}

// With no answer from AOL each wait ends at its bound as a refusal and the next name is asked
// for; a stop takes effect within two bounds, and a start pressed meanwhile is no second run.
TEST_F(RoomToolsTest, RunnerWithoutAnswersMovesOnAtEachBoundAndStopsWithinTwo) {
  FrmRunner& runner = program->frmRunner;
  aol->Exit();
  const std::uint32_t stopAt = 2 * timeouts::kRoomAnswerMs + 7000;  // in the second name's wait
  sim.loop.ScheduleOnce(stopAt, [&] { runner.Label3_Click(); });
  sim.loop.ScheduleOnce(stopAt + 1000, [&] { runner.Label1_Click(); });
  sim.loop.ScheduleOnce(10 * timeouts::kRoomAnswerMs,
                        [&] { runner.Label3_Click(); });  // ends a second run
  const std::uint64_t started = sim.clock.MonotonicMs();
  runner.Label1_Click();
  EXPECT_LE(sim.clock.MonotonicMs() - started, stopAt + 2 * timeouts::kRoomAnswerMs);
  EXPECT_THAT(RoomWaitsGivenUp(), ElementsAre("twk", "twk", "twk2", "twk2"));
  EXPECT_TRUE(runner.txtBuster.enabled);
}

}  // namespace
}  // namespace drelm::testing
