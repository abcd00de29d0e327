#include "standin_fixture.h"
#include "support/message_checks.h"

namespace drelm::standin::testing {
namespace {

using sim::ExpectedMessage;
using sim::Via;

class ChatRoomTest : public ::testing::Test, public StandInTest {
 protected:
  ChatRoomTest() : StandInTest(Version(6)) { aol.StartSignedOn("Lobby 12"); }
};

TEST_F(ChatRoomTest, EnterPostsTheInputByteForByteAndEmptiesItAndMembersLinesInterleave) {
  const std::string line =
      "</u></i></b><font color=##336699><font face=\"Tahoma\">\x8B"
      "d\x9B <font face=\"Arial\">"
      "hi \xB7 there";
  const Hwnd input = FindChatInput(Windows());
  SetControlText(Windows(), input, "");
  SetControlText(Windows(), input, line);
  Windows().SendMessage(input, WM_CHAR, '\r', 0);
  ASSERT_EQ(aol.Transcript().size(), 1u);
  EXPECT_EQ(aol.Transcript()[0], (ChatLine{"Lobby 12", "Bob Smith", line}));
  EXPECT_EQ(GetControlText(Windows(), input), "");
  EXPECT_EQ(GetControlText(Windows(), FindChatView(Windows())), "\r\nBob Smith:\t" + line);
  EXPECT_TRUE(aol.UnexpectedInput().empty());

  // Typed characters and members' lines reach the room in order; an empty input posts nothing.
  std::vector<ChatLine> heard;
  aol.Client().Chat().OnLine([&](const ChatLine& said) { heard.push_back(said); });
  aol.Say("Ann", "bob, call me");
  for (char c : std::string("ok!")) Windows().SendMessage(input, WM_CHAR, c, 0);
  Windows().SendMessage(input, WM_CHAR, '\r', 0);
  Windows().SendMessage(input, WM_CHAR, '\r', 0);
  const std::vector<ChatLine> expected = {{"Lobby 12", "Bob Smith", line},
                                          {"Lobby 12", "Ann", "bob, call me"},
                                          {"Lobby 12", "Bob Smith", "ok!"}};
  EXPECT_EQ(aol.Transcript(), expected);
  EXPECT_EQ(heard, std::vector<ChatLine>(expected.begin() + 1, expected.end()));
}

TEST_F(ChatRoomTest, EnterAndTheSendIconTogetherPostTheLineOnce) {
  const Hwnd input = FindChatInput(Windows());
  SetControlText(Windows(), input, "once");
  const std::size_t mark = Windows().Log().size();
  Windows().SendMessage(input, WM_CHAR, '\r', 0);
  ClickChatSend(Windows());
  Pump();
  const Hwnd send = Nth(FindChatRoom(Windows()), "_AOL_Icon", 5);
  EXPECT_MESSAGES(Windows().LogSince(mark),
                  {ExpectedMessage{input, WM_CHAR, '\r', 0, Via::kSent},
                   ExpectedMessage{send, WM_LBUTTONDOWN, 0, 0, Via::kPosted},
                   ExpectedMessage{send, WM_LBUTTONUP, 0, 0, Via::kPosted},
                   ExpectedMessage{send, WM_KEYDOWN, VK_SPACE, 0, Via::kSent},
                   ExpectedMessage{send, WM_KEYUP, VK_SPACE, 0, Via::kSent}});
  ASSERT_EQ(aol.Transcript().size(), 1u);
  EXPECT_EQ(aol.Transcript()[0].text, "once");
}

TEST_F(ChatRoomTest, OnlyTheFifthIconSendsAndOnlyAfterAButtonDown) {
  const Hwnd room = FindChatRoom(Windows());
  SetControlText(Windows(), FindChatInput(Windows()), "by icon");
  PressSpace(Windows(), Nth(room, "_AOL_Icon", 5));  // a key-down does not arm an icon
  EXPECT_TRUE(aol.Transcript().empty());
  Press(Nth(room, "_AOL_Icon", 4));
  EXPECT_TRUE(aol.Transcript().empty());
  EXPECT_FALSE(aol.Strays().empty()) << "a press on a wrong icon must be visible";
  Press(Nth(room, "_AOL_Icon", 5));
  ASSERT_EQ(aol.Transcript().size(), 1u);
  EXPECT_EQ(aol.Transcript()[0].text, "by icon");
}

TEST_F(ChatRoomTest, ATooLongLineIsRefusedWithTheBoxAndStaysInTheInput) {
  aol.SetChatLineLimit(10);
  const Hwnd input = FindChatInput(Windows());
  SetControlText(Windows(), input, "eleven long");
  Windows().SendMessage(input, WM_CHAR, '\r', 0);
  EXPECT_TRUE(aol.Transcript().empty());
  EXPECT_EQ(GetControlText(Windows(), input), "eleven long");
  const Hwnd ok = Windows().FindWindowEx(AolBox(), 0, std::string("Button"), std::string("OK"));
  ASSERT_NE(ok, 0u);
  ClickMouse(Windows(), ok);
  Pump();
  EXPECT_EQ(AolBox(), 0u);
  EXPECT_EQ(aol.Seen().boxesDismissed, 1);
}

TEST_F(ChatRoomTest, TheRoomRequestTakesItsTimeSoWaitsAreExercised) {
  aol.Exit();
  StandInTest slow(Version(6, Delays{}));
  slow.aol.StartSignedOn("Lobby 12");
  slow.Keyword("aol://2719:2-2-Twk");
  slow.Pump(1000);  // the keyword and the room each take a while
  EXPECT_EQ(GetCaption(slow.Windows(), FindChatRoom(slow.Windows())), "Lobby 12");
  EXPECT_TRUE(slow.RunUntil(
      [&] { return GetCaption(slow.Windows(), FindChatRoom(slow.Windows())) == "Twk"; }, 5000));
}

}  // namespace
}  // namespace drelm::standin::testing
