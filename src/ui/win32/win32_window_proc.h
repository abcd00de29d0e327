// One window procedure for the views that create their window with themselves as the creation
// parameter: the view is kept in the window's user data from WM_NCCREATE on, so the messages
// sent while the window is being created reach it too, and its OnMessage answers them all.
#pragma once

#include <windows.h>

namespace drelm::win32::view {

template <typename View>
LRESULT CALLBACK ViewWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* created =
        static_cast<View*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
    created->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* self = reinterpret_cast<View*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return DefWindowProcA(window, msg, wParam, lParam);
  return self->OnMessage(msg, wParam, lParam);
}

}  // namespace drelm::win32::view
