#include "aol/pressing.h"

#include "aol/window_lookup.h"
#include "platform/winuser_constants.h"

namespace drelm {

void PressSpace(WindowSystem& windows, Hwnd window) {
  windows.SendMessage(window, WM_KEYDOWN, VK_SPACE, 0);
  windows.SendMessage(window, WM_KEYUP, VK_SPACE, 0);
}

void ClickMouse(WindowSystem& windows, Hwnd window) {
  windows.PostMessage(window, WM_LBUTTONDOWN, 0, 0);
  windows.PostMessage(window, WM_LBUTTONUP, 0, 0);
}

void PressIconSent(WindowSystem& windows, EventLoop& loop, Hwnd window) {
  loop.PumpPending();
  windows.SendMessage(window, WM_LBUTTONDOWN, 0, 0);
  loop.PumpPending();
  windows.SendMessage(window, WM_KEYUP, VK_SPACE, 0);
}

void PressIconPosted(WindowSystem& windows, EventLoop& loop, Hwnd window) {
  loop.PumpPending();
  windows.PostMessage(window, WM_LBUTTONDOWN, 0, 0);
  loop.PumpPending();
  windows.PostMessage(window, WM_KEYUP, VK_SPACE, 0);
}

void CloseWindow(WindowSystem& windows, Hwnd window) {
  windows.PostMessage(window, WM_CLOSE, 0, 0);
}

void ClickChatSend(WindowSystem& windows) {
  const Hwnd send = FindNthChild(windows, FindChatRoom(windows), "_aol_icon", 5);
  ClickMouse(windows, send);
  PressSpace(windows, send);
}

}  // namespace drelm
