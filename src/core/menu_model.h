// A menu tree and the actions wired to its items by name. The options window carries the one
// tree of the program; every feature reads and sets the check marks and captions of its items
// here (they are the live state of the options) and gives its items their actions.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/menu_item.h"
#include "platform/popup_menu.h"

namespace drelm {

class MenuModel {
 public:
  explicit MenuModel(std::vector<MenuItem> menus) : menus_(std::move(menus)) {}
  MenuModel(const MenuModel&) = delete;
  MenuModel& operator=(const MenuModel&) = delete;

  // The top-level menus in design order.
  const std::vector<MenuItem>& Menus() const { return menus_; }

  // Lookup by name (exact, as the design names items) or by command id. Item throws
  // std::out_of_range for a name the tree does not hold: that is a typo in our code.
  MenuItem& Item(std::string_view name);
  const MenuItem& Item(std::string_view name) const;
  MenuItem* FindItem(std::string_view name);
  MenuItem* FindItem(MenuCommandId id);

  // The children of one top-level menu, ready for User::PopupMenu.
  std::vector<PopupMenuItem> ToPopupMenu(std::string_view menuName) const;

  // A command id comes from outside (the pop-up menu, a script sending WM_COMMAND to the hidden
  // options window), so it runs only what the menu would let the user choose: an item that is
  // disabled or hidden, or lies under a submenu that is, runs nothing and gives false.
  bool Click(MenuCommandId id);
  // Runs the named item's handler whatever its state, as the program calling the handler does.
  // False when no item has that name; true otherwise, also for items that do nothing (yet).
  bool Click(std::string_view name);
  // Whether the menu lets the user choose the item now.
  bool CanChoose(std::string_view name) const;
  // Gives an item its action (or replaces the one it has).
  void Wire(std::string_view name, std::function<void()> handler);
  bool IsWired(std::string_view name) const;

 private:
  std::vector<MenuItem> menus_;
  std::map<std::string, std::function<void()>, std::less<>> handlers_;
};

}  // namespace drelm
