// The program's own files: the away messages appended line by line, the lists loaded and saved
// whole, and the temporaries a killed writer leaves behind.
#include "core/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <set>

#include "core/file_replace.h"
#include "core/list_box_files.h"
#include "platform/posix/posix_files.h"
#include "platform/sim/simulator.h"
#include "support/temp_folder.h"

namespace drelm {
namespace {

posix::PosixFiles files;

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

TEST(ListBoxFiles, LoadTakesWholeLinesWhateverTheLineEndsAndAFailedSaveKeepsTheOldFile) {
  sim::Simulator sim;
  testing::TempFolder folder;
  ListBox list;
  LoadListFromFile(sim.loop, sim.files, folder.path() / "missing.tmp", list);
  EXPECT_TRUE(list.items.empty());
  const auto file = folder.path() / "reasons.tmp";
  std::ofstream(file, std::ios::binary) << "line one, two\nunix\rold mac\r\nlast without end";
  LoadListFromFile(sim.loop, sim.files, file, list);
  EXPECT_EQ(list.items,
            (std::vector<std::string>{"line one, two", "unix", "old mac", "last without end"}));

  // A folder, not empty, where this process's temporary file would go makes the write fail.
  const auto temp = folder.path() / ("reasons.tmp." + std::to_string(::getpid()) + ".new");
  std::filesystem::create_directories(temp / "taken");
  list.items = {"new"};
  EXPECT_FALSE(SaveListToFile(sim.files, file, list));
  EXPECT_EQ(ReadBytes(file), "line one, two\nunix\rold mac\r\nlast without end");
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
