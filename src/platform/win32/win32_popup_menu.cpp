#include "platform/win32/win32_api.h"
#include "platform/win32/win32_user.h"

namespace drelm::win32 {

namespace {

void AppendItems(HMENU menu, const std::vector<PopupMenuItem>& items) {
  for (const PopupMenuItem& item : items) {
    if (!item.visible) continue;
    if (item.caption == "-") {
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT flags = MF_STRING;
    if (item.checked) flags |= MF_CHECKED;
    if (!item.enabled) flags |= MF_GRAYED;
    if (!item.children.empty()) {
      HMENU submenu = CreatePopupMenu();
      AppendItems(submenu, item.children);
      AppendMenuA(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu),
                  item.caption.c_str());
    } else {
      AppendMenuA(menu, flags, item.commandId, item.caption.c_str());
    }
  }
}

}  // namespace

std::uint32_t Win32User::PopupMenu(const std::vector<PopupMenuItem>& items, Point at) {
  HMENU menu = CreatePopupMenu();
  if (!menu) return 0;
  AppendItems(menu, items);

  // A menu needs an owner window of this thread; from the tray there may be none.
  HWND owner = ToHwnd(Owner());
  HWND temporary = nullptr;
  if (!owner) {
    temporary = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    owner = temporary;
  }
  // Without the owner in the foreground a click elsewhere would not close the menu, and the
  // WM_NULL afterwards lets the next menu open at once (the known tray-menu pattern).
  SetForegroundWindow(owner);
  const BOOL chosen =
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x,
                     at.y, 0, owner, nullptr);
  PostMessageA(owner, WM_NULL, 0, 0);
  DestroyMenu(menu);
  if (temporary) DestroyWindow(temporary);
  return chosen > 0 ? static_cast<std::uint32_t>(chosen) : 0;
}

}  // namespace drelm::win32
