// The program file of the AOL client, as disconnect protection records and restarts it.

#include <gtest/gtest.h>

#include "aol/process_path.h"
#include "aol/window_lookup.h"
#include "platform/sim/simulator.h"

namespace drelm {
namespace {

TEST(ProcessPath, TheOwningProcessGivesItsFullPathAndNoWindowGivesNothing) {
  sim::Simulator sim;
  const ProcessId pid = sim.shell.AddProcess("C:\\Program Files\\AOL 6.0\\aol.exe");
  sim.windows.CreateWindow("AOL Frame25", "America Online", 0, {}, pid);
  EXPECT_EQ(ProcessPathOfWindow(sim.windows, sim.shell, FindAolMainWindow(sim.windows)),
            "C:\\Program Files\\AOL 6.0\\aol.exe");
  EXPECT_EQ(ProcessPathOfWindow(sim.windows, sim.shell, 0), "");
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
