// The chat scanner against hand-built chat rooms: which lines it raises, when, and what a quiet
// tick costs. Lines are written the way AOL's room text holds them.
#include "idle/chat_scanner.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/timeouts.h"
#include "platform/sim/simulator.h"
#include "platform/winuser_constants.h"
#include "support/aol_tree.h"

namespace drelm {
namespace {

using testing::AddChatRoom;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::MakeAolFrame;

class ChatScannerTest : public ::testing::Test {
 protected:
  ChatScannerTest() {
    scanner.ChatLine = [this](const std::string& name, const std::string& text) {
      raised.push_back(name + "|" + text);
    };
  }

  void Say(Hwnd view, const std::string& name, const std::string& text) {
    ws.SetText(view, ws.Text(view) + "\r\n" + name + ":\t" + text);
  }
  // Two ticks: one that reads the new lines, one that finds the text settled.
  void Ticks(int count = 2) { sim.loop.RunFor(count * timeouts::kChatScanIntervalMs); }
  std::vector<std::string> Raised() { return std::exchange(raised, {}); }

  sim::Simulator sim;
  sim::SimWindowSystem& ws = sim.windows;
  EventEntry entry;
  testing::AolTree tree = MakeAolFrame(ws, "");
  testing::ChatRoomWindows lobby = AddChatRoom(ws, tree.mdi, "Lobby");
  ChatScanner scanner{ws, sim.loop, entry, "Chat1"};
  std::vector<std::string> raised;
};

TEST_F(ChatScannerTest, RaisesEachSettledNewLineOnceAndNothingFromBeforeTheStartOrAfterAStop) {
  Say(lobby.view, "Ann", "old news");
  scanner.StartScan();
  Ticks();
  EXPECT_THAT(Raised(), IsEmpty());

  Say(lobby.view, "Ann", "bob, ca");
  Ticks(1);
  ws.SetText(lobby.view, ws.Text(lobby.view) + "ll me");  // still being written
  Ticks(1);
  EXPECT_THAT(Raised(), IsEmpty());
  Say(lobby.view, "OnlineHost", "");
  ws.SetText(lobby.view, ws.Text(lobby.view) + "\r\n*** a notice without a sender");
  Say(lobby.view, "", "a line without a name");
  Say(lobby.view, "Carl", "brb");
  Say(lobby.view, "Carl", "brb");
  Ticks();
  EXPECT_THAT(Raised(), ElementsAre("Ann|bob, call me", "OnlineHost|", "Carl|brb", "Carl|brb"));
  // The last lines taken, said again: found where they were taken, not where they are repeated.
  Say(lobby.view, "", "a line without a name");
  Say(lobby.view, "Carl", "brb");
  Say(lobby.view, "Carl", "brb");
  Ticks();
  EXPECT_THAT(Raised(), ElementsAre("Carl|brb", "Carl|brb"));
  Ticks(5);
  EXPECT_THAT(Raised(), IsEmpty());

  scanner.StopScan();
  Say(lobby.view, "Ann", "anyone?");
  Ticks();
  EXPECT_THAT(Raised(), IsEmpty());
  EXPECT_FALSE(scanner.Scanning());

  // A new start counts what came while stopped as old.
  scanner.StartScan();
  Say(lobby.view, "Dee", "hi");
  Ticks();
  EXPECT_THAT(Raised(), ElementsAre("Dee|hi"));

  // A stop inside a handler drops the rest of that tick.
  scanner.ChatLine = [this](const std::string& name, const std::string&) {
    raised.push_back(name);
    scanner.StopScan();
  };
  Say(lobby.view, "Ann", "one");
  Say(lobby.view, "Bo", "two");
  Say(lobby.view, "Cy", "three");
  Ticks();
  EXPECT_THAT(Raised(), ElementsAre("Ann"));
}

TEST_F(ChatScannerTest, AQuietTickAsksOnlyTheLengthAndNoHangOrTrimOfTheTopLosesOrRepeatsALine) {
  for (int i = 0; i < 50; ++i) Say(lobby.view, "Ann", "line " + std::to_string(i));
  scanner.StartScan();
  Say(lobby.view, "Ann", "brb");
  Ticks();
  EXPECT_THAT(Raised(), ElementsAre("Ann|brb"));
  const std::size_t logMark = ws.Log().size();
  Ticks(10);
  for (const auto& record : ws.LogSince(logMark)) {
    if (record.window == lobby.view) {
      EXPECT_EQ(record.msg, WM_GETTEXTLENGTH);
    }
  }
  // A hung client's sends fail, which the window system gives as 0 and an empty text.
  bool hung = true;
  ws.SetHandler(lobby.view, [&](Hwnd, const sim::SimMessage& m) -> std::optional<LResult> {
    if (hung && (m.msg == WM_GETTEXTLENGTH || m.msg == WM_GETTEXT)) return 0;
    return std::nullopt;
  });
  Say(lobby.view, "Cy", "said while it hung");
  Ticks(3);
  EXPECT_THAT(Raised(), IsEmpty());
  hung = false;
  Ticks();
  EXPECT_THAT(Raised(), ElementsAre("Cy|said while it hung"));

  struct Case {
    const char* what;
    std::size_t keepLast;  // the trim keeps this many lines at the end
  };
  for (const Case& c : {Case{"trim far above", 40}, Case{"trim into the last lines seen", 1},
                        Case{"trim of every line seen", 0}}) {
    SCOPED_TRACE(c.what);
    const std::string text = ws.Text(lobby.view);
    std::size_t at = text.size();
    for (std::size_t kept = 0; kept < c.keepLast; ++kept) at = text.rfind("\r\n", at - 1);
    ws.SetText(lobby.view, c.keepLast == 0 ? "" : text.substr(at + 2));
    Say(lobby.view, "Ann", "brb");
    Say(lobby.view, "Bo", c.what);
    Ticks();
    EXPECT_THAT(Raised(), ElementsAre("Ann|brb", std::string("Bo|") + c.what));
  }
}

}  // namespace
}  // namespace drelm
