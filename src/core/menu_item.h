// One item of the options menu tree: what a pop-up shows of it (caption, check mark, enabled and
// visible state, children) and how a click finds its action (a stable command id and the item's
// name). The check mark is the live state of a toggle: workers read it when they act.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/popup_menu.h"

namespace drelm {

using MenuCommandId = std::uint32_t;

inline constexpr std::string_view kSeparatorCaption = "-";

struct MenuItem {
  std::string name;     // "cmdKill45Min", "mnuOptions", separators have names too ("opf03")
  std::string caption;  // with "&" accelerator marks; "-" for a separator
  bool checked = false;
  bool enabled = true;
  bool visible = true;
  MenuCommandId commandId = 0;  // never 0, unique within one FrmOptions, same on every run
  // The feature that gives the item its action. Empty when choosing the item does nothing by
  // design (submenus, separators, value displays and a few inert entries).
  std::string_view wiredBy;
  std::vector<MenuItem> children;

  bool IsSeparator() const { return caption == kSeparatorCaption; }
  bool IsSubmenu() const { return !children.empty(); }
};

// What the user-interface host needs to draw the item and its submenu.
PopupMenuItem ToPopupMenuItem(const MenuItem& item);

}  // namespace drelm
