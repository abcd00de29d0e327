// The one way into <windows.h> for the Win32 backend: the A/W name macros that collide with the
// seam's method names (SendMessage, FindWindow, MessageBox...) are removed, so every call here
// names its ...A or ...W function explicitly and the seam headers keep their meaning.
#pragma once

#include <windows.h>

#include <cstdint>

#undef CreateWindow
#undef FindWindow
#undef FindWindowEx
#undef GetClassName
#undef GetMenuString
#undef GetWindowText
#undef GetWindowTextLength
#undef MessageBox
#undef PlaySound
#undef PostMessage
#undef SendMessage
#undef SetWindowText

#include "platform/types.h"

namespace drelm::win32 {

// User handles carry 32 significant bits; 64-bit Windows sign-extends them when widening.
inline HWND ToHwnd(Hwnd window) {
  return reinterpret_cast<HWND>(static_cast<std::intptr_t>(static_cast<std::int32_t>(window)));
}
inline Hwnd FromHwnd(HWND window) {
  return static_cast<Hwnd>(reinterpret_cast<std::uintptr_t>(window));
}
inline HMENU ToHmenu(MenuHandle menu) {
  return reinterpret_cast<HMENU>(static_cast<std::intptr_t>(static_cast<std::int32_t>(menu)));
}
inline MenuHandle FromHmenu(HMENU menu) {
  return static_cast<MenuHandle>(reinterpret_cast<std::uintptr_t>(menu));
}

// True when the window belongs to the calling thread, so a plain SendMessage cannot block on
// somebody else's message loop.
inline bool OwnedByThisThread(HWND window) {
  return GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

}  // namespace drelm::win32
