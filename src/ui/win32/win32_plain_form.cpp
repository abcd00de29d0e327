#include "ui/win32/win32_plain_form.h"

#include <stdexcept>

#include "platform/win32/win32_optional_functions.h"

namespace drelm::win32::view {

namespace {

constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr int kFirstControlId = 300;
constexpr UINT kWmDpiChanged = 0x02E0;

// The lines a caption means: it pads each line with blanks so that a label of the right width
// wraps there, so a run of two or more blanks ends a line.
std::vector<std::string> IntendedLines(const std::string& caption) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < caption.size()) {
    std::size_t end = caption.find("  ", at);
    if (end == std::string::npos) end = caption.size();
    lines.push_back(caption.substr(at, end - at));
    at = caption.find_first_not_of(' ', end);
    if (at == std::string::npos) break;
  }
  return lines;
}

void FrameFor(SIZE client, UINT dpi, int* width, int* height) {
  RECT rect{0, 0, Scale(client.cx, dpi), Scale(client.cy, dpi)};
  using AdjustForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
  static const auto adjustForDpi = FindOptionalAs<AdjustForDpiFn>(kAdjustWindowRectExForDpi);
  if (adjustForDpi) {
    adjustForDpi(&rect, kFrameStyle, FALSE, 0, dpi);
  } else {
    AdjustWindowRectEx(&rect, kFrameStyle, FALSE, 0);
  }
  *width = rect.right - rect.left;
  *height = rect.bottom - rect.top;
}

}  // namespace

PlainFormView::PlainFormView(Form& form, const char* className, SIZE designClient,
                             std::vector<PlainControl> controls, ViewEvents& events,
                             std::function<void()> onClose)
    : form_(form),
      className_(className),
      designClient_(designClient),
      controls_(std::move(controls)),
      events_(events),
      onClose_(std::move(onClose)) {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    controls_[i].id = kFirstControlId + static_cast<int>(i);
  }
}

PlainFormView::~PlainFormView() {
  if (window_) {
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

const std::string* PlainFormView::CaptionOf(const PlainControl& control) const {
  if (control.label) return &control.label->caption;
  if (control.button) return &control.button->caption;
  return nullptr;
}

void PlainFormView::Create() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  RegisterProgramWindowClass(className_, ViewWindowProc<PlainFormView>,
                             reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  window_ = CreateWindowExA(0, className_, form_.caption.c_str(), kFrameStyle, CW_USEDEFAULT,
                            CW_USEDEFAULT, 100, 100, nullptr, nullptr, instance, this);
  if (!window_) throw std::runtime_error("cannot create the window " + form_.Name());
  shownCaption_ = form_.caption;

  for (const PlainControl& control : controls_) {
    const std::string* caption = CaptionOf(control);
    const char* cls = "Static";
    DWORD style = WS_CHILD | WS_VISIBLE;
    switch (control.kind) {
      case PlainControl::Kind::kLabel:
        style |= SS_LEFT | SS_NOPREFIX;
        break;
      case PlainControl::Kind::kWrappedLabel:
        // Drawn here, one line per blank-padded piece, so it breaks where its caption says
        // whatever the font's widths.
        style |= SS_OWNERDRAW | SS_NOPREFIX;
        break;
      case PlainControl::Kind::kButton:
        cls = "Button";
        style |= BS_PUSHBUTTON | WS_TABSTOP;
        break;
      case PlainControl::Kind::kRule:
        style |= SS_ETCHEDHORZ;
        break;
      case PlainControl::Kind::kIcon:
        style |= SS_ICON | SS_REALSIZEIMAGE | SS_CENTERIMAGE;
        break;
    }
    Shown shown;
    shown.control = CreateWindowExA(
        0, cls, caption ? caption->c_str() : "", style, 0, 0, 0, 0, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance, nullptr);
    if (caption) shown.caption = *caption;
    shown.font = std::make_unique<Font>();
    shown_.push_back(std::move(shown));
  }
  Layout(WindowDpi(window_));

  // In the middle of the work area, where a window opened from a menu is expected.
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  RECT frame{};
  GetWindowRect(window_, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  SetWindowPos(window_, nullptr, work.left + (work.right - work.left - width) / 2,
               work.top + (work.bottom - work.top - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PlainFormView::Layout(UINT dpi) {
  int width = 0;
  int height = 0;
  FrameFor(designClient_, dpi, &width, &height);
  SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const PlainControl& control = controls_[i];
    Shown& shown = shown_[i];
    shown.font->Create(control.face, control.points, control.bold, dpi);
    SendMessageA(shown.control, WM_SETFONT, reinterpret_cast<WPARAM>(shown.font->Get()), FALSE);
    RECT at{Scale(control.design.left, dpi), Scale(control.design.top, dpi),
            Scale(control.design.right, dpi), Scale(control.design.bottom, dpi)};
    if (control.kind == PlainControl::Kind::kIcon) {
      SendMessageA(shown.control, STM_SETICON,
                   reinterpret_cast<WPARAM>(ProgramIcon(Scale(48, dpi))), 0);
    }
    SetWindowPos(shown.control, nullptr, at.left, at.top, at.right - at.left, at.bottom - at.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  InvalidateRect(window_, nullptr, TRUE);
}

void PlainFormView::Refresh() {
  if (!window_) {
    if (!form_.visible) return;
    Create();
  }
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const std::string* caption = CaptionOf(controls_[i]);
    if (caption && *caption != shown_[i].caption) {
      SetWindowTextA(shown_[i].control, caption->c_str());
      shown_[i].caption = *caption;
    }
  }
  if (form_.caption != shownCaption_) {
    SetWindowTextA(window_, form_.caption.c_str());
    shownCaption_ = form_.caption;
  }
  const bool shown = IsWindowVisible(window_) != FALSE;
  if (form_.visible && !shown) {
    ShowWindow(window_, SW_SHOWNORMAL);
    SetForegroundWindow(window_);
  } else if (!form_.visible && shown) {
    ShowWindow(window_, SW_HIDE);
  }
}

void PlainFormView::DrawWrapped(const DRAWITEMSTRUCT& item) {
  // Only the controls created so far: the window hears from its first one while the others are
  // still being made.
  for (std::size_t i = 0; i < shown_.size(); ++i) {
    if (static_cast<UINT>(controls_[i].id) != item.CtlID) continue;
    HDC dc = item.hDC;
    FillRect(dc, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    HGDIOBJ old = SelectObject(dc, shown_[i].font->Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    int y = item.rcItem.top;
    std::string caption(static_cast<std::size_t>(GetWindowTextLengthA(item.hwndItem)) + 1, '\0');
    caption.resize(static_cast<std::size_t>(
        GetWindowTextA(item.hwndItem, caption.data(), static_cast<int>(caption.size()))));
    for (const std::string& line : IntendedLines(caption)) {
      TextOutA(dc, item.rcItem.left, y, line.c_str(), static_cast<int>(line.size()));
      y += metrics.tmHeight;
    }
    SelectObject(dc, old);
  }
}

LRESULT PlainFormView::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) {
        for (const PlainControl& control : controls_) {
          if (control.id == LOWORD(wParam) && control.onClick) events_.Run(control.onClick);
        }
        return 0;
      }
      break;
    case WM_DRAWITEM:
      DrawWrapped(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_CLOSE:
      // The frame's close box: the model decides; the window itself stays for the next time.
      if (onClose_) events_.Run(onClose_);
      return 0;
    case kWmDpiChanged: {
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      Layout(LOWORD(wParam));
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcA(window_, msg, wParam, lParam);
}

}  // namespace drelm::win32::view
