// The options menu's command ids: each item's own, within the low word of WM_COMMAND's wParam,
// and their list in docs/windows.md (rebuilt from the tree here, printed as it should read when
// it is out of date).

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "options/menu_tree.h"
#include "support/file_text.h"

namespace drelm {
namespace {

constexpr std::string_view kBegin = "<!-- command ids: begin -->\n";
constexpr std::string_view kEnd = "<!-- command ids: end -->";
const std::string kTopLevel = "(top level)";

void AddRows(const std::vector<MenuItem>& items, const std::string& path, std::string& out,
             std::set<MenuCommandId>& ids) {
  for (const MenuItem& item : items) {
    // 0 is what a dismissed pop-up returns; a shared id would run another item's command.
    EXPECT_TRUE(item.commandId > 0 && item.commandId <= 0xFFFF) << item.name;
    EXPECT_TRUE(ids.insert(item.commandId).second) << item.name << " shares its id";
    if (!item.IsSeparator()) {
      out += "| " + std::to_string(item.commandId) + " | " + item.name + " | `" + item.caption +
             "` | " + path + " |\n";
    }
    const std::string inner = path == kTopLevel ? item.caption : path + " > " + item.caption;
    AddRows(item.children, inner, out, ids);
  }
}

std::string DocumentedTable() {
  // From the build's idea of the source tree: __FILE__ is relative when the compiler cache
  // rewrites paths, and the tests run from the build folder.
  const std::filesystem::path doc = std::filesystem::path(DRELM_SOURCE_DIR) / "docs" / "windows.md";
  const std::string text = testing::FileText(doc);
  const std::size_t begin = text.find(kBegin);
  const std::size_t end = text.find(kEnd);
  if (begin == std::string::npos || end == std::string::npos || end < begin) return {};
  return text.substr(begin + kBegin.size(), end - begin - kBegin.size());
}

TEST(CommandIdsDoc, EveryMenuCommandHasItsOwnIdAndScriptWritersFindItUnderThatId) {
  std::string expected = "| id | item | caption | in menu |\n|---|---|---|---|\n";
  std::set<MenuCommandId> ids;
  AddRows(BuildOptionsMenuTree(), kTopLevel, expected, ids);
  EXPECT_GT(ids.size(), 100u);
  EXPECT_EQ(DocumentedTable(), expected)
      << "docs/windows.md is out of date; between the markers it should read:\n"
      << kBegin << expected << kEnd;
}

}  // namespace
}  // namespace drelm
