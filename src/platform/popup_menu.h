// A pop-up menu as the program describes it to the user-interface host at the moment it opens.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace drelm {

struct PopupMenuItem {
  std::string caption;  // with "&" accelerator marks; "-" is a separator
  std::uint32_t commandId = 0;
  bool checked = false;
  bool enabled = true;
  bool visible = true;
  std::vector<PopupMenuItem> children;  // non-empty: a submenu
};

}  // namespace drelm
