#include "ui/win32/win32_panel_form.h"

#include <algorithm>
#include <stdexcept>

namespace drelm::win32::view {

namespace {

constexpr int kTitleStripHeight = 22;
constexpr int kTextPoints = 8;
constexpr UINT kWmDpiChanged = 0x02E0;

using Kind = PanelControl::Kind;

bool IsLabel(Kind kind) {
  return kind == Kind::kTitle || kind == Kind::kLink || kind == Kind::kNote;
}

std::string WindowText(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

RECT Scaled(const RECT& design, UINT dpi) {
  return RECT{Scale(design.left, dpi), Scale(design.top, dpi), Scale(design.right, dpi),
              Scale(design.bottom, dpi)};
}

}  // namespace

PanelFormView::PanelFormView(Form& form, const char* className, SIZE designClient,
                             std::vector<PanelControl> controls, ViewEvents& events,
                             std::function<void()> onClose)
    : form_(form),
      designClient_(designClient),
      controls_(std::move(controls)),
      shown_(controls_.size()),
      childProcs_(controls_.size(), nullptr),
      events_(events),
      onClose_(std::move(onClose)) {
  RegisterProgramWindowClass(className, ViewWindowProc<PanelFormView>);
  // WS_SYSMENU and WS_MINIMIZEBOX draw nothing on a pop-up, but give the taskbar button its
  // restore and close commands once the window is minimised.
  window_ = CreateWindowExA(WS_EX_APPWINDOW, className, form_.caption.c_str(),
                            WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0,
                            designClient_.cx, designClient_.cy, nullptr, nullptr,
                            GetModuleHandleA(nullptr), this);
  if (!window_) throw std::runtime_error("cannot create the window " + form_.Name());
  shownCaption_ = form_.caption;
  CreateControls();
  Layout(WindowDpi(window_));
  form_.window = FromHwnd(window_);
}

PanelFormView::~PanelFormView() {
  if (!window_) return;
  for (const Shown& shown : shown_) {
    if (shown.control) SetWindowLongPtrA(shown.control, GWLP_USERDATA, 0);
  }
  SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
}

std::string PanelFormView::CaptionOf(const PanelControl& control) const {
  if (control.label) return control.label->caption;
  if (control.text) return control.text->text;
  return control.fixedText;
}

void PanelFormView::CreateControls() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const PanelControl& control = controls_[i];
    const char* cls = "Static";
    DWORD style = WS_CHILD | WS_VISIBLE;
    DWORD exStyle = 0;
    switch (control.kind) {
      case Kind::kTitle:
      case Kind::kLink:
      case Kind::kNote:
        // Drawn by the panel; SS_NOTIFY so the label takes the mouse instead of its parent.
        style |= SS_OWNERDRAW | SS_NOTIFY;
        break;
      case Kind::kList:
        cls = "ListBox";
        style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP;
        exStyle = WS_EX_CLIENTEDGE;
        break;
      case Kind::kLine:
        cls = "Edit";
        style |= ES_AUTOHSCROLL | WS_TABSTOP;
        exStyle = WS_EX_CLIENTEDGE;
        break;
      case Kind::kReadOnlyText:
        cls = "Edit";
        style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY | WS_VSCROLL | WS_TABSTOP;
        exStyle = WS_EX_CLIENTEDGE;
        break;
    }
    Shown& shown = shown_[i];
    shown.caption = CaptionOf(control);
    shown.control = CreateWindowExA(exStyle, cls, shown.caption.c_str(), style, 0, 0, 0, 0, window_,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
                                    instance, nullptr);
    if (!shown.control) throw std::runtime_error("cannot create a control of " + form_.Name());
    if (IsLabel(control.kind) || control.kind == Kind::kLine) {
      SetWindowLongPtrA(shown.control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
      childProcs_[i] = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrA(shown.control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ChildProc)));
    }
    RefreshControl(i);
  }
}

void PanelFormView::Layout(UINT dpi) {
  dpi_ = dpi;
  textFont_.Create("Tahoma", kTextPoints, false, dpi);
  titleFont_.Create("Tahoma", kTextPoints, true, dpi);
  SetWindowPos(window_, nullptr, 0, 0, Scale(designClient_.cx, dpi), Scale(designClient_.cy, dpi),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const RECT at = Scaled(controls_[i].design, dpi);
    SendMessageA(shown_[i].control, WM_SETFONT, reinterpret_cast<WPARAM>(textFont_.Get()), FALSE);
    SetWindowPos(shown_[i].control, nullptr, at.left, at.top, at.right - at.left,
                 at.bottom - at.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  InvalidateRect(window_, nullptr, TRUE);
}

std::size_t PanelFormView::IndexOf(int id) const {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i].id == id) return i;
  }
  return controls_.size();
}

void PanelFormView::Run(const std::function<void()>& handler) {
  if (handler) events_.Run(handler);
}

void PanelFormView::RefreshControl(std::size_t index) {
  const PanelControl& control = controls_[index];
  Shown& shown = shown_[index];
  if (control.list) {
    if (control.list->items != shown.items) {
      SendMessageA(shown.control, LB_RESETCONTENT, 0, 0);
      for (const std::string& item : control.list->items) {
        SendMessageA(shown.control, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
      }
      shown.items = control.list->items;
      shown.selected = -1;
    }
    if (control.list->selected != shown.selected) {
      SendMessageA(shown.control, LB_SETCURSEL, static_cast<WPARAM>(control.list->selected), 0);
      shown.selected = control.list->selected;
    }
    return;
  }
  const std::string caption = CaptionOf(control);
  if (caption != shown.caption) {
    SetWindowTextA(shown.control, caption.c_str());
    shown.caption = caption;
  }
  // Labels that come and go (a tool's start and stop) and text boxes locked while a tool runs.
  const bool visible = control.label ? control.label->visible : true;
  if (visible != shown.visible) {
    ShowWindow(shown.control, visible ? SW_SHOWNA : SW_HIDE);
    shown.visible = visible;
  }
  const bool enabled = control.text ? control.text->enabled : true;
  if (enabled != shown.enabled) {
    EnableWindow(shown.control, enabled);
    shown.enabled = enabled;
  }
}

void PanelFormView::Refresh() {
  if (!window_ || refreshing_) return;
  refreshing_ = true;
  for (std::size_t i = 0; i < controls_.size(); ++i) RefreshControl(i);
  if (form_.caption != shownCaption_) {
    SetWindowTextA(window_, form_.caption.c_str());
    shownCaption_ = form_.caption;
  }
  RefreshWindowState();
  refreshing_ = false;
}

void PanelFormView::RefreshWindowState() {
  if (form_.onTop != appliedOnTop_) {
    appliedOnTop_ = form_.onTop;
    SetWindowPos(window_, form_.onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  // Only a change of the model moves the window, so a desktop that refuses a show command is
  // not asked again at every wait.
  if (form_.visible == appliedVisible_ && form_.state == appliedState_) return;
  appliedVisible_ = form_.visible;
  appliedState_ = form_.state;
  if (!form_.visible) {
    ShowWindow(window_, SW_HIDE);
    return;
  }
  if (!placed_) {
    // In the middle of the work area, where a window that takes the main window's place is
    // expected.
    placed_ = true;
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    RECT frame{};
    GetWindowRect(window_, &frame);
    SetWindowPos(window_, nullptr,
                 work.left + (work.right - work.left - (frame.right - frame.left)) / 2,
                 work.top + (work.bottom - work.top - (frame.bottom - frame.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (form_.state == WindowState::kMinimized) {
    ShowWindow(window_, SW_MINIMIZE);
  } else {
    ShowWindow(window_, IsIconic(window_) ? SW_RESTORE : SW_SHOWNORMAL);
    SetForegroundWindow(window_);
  }
}

void PanelFormView::SetHovered(int id) {
  if (id == hoveredId_) return;
  for (int changed : {hoveredId_, id}) {
    const std::size_t index = IndexOf(changed);
    if (index < shown_.size()) InvalidateRect(shown_[index].control, nullptr, FALSE);
  }
  hoveredId_ = id;
}

void PanelFormView::OnCommand(int id, int code) {
  const std::size_t index = IndexOf(id);
  if (index >= controls_.size()) return;
  PanelControl& control = controls_[index];
  Shown& shown = shown_[index];
  switch (control.kind) {
    case Kind::kTitle:
    case Kind::kLink:
      // Automation may click a label the way the label itself would report it.
      if (code == STN_CLICKED) Run(control.onClick);
      break;
    case Kind::kList:
      if (code == LBN_SELCHANGE || code == LBN_DBLCLK) {
        const auto selected = static_cast<int>(SendMessageA(shown.control, LB_GETCURSEL, 0, 0));
        control.list->selected = shown.selected = selected;
      }
      if (code == LBN_DBLCLK) Run(control.onClick);
      break;
    case Kind::kLine:
      if (code == EN_CHANGE && !refreshing_) {
        control.text->text = shown.caption = WindowText(shown.control);
      }
      break;
    default:
      break;
  }
}

LRESULT PanelFormView::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel
    case WM_PAINT:
      Paint();
      return 0;
    case WM_DRAWITEM:
      DrawLabel(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_SIZE:
      // Minimised or restored from the taskbar: the model's state too.
      if (wParam == SIZE_MINIMIZED) form_.state = appliedState_ = WindowState::kMinimized;
      if (wParam == SIZE_RESTORED) form_.state = appliedState_ = WindowState::kNormal;
      return 0;
    case kWmDpiChanged: {
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      Layout(LOWORD(wParam));
      return 0;
    }
    case WM_CLOSE:
      // The window stays for the next time; the model decides what closing means.
      Run(onClose_);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(window_, msg, wParam, lParam);
}

LRESULT CALLBACK PanelFormView::ChildProc(HWND control, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<PanelFormView*>(GetWindowLongPtrA(control, GWLP_USERDATA));
  const std::size_t index = self ? self->IndexOf(GetDlgCtrlID(control)) : 0;
  if (!self || index >= self->controls_.size()) return DefWindowProcA(control, msg, wParam, lParam);
  return self->OnChildMessage(index, msg, wParam, lParam);
}

LRESULT PanelFormView::OnChildMessage(std::size_t index, UINT msg, WPARAM wParam, LPARAM lParam) {
  PanelControl& control = controls_[index];
  HWND child = shown_[index].control;
  const WNDPROC original = childProcs_[index];
  if (control.kind == Kind::kLine) {
    if (msg == WM_CHAR && wParam == VK_RETURN) {
      control.text->text = shown_[index].caption = WindowText(child);
      Run(control.onClick);
      return 0;  // a one-line box would only beep at it
    }
    return CallWindowProcA(original, child, msg, wParam, lParam);
  }
  const bool clickable = control.onClick != nullptr;
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      if (control.kind == Kind::kTitle) {
        Run(control.onClick);
      } else if ((msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) && clickable) {
        pressedId_ = control.id;
        SetCapture(child);
      }
      return 0;
    case WM_LBUTTONUP: {
      const bool wasPressed = pressedId_ == control.id;
      pressedId_ = 0;
      if (GetCapture() == child) ReleaseCapture();
      RECT client{};
      GetClientRect(child, &client);
      const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      // A click is a press and a release on the same label; sliding off it cancels.
      if (wasPressed && PtInRect(&client, at)) Run(control.onClick);
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != child) pressedId_ = 0;
      return 0;
    case WM_MOUSEMOVE:
      if (clickable && hoveredId_ != control.id) {
        SetHovered(control.id);
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, child, 0};
        TrackMouseEvent(&track);
      }
      return 0;
    case WM_MOUSELEAVE:
      if (hoveredId_ == control.id) SetHovered(0);
      return 0;
    case WM_SETCURSOR:
      if (clickable) {
        SetCursor(LoadCursorA(nullptr, control.kind == Kind::kTitle ? IDC_SIZEALL : IDC_HAND));
        return TRUE;
      }
      break;
    default:
      break;
  }
  return CallWindowProcA(original, child, msg, wParam, lParam);
}

void PanelFormView::Paint() {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(window_, &paint);
  RECT client{};
  GetClientRect(window_, &client);
  FillSolid(dc, client, colour::kBody);
  const int strip = Scale(kTitleStripHeight, dpi_);
  const int line = std::max(1, Scale(1, dpi_));
  FillSolid(dc, RECT{0, 0, client.right, strip}, colour::kTitleStrip);
  FillSolid(dc, RECT{0, strip, client.right, strip + line}, colour::kAccent);
  FillSolid(dc, RECT{0, 0, client.right, line}, colour::kAccent);
  FillSolid(dc, RECT{0, client.bottom - line, client.right, client.bottom}, colour::kAccent);
  FillSolid(dc, RECT{0, 0, line, client.bottom}, colour::kAccent);
  FillSolid(dc, RECT{client.right - line, 0, client.right, client.bottom}, colour::kAccent);
  EndPaint(window_, &paint);
}

void PanelFormView::DrawLabel(const DRAWITEMSTRUCT& item) {
  const std::size_t index = IndexOf(static_cast<int>(item.CtlID));
  if (index >= controls_.size()) return;
  const PanelControl& control = controls_[index];
  HDC dc = item.hDC;
  const bool inStrip = control.design.top < kTitleStripHeight;
  const bool hovered = hoveredId_ == control.id && control.kind == Kind::kLink;
  COLORREF back = inStrip ? colour::kTitleStrip : colour::kBody;
  if (hovered) back = colour::kHoverBack;
  FillSolid(dc, item.rcItem, back);
  COLORREF ink = colour::kLinkText;
  if (control.kind == Kind::kTitle) ink = colour::kTitleText;
  if (control.kind == Kind::kNote) ink = colour::kStatusText;
  if (hovered) ink = colour::kHoverText;

  const std::string text = WindowText(item.hwndItem);
  HGDIOBJ oldFont =
      SelectObject(dc, control.kind == Kind::kTitle ? titleFont_.Get() : textFont_.Get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ink);
  RECT area = item.rcItem;
  UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
  format |= control.kind == Kind::kLink ? DT_CENTER : DT_LEFT;
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
  SelectObject(dc, oldFont);
}

}  // namespace drelm::win32::view
