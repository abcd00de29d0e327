// Small operations on the program's own windows and list boxes.
#pragma once

#include <filesystem>

#include "platform/event_loop.h"
#include "platform/window_system.h"

namespace drelm {

// ReleaseCapture, then WM_SYSCOMMAND 0xF012, so a press on a label drags its window.
void DragForm(WindowSystem& windows, Hwnd form);
// Always on top (HWND_TOPMOST, SWP_NOSIZE | SWP_NOMOVE).
void StayOnTop(WindowSystem& windows, Hwnd form);
// One item a line, CRLF-ended; the file is replaced atomically so a failed save keeps the old
// list. False when it could not be written.
bool SaveListToFile(WindowSystem& windows, const std::filesystem::path& file, Hwnd listBox);
// Appends each line of the file (CR, LF or CRLF ended) as one item, pumping events between
// lines. A missing file adds nothing.
void LoadListFromFile(WindowSystem& windows, EventLoop& loop, const std::filesystem::path& file,
                      Hwnd listBox);

}  // namespace drelm
