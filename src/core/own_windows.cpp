#include "core/own_windows.h"

#include "platform/winuser_constants.h"

namespace drelm {

namespace {
constexpr WParam kDragByCaption = 0xF012;  // SC_MOVE | HTCAPTION
}

void DragForm(WindowSystem& windows, Hwnd form) {
  windows.ReleaseCapture();
  windows.SendMessage(form, WM_SYSCOMMAND, kDragByCaption, 0);
}

void StayOnTop(WindowSystem& windows, Hwnd form) {
  windows.SetTopmost(form, true);
}

}  // namespace drelm
