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

}  // namespace
}  // namespace drelm
