#include "ui/win32/win32_options_window.h"

#include <stdexcept>

#include "options/frm_options.h"
#include "ui/win32/win32_view_style.h"

namespace drelm::win32::view {

OptionsWindowView::OptionsWindowView(FrmOptions& form, ViewEvents& events)
    : form_(form), events_(events) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA cls{};
  cls.cbSize = sizeof cls;
  cls.lpfnWndProc = WindowProc;
  cls.hInstance = instance;
  cls.hIcon = ProgramIcon(GetSystemMetrics(SM_CXICON));
  cls.hIconSm = ProgramIcon(GetSystemMetrics(SM_CXSMICON));
  cls.lpszClassName = kOptionsWindowClass;
  RegisterClassExA(&cls);
  // A hidden top-level window rather than a message-only one, so FindWindow finds it.
  window_ = CreateWindowExA(WS_EX_TOOLWINDOW, kOptionsWindowClass, kOptionsWindowCaption, WS_POPUP,
                            0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
  if (!window_) throw std::runtime_error("cannot create the options window");
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

OptionsWindowView::~OptionsWindowView() {
  SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
}

LRESULT CALLBACK OptionsWindowView::WindowProc(HWND window, UINT msg, WPARAM wParam,
                                               LPARAM lParam) {
  auto* self = reinterpret_cast<OptionsWindowView*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self && msg == WM_COMMAND) {
    const MenuCommandId id = LOWORD(wParam);
    self->events_.Run([self, id] { self->form_.Click(id); });
    return 0;
  }
  if (self && msg == kTrayCallbackMessage) {
    // The tray icon reports here as mouse moves whose lParam is the real mouse message.
    const auto mouseMsg = static_cast<std::uint32_t>(LOWORD(lParam));
    self->events_.Run([self, mouseMsg] { self->form_.Form_MouseMove(mouseMsg); });
    return 0;
  }
  // Never closed from outside: the menu's commands would have nowhere to go.
  if (self && msg == WM_CLOSE) return 0;
  return DefWindowProcA(window, msg, wParam, lParam);
}

}  // namespace drelm::win32::view
