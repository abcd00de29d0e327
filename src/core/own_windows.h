// Small operations on the program's own windows.
#pragma once

#include "platform/window_system.h"

namespace drelm {

// ReleaseCapture, then WM_SYSCOMMAND 0xF012, so a press on a label drags its window.
void DragForm(WindowSystem& windows, Hwnd form);
// Always on top (HWND_TOPMOST, SWP_NOSIZE | SWP_NOMOVE).
void StayOnTop(WindowSystem& windows, Hwnd form);

}  // namespace drelm
