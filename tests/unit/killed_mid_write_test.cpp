// The files that keep the user's data, each written by a child process that is stopped dead
// (_exit, no unwinding, unflushed buffers lost) at every step of the write in turn, as a kill
// would stop the program, once on a system that replaces a file in one step and once on one that
// cannot (Windows 98 and ME). Afterwards the next read must see the old contents or the new ones,
// and the next run must write on as if nothing had happened.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "core/file_replace.h"
#include "core/files.h"
#include "core/list_box_files.h"
#include "platform/posix/file_registry.h"
#include "platform/posix/posix_files.h"
#include "platform/write_steps.h"
#include "support/temp_folder.h"

namespace drelm {
namespace {

namespace fs = std::filesystem;

// As the program reads it; an empty file is not told apart from none by the program, but here it
// would be a torn first write.
std::string ReadBytes(Files& files, const fs::path& path) {
  return ReadFileContents(files, path).value_or("(no file)");
}

// One file the program keeps: run n of the program writes it (run 0 makes the old contents).
struct KeptFile {
  const char* name;
  std::function<fs::path(const fs::path& folder)> path;
  std::function<bool(Files& files, const fs::path& folder, int run)> write;
};

bool SaveReasons(Files& files, const fs::path& folder, int run) {
  ListBox lstRe{"lstRe", {"brb", "at lunch"}};
  for (int i = 1; i <= run; ++i) lstRe.items.push_back("back at [time] " + std::to_string(i));
  return SaveListToFile(files, folder / kReasonsFileName, lstRe);
}

bool WriteSettings(Files&, const fs::path& folder, int run) {
  posix::FileRegistry registry(folder / "config");
  if (run == 0 && !registry.SetValue("settings", "handle", {kRegSz, "quoSt"})) return false;
  return registry.SetValue("settings", "idle" + std::to_string(run), {kRegSz, "\x8B\x64\x9B"});
}

fs::path SettingsFile(const fs::path& folder) {
  return posix::FileRegistry(folder / "config").SectionFile("settings");
}

const std::vector<KeptFile> kKeptFiles = {
    {"reasons file", [](const fs::path& folder) { return folder / kReasonsFileName; }, SaveReasons},
    // Killed before its contents were complete, a first write leaves no file, not a torn one.
    {"reasons file written for the first time",
     [](const fs::path& folder) { return folder / kReasonsFileName; },
     [](Files& files, const fs::path& folder, int run) {
       return run == 0 || SaveReasons(files, folder, run);
     }},
    {"away messages file", [](const fs::path& folder) { return folder / kAwayMessagesFileName; },
     [](Files& files, const fs::path& folder, int run) {
       return AppendLineDurably(files, folder / kAwayMessagesFileName,
                                "|[im]|-[1:0" + std::to_string(run) + ":00 PM]- Tommy K: ");
     }},
    {"settings section", SettingsFile, WriteSettings},
    {"damaged settings section", SettingsFile,
     [](Files& files, const fs::path& folder, int run) {
       if (!WriteSettings(files, folder, run)) return false;
       // A section cut short by some earlier mishap: its whole records still read.
       if (run == 0)
         std::ofstream(SettingsFile(folder), std::ios::app) << std::string("\x05\0\0", 3);
       return true;
     }},
};

int stopAtStep = -1;
int stepsTaken = 0;
std::vector<std::string> stepsSeen;

void StopDeadAtStep(std::string_view step) {
  if (stepsTaken++ == stopAtStep) ::_exit(0);
  stepsSeen.emplace_back(step);
}

// Runs the write in a child that ends at once when it reaches the given step.
void WriteKilledAtStep(int step, const std::function<void()>& write) {
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    stopAtStep = step;
    stepsTaken = 0;
    writeStepHook = StopDeadAtStep;
    write();
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

// The contents after the given runs, written without interruption in a fresh folder.
std::string ContentsAfter(Files& files, const KeptFile& file, const std::vector<int>& runs) {
  testing::TempFolder folder;
  for (int run : runs) EXPECT_TRUE(file.write(files, folder.path(), run)) << file.name;
  return ReadBytes(files, file.path(folder.path()));
}

// The first step named first comes before the last step named second.
bool Before(const std::vector<std::string>& steps, const std::string& first,
            const std::string& second) {
  const auto a = std::find(steps.begin(), steps.end(), first);
  const auto b = std::find(steps.rbegin(), steps.rend(), second);
  return a != steps.end() && b != steps.rend() && a < b.base() - 1;
}

TEST(KilledMidWrite, EveryKeptFileHoldsTheOldOrTheNewContentsAndTheNextRunCarriesOn) {
  for (const bool oneStepReplace : {true, false}) {
    posix::PosixFiles files(oneStepReplace);
    for (const KeptFile& file : kKeptFiles) {
      SCOPED_TRACE(std::string(file.name) + (oneStepReplace ? "" : ", no one-step replace"));
      const std::string before = ContentsAfter(files, file, {0});
      const std::string after = ContentsAfter(files, file, {0, 1});
      const std::string nextAfterOld = ContentsAfter(files, file, {0, 2});
      const std::string nextAfterNew = ContentsAfter(files, file, {0, 1, 2});
      ASSERT_NE(before, after);

      // A whole write, watched: a replaced file's contents reach the disk before anything makes
      // them the file, the old file goes only once they are complete, and the new name (or the
      // appended line) reaches the disk before the write reports success.
      stepsSeen.clear();
      stepsTaken = 0;
      {
        testing::TempFolder folder;
        ASSERT_TRUE(file.write(files, folder.path(), 0));
        writeStepHook = StopDeadAtStep;
        const bool written = file.write(files, folder.path(), 1);
        writeStepHook = nullptr;
        ASSERT_TRUE(written);
      }
      if (std::count(stepsSeen.begin(), stepsSeen.end(), "rename") != 0) {
        EXPECT_TRUE(Before(stepsSeen, "flush temp", "rename"));
        EXPECT_TRUE(Before(stepsSeen, "rename", "flush folder"));
      } else {
        EXPECT_TRUE(Before(stepsSeen, "append line", "flush line"));
      }
      if (std::count(stepsSeen.begin(), stepsSeen.end(), "mark complete") != 0) {
        EXPECT_TRUE(Before(stepsSeen, "mark complete", "remove old file"));
        EXPECT_TRUE(Before(stepsSeen, "rename complete file", "flush folder"));
      }

      for (std::size_t step = 0; step <= stepsSeen.size(); ++step) {
        const std::string killedAt = step < stepsSeen.size() ? stepsSeen[step] : "the end";
        testing::TempFolder folder;
        ASSERT_TRUE(file.write(files, folder.path(), 0));
        WriteKilledAtStep(static_cast<int>(step), [&] { file.write(files, folder.path(), 1); });
        const std::string seen = ReadBytes(files, file.path(folder.path()));
        EXPECT_TRUE(seen == before || seen == after) << "killed at " << killedAt << ": " << seen;
        if (step == stepsSeen.size()) {
          EXPECT_EQ(seen, after);
        }

        // What the killed writer left beside the file changes nothing for the next run.
        EXPECT_TRUE(file.write(files, folder.path(), 2)) << "after a kill at " << killedAt;
        EXPECT_EQ(ReadBytes(files, file.path(folder.path())),
                  seen == after ? nextAfterNew : nextAfterOld)
            << "after a kill at " << killedAt;
      }
    }
  }
}

}  // namespace
}  // namespace drelm
