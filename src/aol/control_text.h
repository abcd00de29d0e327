// Reading and setting the text of AOL controls and captions. Handle 0 reads as empty text and
// ignores writes.
#pragma once

#include <string>

#include "platform/window_system.h"

namespace drelm {

// WM_GETTEXTLENGTH, then WM_GETTEXT into a buffer of that length plus one.
std::string GetControlText(WindowSystem& windows, Hwnd window);
// GetWindowTextLengthA, then GetWindowTextA with room for that length.
std::string GetCaption(WindowSystem& windows, Hwnd window);
// WM_SETTEXT, wParam 0.
void SetControlText(WindowSystem& windows, Hwnd window, const std::string& text);

}  // namespace drelm
