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
  Hwnd Icon(int n) { return FindNthChild(Windows(), FindChatRoom(Windows()), "_AOL_Icon", n); }
};

// Enter and the send icon together post the line once, byte for byte, and empty the input;
// members' lines interleave in order and an empty input posts nothing. Only the fifth icon sends,
// and only after a button-down; a press on another icon is a stray.
TEST_F(ChatRoomTest, EnterPostsByteForByteAndOnlyTheFifthIconSendsOnceAndOnlyAfterAButtonDown) {
  const std::string line =
      "</u></i></b><font color=##336699><font face=\"Tahoma\">\x8B"
      "d\x9B <font face=\"Arial\">"
      "hi \xB7 there";
  std::vector<ChatLine> heard;
  aol.Client().Chat().OnLine([&](const ChatLine& said) { heard.push_back(said); });
  SetControlText(Windows(), Input(), line);
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
  EXPECT_EQ(GetControlText(Windows(), Input()), "");
  EXPECT_EQ(GetControlText(Windows(), FindChatView(Windows())), "\r\nBob Smith:\t" + line);

  aol.Say("Ann", "bob, call me");
  for (char c : std::string("ok!")) Windows().SendMessage(Input(), WM_CHAR, c, 0);
  Windows().SendMessage(Input(), WM_CHAR, '\r', 0);
  Windows().SendMessage(Input(), WM_CHAR, '\r', 0);
  EXPECT_TRUE(aol.UnexpectedInput().empty());
  SetControlText(Windows(), Input(), "by icon");
  PressSpace(Windows(), Icon(5));
  Press(Icon(4));
  EXPECT_EQ(aol.Transcript().size(), 3u) << "a key-down does not arm an icon, the fourth sends not";
  EXPECT_FALSE(aol.Strays().empty()) << "a press on a wrong icon must be visible";
  Press(Icon(5));
  const std::vector<ChatLine> expected = {{"Lobby 12", "Bob Smith", line},
                                          {"Lobby 12", "Ann", "bob, call me"},
                                          {"Lobby 12", "Bob Smith", "ok!"},
                                          {"Lobby 12", "Bob Smith", "by icon"}};
  EXPECT_EQ(aol.Transcript(), expected);
  EXPECT_EQ(heard, expected);
}

}  // namespace
}  // namespace drelm::standin::testing
