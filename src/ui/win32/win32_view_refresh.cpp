#include "ui/win32/win32_view_refresh.h"

namespace drelm::win32::view {

void RefreshingEventLoop::PumpPending() {
  refresh_();
  inner_.PumpPending();
}

void RefreshingEventLoop::WaitForEvents(std::uint64_t deadlineMs) {
  refresh_();
  inner_.WaitForEvents(deadlineMs);
}

TimerId RefreshingEventLoop::AddTimer(std::uint32_t intervalMs, std::function<void()> onTick) {
  // A tick may change what a window shows while a modal dialog runs its own loop, where nothing
  // else would refresh the views.
  return inner_.AddTimer(intervalMs, [this, onTick = std::move(onTick)] {
    onTick();
    refresh_();
  });
}

std::string RefreshingUser::InputBox(const std::string& prompt, const std::string& title,
                                     const std::string& defaultAnswer) {
  refresh_();
  return inner_.InputBox(prompt, title, defaultAnswer);
}

std::uint32_t RefreshingUser::MessageBox(const std::string& text, const std::string& title,
                                         std::uint32_t style) {
  refresh_();
  return inner_.MessageBox(text, title, style);
}

std::string RefreshingUser::OpenFileDialog(const std::string& title, const std::string& filter) {
  refresh_();
  return inner_.OpenFileDialog(title, filter);
}

std::uint32_t RefreshingUser::PopupMenu(const std::vector<PopupMenuItem>& items, Point at) {
  refresh_();
  return inner_.PopupMenu(items, at);
}

}  // namespace drelm::win32::view
