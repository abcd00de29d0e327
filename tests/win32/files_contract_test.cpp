// The real files keep the promises the program's durable writes are built on: a new file and a
// rename never take a name that is taken, the one-step replace does, a folder is no file, and
// replacing and appending give the same bytes with the one-step replace and without it, the way
// Windows 98 and ME must replace a file.
#include <gtest/gtest.h>

#include <set>

#include "core/file_replace.h"
#include "core/files.h"
#include "platform/win32/win32_files.h"
#include "support/temp_folder.h"

namespace drelm::contract {
namespace {

class NoOneStepReplace : public win32::Win32Files {
 public:
  ReplaceResult ReplaceAtomically(const std::string&, const std::string&) override {
    return ReplaceResult::kUnavailable;
  }
};

bool MakeFile(Files& files, const std::string& path, std::string_view bytes) {
  const std::unique_ptr<OpenFile> out = files.CreateNew(path, path);
  return out && out->Write(bytes) == static_cast<long>(bytes.size()) && out->Flush() &&
         out->Close();
}

TEST(Win32Files, ATakenNameIsOnlyEverReplacedInOneStepAndAFolderIsNoFile) {
  testing::TempFolder temp;
  win32::Win32Files files;
  const std::string folder = temp.path().string();
  const std::string a = PathInFolder(folder, "a.txt");
  const std::string b = PathInFolder(folder, "b.txt");
  ASSERT_TRUE(MakeFile(files, a, "old"));
  ASSERT_TRUE(MakeFile(files, b, "new"));
  EXPECT_FALSE(files.CreateNew(a, a)) << "an existing file is never opened as a new one";
  EXPECT_FALSE(files.Rename(b, a));
  EXPECT_EQ(files.ReadAll(a), "old");
  EXPECT_EQ(files.ReplaceAtomically(b, a), ReplaceResult::kReplaced);
  EXPECT_EQ(files.ReadAll(a), "new");
  EXPECT_FALSE(files.IsFile(b));
  EXPECT_TRUE(files.Remove(b)) << "a missing file is as good as removed";

  EXPECT_FALSE(files.IsFile(folder));
  EXPECT_FALSE(files.ReadAll(folder).has_value());
  const std::vector<FolderFile> listed = files.ListFiles(folder);
  ASSERT_EQ(listed.size(), 1u);
  EXPECT_EQ(listed[0].name, "a.txt");
  EXPECT_GE(listed[0].ageSeconds, -5);
  EXPECT_LT(listed[0].ageSeconds, 600) << "a fresh file must not look stale";
}

TEST(Win32Files, ReplacingAndAppendingGiveTheSameBytesWithoutAOneStepReplace) {
  win32::Win32Files oneStep;
  NoOneStepReplace inSteps;
  for (Files* files : {static_cast<Files*>(&oneStep), static_cast<Files*>(&inSteps)}) {
    testing::TempFolder temp;
    const std::string folder = temp.path().string();
    const std::string reasons = PathInFolder(folder, kReasonsFileName);
    const std::string away = PathInFolder(folder, kAwayMessagesFileName);
    EXPECT_TRUE(ReplaceFileContents(*files, reasons, "brb\r\n"));
    EXPECT_TRUE(ReplaceFileContents(*files, reasons, "brb\r\nat lunch\r\n"));
    EXPECT_EQ(ReadFileContents(*files, reasons), "brb\r\nat lunch\r\n");

    ASSERT_TRUE(MakeFile(*files, away, "note typed by hand"));
    EXPECT_TRUE(AppendLineDurably(*files, away, "|[im]|-[1:00:00 PM]- Tommy K: "));
    EXPECT_EQ(ReadFileContents(*files, away),
              "note typed by hand\r\n|[im]|-[1:00:00 PM]- Tommy K: \r\n");

    std::set<std::string> names;
    for (const FolderFile& file : files->ListFiles(folder)) names.insert(file.name);
    EXPECT_EQ(names, (std::set<std::string>{std::string(kReasonsFileName),
                                            std::string(kAwayMessagesFileName)}))
        << "nothing is left beside the files";
  }
}

}  // namespace
}  // namespace drelm::contract
