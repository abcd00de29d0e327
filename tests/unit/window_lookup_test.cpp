#include "aol/window_lookup.h"

#include <gtest/gtest.h>

#include "aol/process_path.h"
#include "platform/sim/simulator.h"
#include "support/aol_tree.h"

namespace drelm {
namespace {

using testing::AddChatRoom;
using testing::AddImWindow;
using testing::MakeAolFrame;

class WindowLookup : public ::testing::Test {
 protected:
  sim::Simulator sim;
  sim::SimWindowSystem& ws = sim.windows;
};

TEST_F(WindowLookup, ChatRoomSkipsAnImWindowThatComesFirstAndTheActivatedRoomWins) {
  const auto tree = MakeAolFrame(ws, "");
  const Hwnd im = AddImWindow(ws, tree.mdi, "Buddy");
  const auto first = AddChatRoom(ws, tree.mdi, "One");
  ASSERT_EQ(ws.Children(tree.mdi).front(), im);
  const auto second = AddChatRoom(ws, tree.mdi, "Two");
  EXPECT_EQ(FindChatRoom(ws), first.room);
  ws.BringToTop(second.room);
  EXPECT_EQ(FindChatRoom(ws), second.room);
}

TEST(ProcessPath, OnlyADriveOrNetworkPathToAnExeIsAProgramToStart) {
  const struct {
    const char* path;
    bool full;
  } kCases[] = {
      {"C:\\Program Files\\America Online 6.0\\aol.exe", true},
      {"d:/aol/AOL.EXE", true},
      {"\\\\server\\share\\aol.exe", true},
      {"aol.exe", false},
      {"C:\\aol\\aol.ini", false},
      {"", false},
      {"..\\aol\\aol.exe", false},
  };
  for (const auto& c : kCases) EXPECT_EQ(IsFullProgramPath(c.path), c.full) << c.path;
}

}  // namespace
}  // namespace drelm
