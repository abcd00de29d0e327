#include "core/menu_item.h"

namespace drelm {

PopupMenuItem ToPopupMenuItem(const MenuItem& item) {
  PopupMenuItem popup;
  popup.caption = item.caption;
  popup.commandId = item.commandId;
  popup.checked = item.checked;
  popup.enabled = item.enabled;
  popup.visible = item.visible;
  popup.children.reserve(item.children.size());
  for (const MenuItem& child : item.children) popup.children.push_back(ToPopupMenuItem(child));
  return popup;
}

}  // namespace drelm
