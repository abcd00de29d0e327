// Pressing and closing AOL windows, each by its exact message sequence. AOL's "_AOL_Icon"
// buttons act on a button-down followed by a key-up of the space bar, which is why the icon
// presses pair those two rather than a mouse click.
#pragma once

#include "platform/event_loop.h"
#include "platform/window_system.h"

namespace drelm {

void PressSpace(WindowSystem& windows, Hwnd window);  // sent WM_KEYDOWN, WM_KEYUP VK_SPACE
void ClickMouse(WindowSystem& windows, Hwnd window);  // posted WM_LBUTTONDOWN, WM_LBUTTONUP
// pump; sent WM_LBUTTONDOWN; pump; sent WM_KEYUP VK_SPACE
void PressIconSent(WindowSystem& windows, EventLoop& loop, Hwnd window);
// pump; posted WM_LBUTTONDOWN; pump; posted WM_KEYUP VK_SPACE
void PressIconPosted(WindowSystem& windows, EventLoop& loop, Hwnd window);
void CloseWindow(WindowSystem& windows, Hwnd window);  // posted WM_CLOSE
// The chat room's fifth "_aol_icon": ClickMouse, then PressSpace.
void ClickChatSend(WindowSystem& windows);

}  // namespace drelm
