#include "standin/script_protocol.h"

#include "standin_fixture.h"

namespace drelm::standin::testing {
namespace {

TEST(ScriptFields, EscapingRoundTripsEveryByte) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string escaped = EscapeField(all);
  EXPECT_EQ(escaped.find('\t'), std::string::npos);
  EXPECT_EQ(escaped.find('\n'), std::string::npos);
  EXPECT_EQ(UnescapeField(escaped), all);
  EXPECT_EQ(SplitCommand("say\tAnn\tx\\ty \\x8Bd\\x9B\r\n"), (std::vector<std::string>{"say", "Ann",
                                                                                       "x\ty \x8B"
                                                                                       "d\x9B"}));
  // A stray or cut escape stays as it is written.
  EXPECT_EQ(UnescapeField("a\\xZ1\\x4"), "axZ1x4");
}

class ScriptProtocolTest : public ::testing::Test, public StandInTest {
 protected:
  ScriptProtocolTest() : StandInTest(Version(6)), script(aol) {}
  ScriptProtocol script;
};

TEST_F(ScriptProtocolTest, ScriptsTheClientAndReadsTheTranscriptBack) {
  EXPECT_EQ(script.Handle("start-signed-on\tLobby 12"), (std::vector<std::string>{"ok"}));
  EXPECT_EQ(script.Handle("say\tAnn\tbob, call me"), (std::vector<std::string>{"ok"}));
  const Hwnd input = FindChatInput(Windows());
  SetControlText(Windows(), input, "tab\there \xB7");
  Windows().SendMessage(input, WM_CHAR, '\r', 0);
  EXPECT_EQ(script.Handle("transcript"),
            (std::vector<std::string>{"ok 2", "Lobby 12\tAnn\tbob, call me",
                                      "Lobby 12\tBob Smith\ttab\\there \\xB7"}));
  const std::vector<std::string> state = script.Handle("state");
  EXPECT_EQ(state[0], "ok 15");
  EXPECT_EQ(state[3], "signed-on\t1");
  EXPECT_EQ(state[4], "room\tLobby 12");
}

TEST_F(ScriptProtocolTest, BadCommandsAreAnsweredWithAnError) {
  EXPECT_EQ(script.Handle("frobnicate"),
            (std::vector<std::string>{"error unknown command: frobnicate"}));
  EXPECT_EQ(script.Handle("fill-room\tTwk\tmany"),
            (std::vector<std::string>{"error not a number: many"}));
  EXPECT_EQ(script.Handle("say\tAnn"), (std::vector<std::string>{"error missing argument 2"}));
  EXPECT_EQ(script.Handle("flash-box\t9\t1"), (std::vector<std::string>{"error no such box"}));
  EXPECT_TRUE(aol.Transcript().empty());
}

TEST_F(ScriptProtocolTest, ObservationsComeAsRows) {
  script.Handle("start-signed-on");
  script.Handle("refuse-ims\tCarl");
  script.Handle("receive-im\tAnn\thi");
  script.Handle("box\tHello");
  EXPECT_EQ(script.Handle("ims-received"), (std::vector<std::string>{"ok 1", "Ann\thi"}));
  EXPECT_EQ(script.Handle("boxes"), (std::vector<std::string>{"ok 1", "Hello"}));
  EXPECT_EQ(script.Handle("strays"), (std::vector<std::string>{"ok 0"}));
}

}  // namespace
}  // namespace drelm::standin::testing
