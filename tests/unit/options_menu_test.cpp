// The options menu tree: design states, command ids, the pop-up it hands the host, and which
// items act now and which wait for the features that own them.

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "options/menu_tree.h"
#include "options/not_available.h"
#include "options/toggle_table.h"
#include "options_test_fixture.h"
#include "platform/winuser_constants.h"

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

TEST_F(MenuTest, AFreshWindowShowsTheDesignStatesBeforeAnythingIsApplied) {
  EXPECT_TRUE(options.Item("cmdKillFileNotFound").checked);
  EXPECT_TRUE(options.Item("cmdMultipleReasons").checked);
  EXPECT_FALSE(options.Item("cmdStopIdle").enabled);
  EXPECT_TRUE(options.Item("cmdStartIdle").enabled);
  int checked = 0;
  int disabled = 0;
  ForEach(options.Menus(), [&](const MenuItem& item) {
    checked += item.checked ? 1 : 0;
    disabled += item.enabled ? 0 : 1;
  });
  EXPECT_EQ(checked, 2);
  EXPECT_EQ(disabled, 1);
}

TEST_F(MenuTest, CommandIdsAreTheSameInEveryWindow) {
  FrmOptions other{OptionsContext{platform, settings, log, {}}};
  EXPECT_EQ(other.Item("cmdKill45Min").commandId, options.Item("cmdKill45Min").commandId);
  EXPECT_EQ(other.Item("cmdStartDLMan").commandId, options.Item("cmdStartDLMan").commandId);
}

TEST_F(MenuTest, ThePopupKeepsCaptionsChecksEnabledStatesAndNesting) {
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
  EXPECT_EQ(FindPopup(popup, options.Item("cmdHyperLink").commandId), nullptr)
      << "the addons menu is a menu of its own";
  EXPECT_EQ(options.ToPopupMenu(kAddonsMenu).size(), 8u);
  EXPECT_EQ(options.ToPopupMenu(kAutoDownloadMenu).size(), 4u);
}

TEST_F(MenuTest, ADismissedPopupRunsNothing) {
  sim.user.ExpectPopupMenu([](const std::vector<PopupMenuItem>&) { return 0u; });
  options.PopupMenu(kAddonsMenu);
  EXPECT_TRUE(LogMessages().empty());
}

TEST_F(MenuTest, ThePanelsOwnItemsAreWiredAndEveryoneElsesWaitForTheirFeature) {
  for (const MenuItem* item : AllItems(options)) {
    SCOPED_TRACE(item->name);
    EXPECT_EQ(options.IsWired(item->name), item->wiredBy == feature::kOptionsPanel);
    if (item->IsSeparator() || item->IsSubmenu()) {
      EXPECT_TRUE(item->wiredBy.empty());
    }
  }
  for (const ToggleRow& row : ToggleTable()) EXPECT_TRUE(options.IsWired(row.item));
  for (const NotAvailableRow& row : NotAvailableTable()) EXPECT_TRUE(options.IsWired(row.item));
  EXPECT_EQ(options.Item("cmdStartIdle").wiredBy, feature::kIdleSessions);
  EXPECT_EQ(options.Item("cmdWinSysTray").wiredBy, feature::kMainWindow);
  EXPECT_TRUE(options.Item("cmdWinTask").wiredBy.empty());
  EXPECT_TRUE(options.Item("cmdInsertDate").wiredBy.empty());
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

TEST_F(MenuTest, AWiredHandlerRunsOnClickAndUnknownItemsAreRefused) {
  int started = 0;
  options.Wire("cmdStartIdle", [&] { ++started; });
  EXPECT_TRUE(options.Click(std::string_view("cmdStartIdle")));
  EXPECT_TRUE(options.Click(options.Item("cmdStartIdle").commandId));
  EXPECT_EQ(started, 2);

  EXPECT_FALSE(options.Click(std::string_view("cmdNoSuchItem")));
  EXPECT_FALSE(options.Click(MenuCommandId{0}));
  EXPECT_EQ(options.FindItem("cmdNoSuchItem"), nullptr);
  EXPECT_THROW(options.Item("cmdNoSuchItem"), std::out_of_range);
  EXPECT_THROW(options.Wire("cmdStartIdel", [] {}), std::out_of_range);
}

TEST_F(MenuTest, AHandlerMayRewireItsOwnItemWhileRunning) {
  int first = 0;
  int second = 0;
  options.Wire("cmdAbout", [&] {
    ++first;
    options.Wire("cmdAbout", [&] { ++second; });
  });
  options.Click(std::string_view("cmdAbout"));
  options.Click(std::string_view("cmdAbout"));
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 1);
}

}  // namespace
}  // namespace drelm
