#include "core/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <set>

#include "core/file_replace.h"
#include "platform/posix/posix_files.h"
#include "platform/sim/sim_shell.h"
#include "support/temp_folder.h"

namespace drelm {
namespace {

posix::PosixFiles files;

TEST(FileExists, TrueOnlyForAnExistingFile) {
  testing::TempFolder folder;
  const auto file = folder.path() / "drelm-reasons.tmp";
  EXPECT_FALSE(FileExists(files, ""));
  EXPECT_FALSE(FileExists(files, file));
  EXPECT_FALSE(FileExists(files, folder.path())) << "a folder is not a file";
  std::ofstream(file) << "brb\r\n";
  EXPECT_TRUE(FileExists(files, file));
  std::ofstream(folder.path() / "empty").close();
  EXPECT_TRUE(FileExists(files, folder.path() / "empty"));
}

TEST(PlaySoundFile, PlaysAnExistingFileAsyncWithoutDefaultAndSkipsAMissingOne) {
  testing::TempFolder folder;
  sim::SimShell shell;
  const std::string click = ClickSoundPath(folder.path().string());
  EXPECT_EQ(click, folder.path() / "add1.wav");

  PlaySoundFile(shell, files, click);
  EXPECT_TRUE(shell.Sounds().empty());

  std::ofstream(click) << "RIFF";
  PlaySoundFile(shell, files, click);
  ASSERT_EQ(shell.Sounds().size(), 1u);
  EXPECT_EQ(shell.Sounds()[0].path, click);
  EXPECT_EQ(shell.Sounds()[0].flags, 3u);
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST(AppendLineDurably,
     AddsCrLfLinesKeepsAHandTypedLastLineApartAndNeverOverwritesWhatItCannotRead) {
  testing::TempFolder folder;
  const auto file = folder.path() / kAwayMessagesFileName;
  ASSERT_TRUE(AppendLineDurably(files, file, "|[im]|-[1:00:00 PM]- Tommy K: "));
  EXPECT_EQ(ReadBytes(file), "|[im]|-[1:00:00 PM]- Tommy K: \r\n");

  std::ofstream(file, std::ios::binary | std::ios::app) << "note typed by hand";
  ::chmod(file.c_str(), 0600);
  ASSERT_TRUE(AppendLineDurably(files, file, "|[chat]|-[1:01:00 PM]- Sue: hi"));
  EXPECT_EQ(
      ReadBytes(file),
      "|[im]|-[1:00:00 PM]- Tommy K: \r\nnote typed by hand\r\n|[chat]|-[1:01:00 PM]- Sue: hi\r\n");
  struct stat info {};
  ASSERT_EQ(::stat(file.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u) << "a private file stays private";

  if (::geteuid() != 0) {  // the superuser reads every file
    ::chmod(file.c_str(), 0200);
    EXPECT_FALSE(AppendLineDurably(files, file, "lost"));
    ::chmod(file.c_str(), 0600);
    EXPECT_EQ(ReadBytes(file).find("lost"), std::string::npos);
  }
  EXPECT_FALSE(AppendLineDurably(files, folder.path(), "x")) << "a folder is not a file";
}

TEST(ReplaceFileContents, SweepsOnlyItsOwnFilesTemporariesOnceTheyAreOld) {
  testing::TempFolder folder;
  const auto file = folder.path() / kReasonsFileName;
  const auto hourAgo = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
  const std::set<std::string> kept = {"drelm-reasons.tmp.77.new", "drelm-reasons.tmp.x1.new",
                                      "log.txt.77.new", "drelm-reasons.tmp"};
  for (const char* name : {"drelm-reasons.tmp.77.new", "drelm-reasons.tmp.99999.new",
                           "drelm-reasons.tmp.new", "drelm-reasons.tmp.x1.new", "log.txt.77.new"}) {
    std::ofstream(folder.path() / name) << "half a list";
    if (std::string(name) != "drelm-reasons.tmp.77.new") {
      std::filesystem::last_write_time(folder.path() / name, hourAgo);
    }
  }
  ASSERT_TRUE(ReplaceFileContents(files, file, "brb\r\n"));
  EXPECT_EQ(ReadBytes(file), "brb\r\n");
  std::set<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    left.insert(entry.path().filename().string());
  }
  EXPECT_EQ(left, kept) << "fresh ones may belong to a live writer; other names are not ours";
}

}  // namespace
}  // namespace drelm
