#include "core/files.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/sim/sim_shell.h"
#include "support/temp_folder.h"

namespace drelm {
namespace {

TEST(FileExists, TrueOnlyForAnExistingFile) {
  testing::TempFolder folder;
  const auto file = folder.path() / "drelm-reasons.tmp";
  EXPECT_FALSE(FileExists(""));
  EXPECT_FALSE(FileExists(file));
  EXPECT_FALSE(FileExists(folder.path())) << "a folder is not a file";
  std::ofstream(file) << "brb\r\n";
  EXPECT_TRUE(FileExists(file));
  std::ofstream(folder.path() / "empty").close();
  EXPECT_TRUE(FileExists(folder.path() / "empty"));
}

TEST(PlaySoundFile, PlaysAnExistingFileAsyncWithoutDefaultAndSkipsAMissingOne) {
  testing::TempFolder folder;
  sim::SimShell shell;
  const auto click = ClickSoundPath(folder.path());
  EXPECT_EQ(click, folder.path() / "add1.wav");

  PlaySoundFile(shell, click);
  EXPECT_TRUE(shell.Sounds().empty());

  std::ofstream(click) << "RIFF";
  PlaySoundFile(shell, click);
  ASSERT_EQ(shell.Sounds().size(), 1u);
  EXPECT_EQ(shell.Sounds()[0].path, click.string());
  EXPECT_EQ(shell.Sounds()[0].flags, 3u);
}

}  // namespace
}  // namespace drelm
