#include "core/list_box_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "platform/sim/simulator.h"
#include "support/file_text.h"
#include "support/temp_folder.h"

namespace drelm {
namespace {

void WriteAll(const std::filesystem::path& file, const std::string& content) {
  std::ofstream(file, std::ios::binary) << content;
}

class ListBoxFiles : public ::testing::Test {
 protected:
  sim::Simulator sim;
  testing::TempFolder folder;
  ListBox list;
};

TEST_F(ListBoxFiles, LoadTakesWholeLinesWhateverTheLineEnds) {
  const auto file = folder.path() / "reasons.txt";
  WriteAll(file, "line one, two\nunix\rold mac\r\nlast without end");
  LoadListFromFile(sim.loop, sim.files, file, list);
  EXPECT_EQ(list.items,
            (std::vector<std::string>{"line one, two", "unix", "old mac", "last without end"}));
}

TEST_F(ListBoxFiles, LoadOfAMissingFileAddsNothing) {
  LoadListFromFile(sim.loop, sim.files, folder.path() / "missing.tmp", list);
  EXPECT_TRUE(list.items.empty());
}

TEST_F(ListBoxFiles, FailedSaveKeepsThePreviousFile) {
  const auto file = folder.path() / "reasons.tmp";
  WriteAll(file, "old\r\n");
  list.items = {"new"};
  // A folder, not empty, where this process's temporary file would go makes the write fail.
  const auto temp = folder.path() / ("reasons.tmp." + std::to_string(::getpid()) + ".new");
  std::filesystem::create_directories(temp / "taken");
  EXPECT_FALSE(SaveListToFile(sim.files, file, list));
  EXPECT_EQ(testing::FileText(file), "old\r\n");
}

}  // namespace
}  // namespace drelm
