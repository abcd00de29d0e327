#include "aol/control_text.h"

#include "platform/winuser_constants.h"

namespace drelm {

std::string GetControlText(WindowSystem& windows, Hwnd window) {
  const LResult length = windows.SendMessage(window, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return {};
  const auto size = static_cast<std::size_t>(length) + 1;
  return windows.SendBufferMessage(window, WM_GETTEXT, size, size);
}

std::string GetCaption(WindowSystem& windows, Hwnd window) {
  const int length = windows.GetWindowTextLength(window);
  if (length <= 0) return {};
  return windows.GetWindowText(window, length + 1);
}

void SetControlText(WindowSystem& windows, Hwnd window, const std::string& text) {
  windows.SendTextMessage(window, WM_SETTEXT, 0, text);
}

}  // namespace drelm
