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

// The client's program file as the process owning the main window, with a version resource.
Hwnd FrameOfProgram(sim::Simulator& sim, const std::string& helpItem, const std::string& version) {
  const std::string exe = "C:\\AOL\\aol.exe";
  const Hwnd frame =
      sim.windows.CreateWindow("AOL Frame25", "America Online", 0, {}, sim.shell.AddProcess(exe));
  const MenuHandle bar = sim.windows.CreateMenu();
  const MenuHandle help = sim.windows.CreateMenu();
  sim.windows.AppendMenuItem(help, "&Help Topics", 201);
  if (!helpItem.empty()) sim.windows.AppendMenuItem(help, helpItem, 202);
  sim.windows.AppendMenuItem(bar, "&Help", 0, help);
  sim.windows.SetMenu(frame, bar);
  if (!version.empty()) sim.shell.SetFileVersion(exe, version);
  return frame;
}

TEST(AolVersionOfProgram, TheDigitAfterTheHelpMenusMarkerWinsElseTheProgramFilesMajorNumber) {
  const struct {
    const char* helpItem;
    const char* fileVersion;
    bool menusUnreadable;  // a menu of another process, under Wine
    const char* version;
  } kCases[] = {
      {"&What's New In AOL 6.0", "", false, "6"},
      {"What's New In AOL 4.0", "", false, "4"},
      {"WHAT'S NEW IN AOL 7.0", "", false, "7"},
      {"Wh&at's New In AOL 5.0", "", false, ""},  // mark inside the marker
      {"&What's New In AOL", "", false, ""},
      {"&About America Online", "", false, ""},
      {"&What's New In AOL 5.0", "7.0.0.1", false, "5"},
      {"", "7.0.0.1", false, "7"},
      {"", "7.0.0.1", true, "7"},
      {"", "10.2.3.4", true, "10"},
      {"", "007.1", true, "7"},
      {"", "0.9.0.0", true, ""},
      {"", "v7.0", true, ""},
      {"", "7b.0", true, ""},
      {"", "", true, ""},
  };
  for (const auto& c : kCases) {
    sim::Simulator sim;
    FrameOfProgram(sim, c.helpItem, c.fileVersion);
    sim.windows.SetMenusUnreadable(c.menusUnreadable);
    EXPECT_EQ(AolVersion(sim.windows), c.version) << c.helpItem << " / " << c.fileVersion;
    EXPECT_EQ(AolVersionNumber(sim.windows), *c.version ? std::stoi(c.version) : 0);
  }
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
