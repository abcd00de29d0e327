#include "standin/script_protocol.h"

#include "standin_fixture.h"

namespace drelm::standin::testing {
namespace {

TEST(ScriptFields, EscapingRoundTripsEveryByte) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string escaped = EscapeField(all);
  EXPECT_EQ(escaped.find_first_of("\t\n"), std::string::npos);
  EXPECT_EQ(UnescapeField(escaped), all);
  EXPECT_EQ(SplitCommand("say\tAnn\tx\\ty \\x8Bd\\x9B\r\n"), (std::vector<std::string>{"say", "Ann",
                                                                                       "x\ty \x8B"
                                                                                       "d\x9B"}));
  EXPECT_EQ(UnescapeField("a\\xZ1\\x4"), "axZ1x4") << "a stray or cut escape stays as written";
}

// One scripted session: each command and the rows it must answer.
TEST(ScriptProtocol, ScriptsTheClientReadsObservationsBackAndAnswersBadCommandsWithAnError) {
  StandInTest t(Version(6));
  ScriptProtocol script(t.aol);
  const struct {
    const char* command;
    std::vector<std::string> reply;
  } session[] = {
      {"frobnicate", {"error unknown command: frobnicate"}},
      {"fill-room\tTwk\tmany", {"error not a number: many"}},
      {"say\tAnn", {"error missing argument 2"}},
      {"flash-box\t9\t1", {"error no such box"}},
      {"start-signed-on\tLobby 12", {"ok"}},
      {"say\tAnn\tbob, call me", {"ok"}},
      {"refuse-ims\tCarl", {"ok"}},
      {"receive-im\tAnn\thi", {"ok"}},
      {"box\tHello", {"ok"}},
      {"ims-received", {"ok 1", "Ann\thi"}},
      {"boxes", {"ok 1", "Hello"}},
      {"strays", {"ok 0"}},
      {"transcript", {"ok 1", "Lobby 12\tAnn\tbob, call me"}},
  };
  for (const auto& [command, reply] : session) EXPECT_EQ(script.Handle(command), reply) << command;
  const Hwnd input = FindChatInput(t.Windows());
  SetControlText(t.Windows(), input, "tab\there \xB7");
  t.Windows().SendMessage(input, WM_CHAR, '\r', 0);
  EXPECT_EQ(script.Handle("transcript").back(), "Lobby 12\tBob Smith\ttab\\there \\xB7");
  const std::vector<std::string> state = script.Handle("state");
  EXPECT_EQ(state[0], "ok 15");
  EXPECT_EQ(state[3], "signed-on\t1");
  EXPECT_EQ(state[4], "room\tLobby 12");
}

}  // namespace
}  // namespace drelm::standin::testing
