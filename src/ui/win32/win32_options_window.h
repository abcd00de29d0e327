// The options window as a real window: hidden for its whole life, class "DrelmIdleOptions",
// caption "drelm idle options". WM_COMMAND with a menu item's command id (LOWORD of wParam) runs
// that item, exactly as choosing it from the pop-up menu does, so scripts can run any command.
// Ids that no item has are ignored. The tray icon (id 1) belongs to this window and reports its
// mouse messages to it as WM_MOUSEMOVE with the real mouse message in lParam; a right-button
// release pops the options menu up.
#pragma once

#include "platform/win32/win32_api.h"
#include "ui/win32/win32_view_events.h"

namespace drelm {
class FrmOptions;
}

namespace drelm::win32::view {

inline constexpr const char* kOptionsWindowClass = "DrelmIdleOptions";
inline constexpr const char* kOptionsWindowCaption = "drelm idle options";
inline constexpr UINT kTrayCallbackMessage = WM_MOUSEMOVE;

class OptionsWindowView {
 public:
  OptionsWindowView(FrmOptions& form, ViewEvents& events);
  ~OptionsWindowView();
  OptionsWindowView(const OptionsWindowView&) = delete;
  OptionsWindowView& operator=(const OptionsWindowView&) = delete;

  HWND Window() const { return window_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

  FrmOptions& form_;
  ViewEvents& events_;
  HWND window_ = nullptr;
};

}  // namespace drelm::win32::view
