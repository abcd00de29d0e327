// The door through which the user's actions on our real windows reach the program: each one runs
// as an outermost event of the program, and the views are refreshed afterwards. An exception
// must not unwind through user32's frames, so whatever a handler lets out (the end of the
// program from inside a nested wait, or a fault) is caught here and rethrown by the event loop
// once the message's dispatch has returned.
#pragma once

#include <functional>

#include "core/event_runtime.h"
#include "core/form_model.h"
#include "platform/win32/win32_event_loop.h"
#include "ui/win32/win32_view_refresh.h"

namespace drelm::win32::view {

class ViewEvents {
 public:
  ViewEvents(EventEntry& entry, Win32EventLoop& loop, RefreshFn refresh)
      : entry_(entry), loop_(loop), refresh_(std::move(refresh)) {}

  void Run(const std::function<void()>& handler);
  void Refresh() { refresh_(); }

 private:
  EventEntry& entry_;
  Win32EventLoop& loop_;
  RefreshFn refresh_;
};

}  // namespace drelm::win32::view
