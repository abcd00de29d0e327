// The real shell services where the end-to-end scenarios do not reach: an over-long tray tip,
// a process that is not there, a program that cannot start, and the cursor. (The icon itself,
// the client's program path and its version resource are checked through the program.)
#include <gtest/gtest.h>

#include "platform/win32/win32_api.h"
#include "platform/win32/win32_shell.h"

namespace drelm::contract {
namespace {

TEST(Win32Shell, AnOverLongTipIsCutAndMissingProcessesAndProgramsAreReported) {
  win32::Win32Shell shell;
  EXPECT_TRUE(shell.TrayAdd(std::string(300, 'x'))) << "an over-long tip is cut, not refused";
  EXPECT_TRUE(shell.TrayDelete());
  EXPECT_FALSE(shell.TrayDelete()) << "nothing left to delete";
  EXPECT_EQ(shell.ProcessExePath(0xFFFFFFF0u), "");
  EXPECT_EQ(shell.FileVersion("C:\\no such folder\\aol.exe"), "");
  EXPECT_FALSE(shell.StartProgram("C:\\no such folder\\aol.exe", "", SW_SHOWNORMAL));
  EXPECT_FALSE(shell.StartProgram("", "", SW_SHOWNORMAL));

  shell.SetCursorPos(Point{123, 45});
  EXPECT_EQ(shell.CursorPos(), (Point{123, 45}));
  EXPECT_GT(shell.ScreenSize().x, 0);
}

}  // namespace
}  // namespace drelm::contract
