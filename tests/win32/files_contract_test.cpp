// The real files keep the promises the program's durable writes are built on: a new file and a
// rename never take a name that is taken, the one-step replace does, and a folder is no file.
// Replacing without the one-step replace, the way Windows 98 and ME must, and appending run in
// the floor build's end-to-end tests (drelm_e2e_floor_kill-save, drelm_e2e_floor_away).
#include <gtest/gtest.h>

#include "core/files.h"
#include "platform/win32/win32_files.h"
#include "support/temp_folder.h"

namespace drelm::contract {
namespace {

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

}  // namespace
}  // namespace drelm::contract
