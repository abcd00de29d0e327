#include "core/menu_model.h"

#include <stdexcept>
#include <utility>

namespace drelm {

namespace {

template <typename Match>
MenuItem* FindIn(std::vector<MenuItem>& items, const Match& match) {
  for (MenuItem& item : items) {
    if (match(item)) return &item;
    if (MenuItem* found = FindIn(item.children, match)) return found;
  }
  return nullptr;
}

// The items from a top-level menu down to the one named, or empty when it is not in the tree.
bool PathTo(const std::vector<MenuItem>& items, std::string_view name,
            std::vector<const MenuItem*>& path) {
  for (const MenuItem& item : items) {
    path.push_back(&item);
    if (item.name == name || PathTo(item.children, name, path)) return true;
    path.pop_back();
  }
  return false;
}

}  // namespace

MenuItem* MenuModel::FindItem(std::string_view name) {
  return FindIn(menus_, [&](const MenuItem& item) { return item.name == name; });
}

MenuItem* MenuModel::FindItem(MenuCommandId id) {
  return FindIn(menus_, [&](const MenuItem& item) { return item.commandId == id; });
}

MenuItem& MenuModel::Item(std::string_view name) {
  MenuItem* item = FindItem(name);
  if (item == nullptr) throw std::out_of_range("no options menu item " + std::string(name));
  return *item;
}

const MenuItem& MenuModel::Item(std::string_view name) const {
  return const_cast<MenuModel*>(this)->Item(name);
}

std::vector<PopupMenuItem> MenuModel::ToPopupMenu(std::string_view menuName) const {
  std::vector<PopupMenuItem> popup;
  for (const MenuItem& child : Item(menuName).children) popup.push_back(ToPopupMenuItem(child));
  return popup;
}

bool MenuModel::CanChoose(std::string_view name) const {
  std::vector<const MenuItem*> path;
  if (!PathTo(menus_, name, path)) return false;
  // The top-level menu itself is never shown as an item, so only what lies below it counts.
  for (std::size_t i = 1; i < path.size(); ++i) {
    if (!path[i]->enabled || !path[i]->visible) return false;
  }
  return true;
}

bool MenuModel::Click(MenuCommandId id) {
  const MenuItem* item = FindItem(id);
  if (item == nullptr || !CanChoose(item->name)) return false;
  return Click(std::string_view(item->name));
}

bool MenuModel::Click(std::string_view name) {
  if (FindItem(name) == nullptr) return false;
  auto handler = handlers_.find(name);
  if (handler == handlers_.end()) return true;
  // A copy, so that a handler that rewires items does not pull the ground from under itself.
  const std::function<void()> run = handler->second;
  if (run) run();
  return true;
}

void MenuModel::Wire(std::string_view name, std::function<void()> handler) {
  Item(name);  // a typo in the name fails here rather than leaving the item silently dead
  handlers_.insert_or_assign(std::string(name), std::move(handler));
}

bool MenuModel::IsWired(std::string_view name) const {
  return handlers_.contains(name);
}

}  // namespace drelm
