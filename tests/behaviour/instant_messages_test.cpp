#include "aol/instant_messages.h"

#include "aol/keywords.h"
#include "aol_operations_fixture.h"
#include "core/timeouts.h"
#include "standin/instant_messages.h"
#include "support/message_checks.h"

namespace drelm::testing {
namespace {

using sim::Via;
using standin::InstantMessage;

class PerVersion : public AolOperationsTest, public ::testing::TestWithParam<int> {
 protected:
  PerVersion() : AolOperationsTest(GetParam()) { aol.StartSignedOn("Lobby 12"); }
};

TEST_P(PerVersion, KeywordTypedInTheVersionsOrderOpensItsWindow) {
  const Hwnd box = FindKeywordBox(sim.windows);
  sim.windows.ClearLog();
  GoKeyword(sim.windows, "buddylist");
  const std::vector<sim::ExpectedMessage> blankFirst = {
      {box, WM_CHAR, ' ', 0},
      {box, WM_SETTEXT, 0, 0, Via::kSent, "buddylist"},
      {box, WM_CHAR, '\r', 0}};
  const std::vector<sim::ExpectedMessage> textFirst = {
      {box, WM_SETTEXT, 0, 0, Via::kSent, "buddylist"},
      {box, WM_CHAR, ' ', 0},
      {box, WM_CHAR, '\r', 0}};
  EXPECT_MESSAGES(sim.windows.Log(), GetParam() == 4 ? blankFirst : textFirst);
  EXPECT_TRUE(sim.loop.RunUntil([&] { return MdiChild("Buddy Lists") != 0; }, 2000));
  EXPECT_EQ(aol.Seen().keywords, std::vector<std::string>{"buddylist"});
}

// One session: an IM out, one refused (box confirmed, window dropped), IMs off and on, and the
// user's own half-written IM left as it was.
TEST_P(PerVersion, SendsRefusesAndSwitchesImsWithoutTouchingTheUsersOwnWindow) {
  GoKeyword(sim.windows, "aol://9293:Friend");
  ASSERT_TRUE(sim.loop.RunUntil([&] { return MdiChild("Send Instant Message") != 0; }, 2000));
  const Hwnd own = MdiChild("Send Instant Message");
  SetControlText(sim.windows, FindNthChild(sim.windows, own, "RICHCNTL", 1), "half written");

  aol.RefuseIms("Ghosty");
  SendIm(context, "Joe", "brb, away");
  SendIm(context, "Ghosty", "anyone?");
  ImsOff(context);
  EXPECT_FALSE(aol.ImsOn());
  ImsOn(context);
  sim.loop.RunFor(1000);

  EXPECT_EQ(aol.Seen().imsSent, (std::vector<InstantMessage>{{"Joe", "brb, away"}}));
  EXPECT_EQ(aol.Seen().imsRefused, (std::vector<InstantMessage>{{"Ghosty", "anyone?"}}));
  EXPECT_EQ(aol.Seen().imSwitches, (std::vector<std::string>{"$IM_OFF", "$IM_ON"}));
  EXPECT_TRUE(aol.ImsOn());
  EXPECT_EQ(aol.Seen().boxesDismissed, 1);
  // Only the user's own window is left, with what the user wrote.
  EXPECT_EQ(MdiChild("Send Instant Message"), own);
  EXPECT_EQ(sim.windows.FindWindowEx(FindAolMdiClient(sim.windows), own, std::string("AOL Child"),
                                     std::string("Send Instant Message")),
            0u);
  EXPECT_EQ(GetControlText(sim.windows, FindNthChild(sim.windows, own, "RICHCNTL", 1)),
            "half written");
  EXPECT_EQ(LogText(), "");
}

INSTANTIATE_TEST_SUITE_P(Aol, PerVersion, ::testing::Values(4, 5, 6, 7));

TEST(SendIm, EmptyRecipientOrNoClientSendsNothing) {
  AolOperationsTest t;
  SendIm(t.context, "Joe", "hello");  // no client running
  t.aol.StartSignedOn();
  t.sim.windows.ClearLog();
  SendIm(t.context, "", "hello");
  EXPECT_TRUE(t.sim.windows.Log().empty());
  EXPECT_TRUE(t.aol.Seen().keywords.empty());
  EXPECT_EQ(t.Elapsed(), 0u);
}

TEST(SendIm, GivesUpOnAWindowThatNeverComesAndOnASendThatIsNeverAnswered) {
  AolOperationsTest t;
  t.DeafFrame();
  SendIm(t.context, "Joe", "hello");
  EXPECT_EQ(t.Elapsed(), timeouts::kKeywordWindowMs);

  // A window that takes the text and ignores Send.
  const Hwnd win = t.AddChild(t.mdi, "AOL Child", 1, "Send Instant Message");
  t.AddChild(win, "RICHCNTL");
  t.sim.windows.SetHandler(t.keywordBox, [&](Hwnd, const sim::SimMessage& m) {
    if (m.msg == WM_CHAR && m.wParam == '\r') {
      const Hwnd fresh = t.AddChild(t.mdi, "AOL Child", 1, "Send Instant Message");
      t.AddChild(fresh, "RICHCNTL");
      t.AddChild(fresh, "_AOL_Icon", 9);
    }
    return std::optional<LResult>();
  });
  const std::uint64_t start = t.Now();
  SendIm(t.context, "Joe", "hello");
  EXPECT_EQ(t.Now() - start, timeouts::kImSendAnswerMs);
  EXPECT_NE(t.LogText().find("im to Joe not sent - no instant message window"), std::string::npos);
  EXPECT_NE(t.LogText().find("im to Joe - no answer from aol"), std::string::npos);
  EXPECT_EQ(GetControlText(t.sim.windows, FindNthChild(t.sim.windows, win, "RICHCNTL", 1)), "")
      << "a window open before the keyword is not ours to write into";
}

TEST(IncomingIm, OnlyWindowsNamingASenderCountAndTheFirstInMdiOrderWins) {
  AolOperationsTest t;
  t.aol.StartSignedOn();
  EXPECT_EQ(FindIncomingIm(t.sim.windows), 0u);
  GoKeyword(t.sim.windows, "aol://9293:Friend");
  t.sim.loop.RunFor(1000);
  EXPECT_EQ(FindIncomingIm(t.sim.windows), 0u) << "our own outgoing window is not incoming";
  EXPECT_EQ(IncomingImSender(t.sim.windows), "");

  t.aol.ReceiveIm("SomeOne", "hi");
  t.aol.ReceiveIm("Other Guy", "yo");
  EXPECT_EQ(FindIncomingIm(t.sim.windows), t.MdiChild("Instant Message From: Other Guy"));
  EXPECT_EQ(IncomingImSender(t.sim.windows), "other guy");
  t.aol.ReceiveIm("SomeOne", "still there?");  // brings its window to the front
  EXPECT_EQ(IncomingImSender(t.sim.windows), "someone");
}

}  // namespace
}  // namespace drelm::testing
