// Which recorded program paths disconnect protection may start.

#include <gtest/gtest.h>

#include "aol/process_path.h"

namespace drelm {
namespace {

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
