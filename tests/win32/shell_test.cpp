// The real shell services: the tray icon comes and goes, this very process is listed with its
// full executable path, programs start (and a missing one is reported), the cursor moves.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/win32/win32_api.h"
#include "platform/win32/win32_shell.h"
#include "text/ansi.h"

namespace drelm::contract {
namespace {

std::string OwnExePath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

TEST(Win32Shell, TrayIconIsAddedModifiedAndDeletedAndTheCursorMovesWhereItIsPut) {
  win32::Win32Shell shell;
  EXPECT_FALSE(shell.TrayPresent());
  EXPECT_TRUE(shell.TrayAdd("drelm idle"));
  EXPECT_TRUE(shell.TrayPresent());
  EXPECT_TRUE(shell.TrayAdd(std::string(300, 'x'))) << "an over-long tip is cut, not refused";
  EXPECT_TRUE(shell.TrayDelete());
  EXPECT_FALSE(shell.TrayPresent());
  EXPECT_FALSE(shell.TrayDelete()) << "nothing left to delete";

  shell.SetCursorPos(Point{123, 45});
  EXPECT_EQ(shell.CursorPos(), (Point{123, 45}));
  const Point screen = shell.ScreenSize();
  EXPECT_GT(screen.x, 0);
  EXPECT_GT(screen.y, 0);
}

TEST(Win32Shell, ThisProcessIsListedWithItsExePathAndVersionAndAMissingProgramIsReported) {
  win32::Win32Shell shell;
  const std::vector<ProcessId> ids = shell.ProcessIds();
  EXPECT_NE(std::find(ids.begin(), ids.end(), GetCurrentProcessId()), ids.end());
  EXPECT_TRUE(EqualsIgnoreCase(shell.ProcessExePath(GetCurrentProcessId()), OwnExePath()))
      << shell.ProcessExePath(GetCurrentProcessId()) << " vs " << OwnExePath();
  EXPECT_EQ(shell.ProcessExePath(0xFFFFFFF0u), "");

  // The file version comes from the version resource only.
  EXPECT_EQ(shell.FileVersion(OwnExePath()), "") << "this test program has no version resource";
  EXPECT_EQ(shell.FileVersion("C:\\no such folder\\aol.exe"), "");
#ifdef DRELM_STANDIN5_EXE
  EXPECT_EQ(shell.FileVersion(DRELM_STANDIN5_EXE), "5.0.0.0");
#endif

  EXPECT_TRUE(shell.StartProgram(OwnExePath(), "--gtest_filter=NoSuchTest.Anywhere", SW_HIDE));
  EXPECT_FALSE(shell.StartProgram("C:\\no such folder\\aol.exe", "", SW_SHOWNORMAL));
  EXPECT_FALSE(shell.StartProgram("", "", SW_SHOWNORMAL));
}

}  // namespace
}  // namespace drelm::contract
