// docs/windows.md lists every menu command id for people who drive the program from scripts.
// The list is only worth having while it is right: this test rebuilds it from the menu tree and
// fails, printing the list as it should read, when an item moved, was added or changed caption.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "options/menu_tree.h"
#include "support/file_text.h"

namespace drelm {
namespace {

constexpr std::string_view kBegin = "<!-- command ids: begin -->\n";
constexpr std::string_view kEnd = "<!-- command ids: end -->";
const std::string kTopLevel = "(top level)";

void AddRows(const std::vector<MenuItem>& items, const std::string& path, std::string& out) {
  for (const MenuItem& item : items) {
    if (!item.IsSeparator()) {
      out += "| " + std::to_string(item.commandId) + " | " + item.name + " | `" + item.caption +
             "` | " + path + " |\n";
    }
    AddRows(item.children, path == kTopLevel ? item.caption : path + " > " + item.caption, out);
  }
}

std::string ExpectedTable() {
  std::string table = "| id | item | caption | in menu |\n|---|---|---|---|\n";
  AddRows(BuildOptionsMenuTree(), kTopLevel, table);
  return table;
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

TEST(CommandIdsDoc, ScriptWritersFindEveryMenuCommandUnderItsCurrentId) {
  const std::string expected = ExpectedTable();
  EXPECT_EQ(DocumentedTable(), expected)
      << "docs/windows.md is out of date; between the markers it should read:\n"
      << kBegin << expected << kEnd;
}

}  // namespace
}  // namespace drelm
