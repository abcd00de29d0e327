// The options menu tree: the pop-up it hands the host, its command ids and their list in
// docs/windows.md (rebuilt from the tree here, printed as it should read when it is out of date),
// and which items act now and which wait for the features that own them.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "options/menu_tree.h"
#include "options_test_fixture.h"
#include "platform/winuser_constants.h"
#include "support/file_text.h"

namespace drelm {
namespace {

void ForEach(const std::vector<MenuItem>& items, const std::function<void(const MenuItem&)>& f) {
  for (const MenuItem& item : items) {
    f(item);
    ForEach(item.children, f);
  }
}

std::vector<const MenuItem*> AllItems(const FrmOptions& options) {
  std::vector<const MenuItem*> all;
  ForEach(options.Menus(), [&](const MenuItem& item) { all.push_back(&item); });
  return all;
}

// The pop-up entry with this command id, at any depth.
const PopupMenuItem* FindPopup(const std::vector<PopupMenuItem>& items, MenuCommandId id) {
  for (const PopupMenuItem& item : items) {
    if (item.commandId == id) return &item;
    if (const PopupMenuItem* found = FindPopup(item.children, id)) return found;
  }
  return nullptr;
}

using MenuTest = testing::OptionsTest;

TEST_F(MenuTest, ThePopupKeepsCaptionsChecksEnabledStatesNestingAndEachItemsOwnId) {
  options.Item("cmdKill45Min").checked = true;
  options.Item("cmdHandle").caption = "handle -[ zed ]-";
  options.Item("cmdAutoUpdater").visible = false;

  const std::vector<PopupMenuItem> popup = options.ToPopupMenu();
  std::size_t compared = 0;
  ForEach(options.Item("mnuOptions").children, [&](const MenuItem& item) {
    const PopupMenuItem* shown = FindPopup(popup, item.commandId);
    ASSERT_NE(shown, nullptr) << item.name;
    EXPECT_EQ(shown->caption, item.caption);
    EXPECT_EQ(shown->checked, item.checked);
    EXPECT_EQ(shown->enabled, item.enabled);
    EXPECT_EQ(shown->visible, item.visible);
    EXPECT_EQ(shown->children.size(), item.children.size());
    ++compared;
  });
  EXPECT_GT(compared, 100u);
  // WM_COMMAND carries the id in the low word of wParam; 0 is what a dismissed pop-up returns.
  std::set<MenuCommandId> ids;
  for (const MenuItem* item : AllItems(options)) {
    EXPECT_TRUE(item->commandId > 0 && item->commandId <= 0xFFFF) << item->name;
    EXPECT_TRUE(ids.insert(item->commandId).second) << item->name << " shares its id";
  }
  EXPECT_EQ(FindPopup(popup, options.Item("cmdHyperLink").commandId), nullptr)
      << "the addons menu is a menu of its own";
  EXPECT_EQ(options.ToPopupMenu(kAddonsMenu).size(), 8u);
  EXPECT_EQ(options.ToPopupMenu(kAutoDownloadMenu).size(), 4u);
}

TEST_F(MenuTest, ItemsWithoutAnActionYetDoNothingVisibleWhenChosen) {
  const std::size_t registryValues = sim.registry.Values().size();
  for (const MenuItem* item : AllItems(options)) {
    if (options.IsWired(item->name)) continue;
    options.Click(item->commandId);  // disabled ones are refused; the others run nothing
  }
  EXPECT_TRUE(LogMessages().empty());
  EXPECT_TRUE(sim.user.Seen().empty());
  EXPECT_TRUE(sim.shell.Started().empty());
  EXPECT_EQ(sim.registry.Values().size(), registryValues);
  EXPECT_EQ(exits, 0);
}

TEST_F(MenuTest, AWiredHandlerRunsOnClickMayRewireItselfAndUnknownItemsAreRefused) {
  int started = 0, rewired = 0;
  options.Wire("cmdStartIdle", [&] {
    ++started;  // a handler may rewire its own item while it runs
    options.Wire("cmdStartIdle", [&] { ++rewired; });
  });
  EXPECT_TRUE(options.Click(std::string_view("cmdStartIdle")));
  EXPECT_TRUE(options.Click(options.Item("cmdStartIdle").commandId));
  EXPECT_EQ(started, 1);
  EXPECT_EQ(rewired, 1);

  EXPECT_FALSE(options.Click(std::string_view("cmdNoSuchItem")));
  EXPECT_FALSE(options.Click(MenuCommandId{0}));
  EXPECT_EQ(options.FindItem("cmdNoSuchItem"), nullptr);
  EXPECT_THROW(options.Item("cmdNoSuchItem"), std::out_of_range);
  EXPECT_THROW(options.Wire("cmdStartIdel", [] {}), std::out_of_range);
}

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
