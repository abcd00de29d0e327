#include "standin/chat_room.h"
#include "standin_fixture.h"
#include "support/message_checks.h"

namespace drelm::standin::testing {
namespace {

using sim::ExpectedMessage;
using sim::Via;

class ChatRoomTest : public ::testing::Test, public StandInTest {
 protected:
  ChatRoomTest() : StandInTest(Version(6)) { aol.StartSignedOn("Lobby 12"); }
  Hwnd Input() { return FindChatInput(Windows()); }
  Hwnd Icon(int n) { return Nth(FindChatRoom(Windows()), "_AOL_Icon", n); }
};

TEST_F(ChatRoomTest, EnterPostsTheInputByteForByteAndEmptiesItAndMembersLinesInterleave) {
  const std::string line =
      "</u></i></b><font color=##336699><font face=\"Tahoma\">\x8B"
      "d\x9B <font face=\"Arial\">"
      "hi \xB7 there";
  SetControlText(Windows(), Input(), line);
  Windows().SendMessage(Input(), WM_CHAR, '\r', 0);
  EXPECT_EQ(GetControlText(Windows(), Input()), "");
  EXPECT_EQ(GetControlText(Windows(), FindChatView(Windows())), "\r\nBob Smith:\t" + line);

  // Typed characters and members' lines reach the room in order; an empty input posts nothing.
  std::vector<ChatLine> heard;
  aol.Client().Chat().OnLine([&](const ChatLine& said) { heard.push_back(said); });
  aol.Say("Ann", "bob, call me");
  for (char c : std::string("ok!")) Windows().SendMessage(Input(), WM_CHAR, c, 0);
  Windows().SendMessage(Input(), WM_CHAR, '\r', 0);
  Windows().SendMessage(Input(), WM_CHAR, '\r', 0);
  const std::vector<ChatLine> expected = {{"Lobby 12", "Bob Smith", line},
                                          {"Lobby 12", "Ann", "bob, call me"},
                                          {"Lobby 12", "Bob Smith", "ok!"}};
  EXPECT_EQ(aol.Transcript(), expected);
  EXPECT_EQ(heard, std::vector<ChatLine>(expected.begin() + 1, expected.end()));
  EXPECT_TRUE(aol.UnexpectedInput().empty());
}

// Enter and the send icon together post the line once; only the fifth icon sends, and only after a
// button-down; a press on another icon is a stray.
TEST_F(ChatRoomTest, OnlyTheFifthIconSendsOnceAndOnlyAfterAButtonDown) {
  SetControlText(Windows(), Input(), "once");
  const std::size_t mark = Windows().Log().size();
  Windows().SendMessage(Input(), WM_CHAR, '\r', 0);
  ClickChatSend(Windows());
  Pump();
  EXPECT_MESSAGES(Windows().LogSince(mark),
                  {ExpectedMessage{Input(), WM_CHAR, '\r', 0, Via::kSent},
                   ExpectedMessage{Icon(5), WM_LBUTTONDOWN, 0, 0, Via::kPosted},
                   ExpectedMessage{Icon(5), WM_LBUTTONUP, 0, 0, Via::kPosted},
                   ExpectedMessage{Icon(5), WM_KEYDOWN, VK_SPACE, 0, Via::kSent},
                   ExpectedMessage{Icon(5), WM_KEYUP, VK_SPACE, 0, Via::kSent}});
  SetControlText(Windows(), Input(), "by icon");
  PressSpace(Windows(), Icon(5));  // a key-down does not arm an icon
  Press(Icon(4));
  EXPECT_EQ(aol.Transcript().size(), 1u);
  EXPECT_FALSE(aol.Strays().empty()) << "a press on a wrong icon must be visible";
  Press(Icon(5));
  ASSERT_EQ(aol.Transcript().size(), 2u);
  EXPECT_EQ(aol.Transcript()[0].text, "once");
  EXPECT_EQ(aol.Transcript()[1].text, "by icon");
}

}  // namespace
}  // namespace drelm::standin::testing
