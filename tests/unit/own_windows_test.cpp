#include "core/own_windows.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "platform/sim/simulator.h"
#include "platform/winuser_constants.h"
#include "support/file_text.h"
#include "support/message_checks.h"
#include "support/temp_folder.h"

namespace drelm {
namespace {

using sim::Via;

void WriteAll(const std::filesystem::path& file, const std::string& content) {
  std::ofstream(file, std::ios::binary) << content;
}

class OwnWindows : public ::testing::Test {
 protected:
  sim::Simulator sim;
  sim::SimWindowSystem& ws = sim.windows;
  testing::TempFolder folder;
  Hwnd list = ws.CreateWindow("ListBox", "");
};

TEST_F(OwnWindows, DragReleasesCaptureThenMovesByCaption) {
  const Hwnd form = ws.CreateWindow("ThunderForm", "drelm");
  DragForm(ws, form);
  EXPECT_EQ(ws.CaptureReleases(), 1);
  EXPECT_MESSAGES(ws.Log(), {{form, WM_SYSCOMMAND, 0xF012, 0, Via::kSent}});
  StayOnTop(ws, form);
  EXPECT_TRUE(ws.Topmost(form));
}

TEST_F(OwnWindows, SavedListLoadsBackItemForItem) {
  ws.ListItems(list) = {"no reason", "at work, back soon", "",
                        "\x8B"
                        "d\x9B \"quoted\""};
  const auto file = folder.path() / "drelm-reasons.tmp";
  ASSERT_TRUE(SaveListToFile(ws, file, list));
  EXPECT_EQ(testing::FileText(file),
            "no reason\r\nat work, back soon\r\n\r\n\x8B"
            "d\x9B \"quoted\"\r\n");
  const Hwnd other = ws.CreateWindow("ListBox", "");
  LoadListFromFile(ws, sim.loop, file, other);
  EXPECT_EQ(ws.ListItems(other), ws.ListItems(list));
}

TEST_F(OwnWindows, LoadTakesWholeLinesWhateverTheLineEnds) {
  const auto file = folder.path() / "reasons.txt";
  WriteAll(file, "line one, two\nunix\rold mac\r\nlast without end");
  LoadListFromFile(ws, sim.loop, file, list);
  EXPECT_EQ(ws.ListItems(list),
            (std::vector<std::string>{"line one, two", "unix", "old mac", "last without end"}));
}

TEST_F(OwnWindows, LoadOfAMissingFileAddsNothing) {
  LoadListFromFile(ws, sim.loop, folder.path() / "missing.tmp", list);
  EXPECT_TRUE(ws.ListItems(list).empty());
}

TEST_F(OwnWindows, FailedSaveKeepsThePreviousFile) {
  const auto file = folder.path() / "reasons.tmp";
  WriteAll(file, "old\r\n");
  ws.ListItems(list) = {"new"};
  // A folder, not empty, where this process's temporary file would go makes the write fail.
  const auto temp = folder.path() / ("reasons.tmp." + std::to_string(::getpid()) + ".new");
  std::filesystem::create_directories(temp / "taken");
  EXPECT_FALSE(SaveListToFile(ws, file, list));
  EXPECT_EQ(testing::FileText(file), "old\r\n");
}

}  // namespace
}  // namespace drelm
