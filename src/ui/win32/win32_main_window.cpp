#include "ui/win32/win32_main_window.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

#include "platform/win32/win32_optional_functions.h"

#include "program/frm_main.h"

namespace drelm::win32::view {

namespace {

// The panel at 96 DPI: a title strip with the drag title and the two window glyphs, a row with
// the idle clock and the text click areas, and the status line.
constexpr int kWidth = 232;
constexpr int kHeight = 70;
constexpr int kTitleStripHeight = 22;
constexpr int kRuleBelowRow = 46;
// Away from the screen's corner, and below where a maximised window keeps its own buttons.
constexpr int kMarginRight = 24;
constexpr int kMarginTop = 48;
constexpr int kTextPoints = 8;

constexpr const char* kLabelClass = "Static";

WNDPROC& StaticProc() {
  static WNDPROC proc = nullptr;
  return proc;
}

RECT Scaled(const RECT& design, UINT dpi) {
  return RECT{Scale(design.left, dpi), Scale(design.top, dpi), Scale(design.right, dpi),
              Scale(design.bottom, dpi)};
}

std::string WindowText(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

// Milliseconds since this process was created, by the system clock both times were taken on;
// unknown on 98 and ME, which keep no creation time.
std::optional<std::uint64_t> MsSinceProcessStart() {
  using GetProcessTimesFn = BOOL(WINAPI*)(HANDLE, LPFILETIME, LPFILETIME, LPFILETIME, LPFILETIME);
  static const auto getProcessTimes = FindOptionalAs<GetProcessTimesFn>(kGetProcessTimes);
  FILETIME created{}, exited{}, kernel{}, user{};
  if (!getProcessTimes ||
      !getProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) {
    return std::nullopt;
  }
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  const auto ticks = [](const FILETIME& t) {
    return (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
  };
  const std::uint64_t start = ticks(created);
  const std::uint64_t end = ticks(now);
  return end > start ? (end - start) / 10000 : 0;
}

void DrawGlyphLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour, int width) {
  LOGBRUSH brush{BS_SOLID, colour, 0};
  HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND, static_cast<DWORD>(width),
                          &brush, 0, nullptr);
  HGDIOBJ old = SelectObject(dc, pen);
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
  SelectObject(dc, old);
  DeleteObject(pen);
}

}  // namespace

MainWindowView::MainWindowView(FrmMain& form, ViewEvents& events, std::function<void()> endProgram)
    : form_(form),
      events_(events),
      endProgram_(std::move(endProgram)),
      labels_{{
          {&FrmMain::lblStatus, kLblStatusId, Role::kText, {8, 51, kWidth - 8, 67}, nullptr},
          {&FrmMain::Label5,
           kLabel5Id,
           Role::kLink,
           {kWidth - 24, 27, kWidth - 8, 43},
           &FrmMain::Label5_Click},
          {&FrmMain::Label4,
           kLabel4Id,
           Role::kLink,
           {kWidth - 42, 27, kWidth - 26, 43},
           &FrmMain::Label4_Click},
          {&FrmMain::Label3,
           kLabel3Id,
           Role::kLink,
           {kWidth - 118, 27, kWidth - 82, 43},
           &FrmMain::Label3_Click},
          {&FrmMain::lblMinimize,
           kLblMinimizeId,
           Role::kMinimizeGlyph,
           {kWidth - 46, 3, kWidth - 26, 19},
           &FrmMain::lblMinimize_Click},
          {&FrmMain::lblExit,
           kLblExitId,
           Role::kExitGlyph,
           {kWidth - 24, 3, kWidth - 4, 19},
           &FrmMain::lblExit_Click},
          {&FrmMain::lblDragMe, kLblDragMeId, Role::kTitle, {8, 3, kWidth - 52, 19}, nullptr},
          {&FrmMain::lblMins, kLblMinsId, Role::kClock, {76, 27, 108, 43}, nullptr},
          {&FrmMain::lblHours, kLblHoursId, Role::kClock, {42, 27, 74, 43}, nullptr},
          {&FrmMain::lblDays, kLblDaysId, Role::kClock, {8, 27, 40, 43}, nullptr},
          {&FrmMain::lblMenu,
           kLblMenuId,
           Role::kLink,
           {kWidth - 80, 27, kWidth - 44, 43},
           &FrmMain::lblMenu_Click},
      }} {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  RegisterProgramWindowClass(kMainWindowClass, ViewWindowProc<MainWindowView>);

  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  // WS_SYSMENU and WS_MINIMIZEBOX draw nothing on a pop-up, but give the taskbar button its
  // restore and close commands once the window is minimised.
  window_ = CreateWindowExA(WS_EX_APPWINDOW, kMainWindowClass, form_.caption.c_str(),
                            WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX,
                            work.right - kWidth - kMarginRight, work.top + kMarginTop, kWidth,
                            kHeight, nullptr, nullptr, instance, this);
  if (!window_) throw std::runtime_error("cannot create the main window");
  shownCaption_ = form_.caption;
  CreateLabels();
  Layout(WindowDpi(window_));
}

MainWindowView::~MainWindowView() {
  if (window_) {
    for (LabelView& label : labels_) {
      if (label.control) SetWindowLongPtrA(label.control, GWLP_USERDATA, 0);
    }
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

void MainWindowView::CreateLabels() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  for (LabelView& label : labels_) {
    const Label& model = form_.*label.member;
    // SS_OWNERDRAW: the panel paints the label itself; SS_NOTIFY: the label takes the mouse
    // (without it a static lets clicks fall through to its parent).
    DWORD style = WS_CHILD | SS_OWNERDRAW | SS_NOTIFY;
    if (model.visible) style |= WS_VISIBLE;
    if (!model.enabled) style |= WS_DISABLED;
    label.control =
        CreateWindowExA(0, kLabelClass, model.caption.c_str(), style, 0, 0, 0, 0, window_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(label.id)), instance, nullptr);
    if (!label.control) throw std::runtime_error("cannot create a label of the main window");
    label.shownCaption = model.caption;
    label.shownVisible = model.visible;
    label.shownEnabled = model.enabled;
    SetWindowLongPtrA(label.control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    const auto previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(label.control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LabelProc)));
    if (!StaticProc()) StaticProc() = previous;
  }
}

void MainWindowView::Layout(UINT dpi) {
  dpi_ = dpi;
  textFont_.Create("Tahoma", kTextPoints, false, dpi);
  titleFont_.Create("Tahoma", kTextPoints, true, dpi);
  RECT frame{};
  GetWindowRect(window_, &frame);
  const int width = Scale(kWidth, dpi);
  const int height = Scale(kHeight, dpi);
  // The right edge stays where it was, so the panel keeps to its corner.
  SetWindowPos(window_, nullptr, frame.right - width, frame.top, width, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  for (LabelView& label : labels_) {
    const RECT at = Scaled(label.design, dpi);
    SetWindowPos(label.control, nullptr, at.left, at.top, at.right - at.left, at.bottom - at.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  InvalidateRect(window_, nullptr, TRUE);
}

MainWindowView::LabelView* MainWindowView::FindLabel(int id) {
  for (LabelView& label : labels_) {
    if (label.id == id) return &label;
  }
  return nullptr;
}

bool MainWindowView::Clickable(const LabelView& label) {
  return label.onClick != nullptr || label.role == Role::kTitle;
}

void MainWindowView::Refresh() {
  if (!window_ || refreshing_) return;
  refreshing_ = true;
  for (LabelView& label : labels_) {
    const Label& model = form_.*label.member;
    if (model.caption != label.shownCaption) {
      SetWindowTextA(label.control, model.caption.c_str());
      label.shownCaption = model.caption;
    }
    if (model.visible != label.shownVisible) {
      ShowWindow(label.control, model.visible ? SW_SHOWNA : SW_HIDE);
      label.shownVisible = model.visible;
    }
    if (model.enabled != label.shownEnabled) {
      EnableWindow(label.control, model.enabled ? TRUE : FALSE);
      label.shownEnabled = model.enabled;
    }
  }
  if (form_.caption != shownCaption_) {
    SetWindowTextA(window_, form_.caption.c_str());
    shownCaption_ = form_.caption;
  }
  RefreshWindowState();
  refreshing_ = false;
}

void MainWindowView::RefreshWindowState() {
  // Only a change of the model moves the window. Comparing with the window itself instead would
  // repeat a show command the desktop does not carry out (a shell that refuses to minimise) on
  // every wait, and each repetition would wake the loop again.
  if (form_.visible == appliedVisible_ && form_.state == appliedState_) return;
  appliedVisible_ = form_.visible;
  appliedState_ = form_.state;
  if (!form_.visible) {
    ShowWindow(window_, SW_HIDE);
    return;
  }
  if (form_.state == WindowState::kMinimized) {
    ShowWindow(window_, SW_MINIMIZE);
  } else {
    ShowWindow(window_, IsIconic(window_) ? SW_RESTORE : SW_SHOWNORMAL);
  }
  NoteFirstShown();
}

void MainWindowView::NoteFirstShown() {
  if (firstShown_ || !IsWindowVisible(window_)) return;
  firstShown_ = true;
  UpdateWindow(window_);
  const std::optional<std::uint64_t> ms = MsSinceProcessStart();
  const std::uintptr_t value =
      ms ? static_cast<std::uintptr_t>(std::clamp<std::uint64_t>(*ms, 1, kShownAfterUnknown - 1))
         : kShownAfterUnknown;
  SetPropA(window_, kShownAfterMsProperty, reinterpret_cast<HANDLE>(value));
}

void MainWindowView::Click(LabelView& label) {
  if (!label.onClick) return;
  const auto handler = label.onClick;
  events_.Run([this, handler] { (form_.*handler)(); });
}

void MainWindowView::PressTitle() {
  events_.Run([this] { form_.lblDragMe_MouseDown(); });
}

void MainWindowView::SetHovered(int id) {
  if (id == hoveredId_) return;
  for (int changed : {hoveredId_, id}) {
    if (LabelView* label = FindLabel(changed)) InvalidateRect(label->control, nullptr, FALSE);
  }
  hoveredId_ = id;
}

LRESULT MainWindowView::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
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
      // Automation may click a label the way the label itself would report it.
      if (HIWORD(wParam) == STN_CLICKED) {
        if (LabelView* label = FindLabel(LOWORD(wParam))) {
          if (label->role == Role::kTitle) {
            PressTitle();
          } else {
            Click(*label);
          }
        }
        return 0;
      }
      break;
    case WM_SIZE:
      // The user minimising from the taskbar, or restoring from it, is the model's state too.
      if (wParam == SIZE_MINIMIZED) form_.state = appliedState_ = WindowState::kMinimized;
      if (wParam == SIZE_RESTORED) form_.state = appliedState_ = WindowState::kNormal;
      return 0;
    case 0x02E0: {  // WM_DPICHANGED: the window moved to a monitor of another DPI
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      Layout(LOWORD(wParam));
      return 0;
    }
    case WM_CLOSE:
      // Alt+F4 or "close" on the taskbar button: the program ends at once, without the exit
      // announcement, as ending a program from outside does.
      if (endProgram_) events_.Run(endProgram_);
      return 0;
    case WM_ENDSESSION:
      // Log-off or shut-down goes ahead (WM_QUERYENDSESSION gets DefWindowProc's yes); the
      // process may be gone as soon as this returns, so the record is kept now.
      if (wParam) events_.Run([this] { form_.SessionEnding(); });
      return 0;
    default:
      break;
  }
  return DefWindowProcA(window_, msg, wParam, lParam);
}

LRESULT CALLBACK MainWindowView::LabelProc(HWND control, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<MainWindowView*>(GetWindowLongPtrA(control, GWLP_USERDATA));
  if (self) {
    if (LabelView* label = self->FindLabel(GetDlgCtrlID(control))) {
      return self->OnLabelMessage(*label, msg, wParam, lParam);
    }
  }
  return CallWindowProcA(StaticProc(), control, msg, wParam, lParam);
}

LRESULT MainWindowView::OnLabelMessage(LabelView& label, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      if (label.role == Role::kTitle) {
        // The title drags the window with any button, as soon as it is pressed.
        PressTitle();
      } else if ((msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) && label.onClick) {
        pressedId_ = label.id;
        SetCapture(label.control);
      }
      return 0;
    case WM_LBUTTONUP: {
      const bool wasPressed = pressedId_ == label.id;
      pressedId_ = 0;
      if (GetCapture() == label.control) ReleaseCapture();
      RECT client{};
      GetClientRect(label.control, &client);
      const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      // A click is a press and a release on the same label; sliding off it cancels.
      if (wasPressed && PtInRect(&client, at)) Click(label);
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != label.control) pressedId_ = 0;
      return 0;
    case WM_MOUSEMOVE:
      if (Clickable(label) && hoveredId_ != label.id) {
        SetHovered(label.id);
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, label.control, 0};
        TrackMouseEvent(&track);
      }
      return 0;
    case WM_MOUSELEAVE:
      if (hoveredId_ == label.id) SetHovered(0);
      return 0;
    case WM_SETCURSOR:
      if (label.role == Role::kTitle) {
        SetCursor(LoadCursorA(nullptr, IDC_SIZEALL));
        return TRUE;
      }
      if (label.onClick) {
        SetCursor(LoadCursorA(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    default:
      break;
  }
  return CallWindowProcA(StaticProc(), label.control, msg, wParam, lParam);
}

void MainWindowView::Paint() {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(window_, &paint);
  RECT client{};
  GetClientRect(window_, &client);
  FillSolid(dc, client, colour::kBody);
  const int strip = Scale(kTitleStripHeight, dpi_);
  const int line = std::max(1, Scale(1, dpi_));
  FillSolid(dc, RECT{0, 0, client.right, strip}, colour::kTitleStrip);
  FillSolid(dc, RECT{0, strip, client.right, strip + line}, colour::kAccent);
  const int rule = Scale(kRuleBelowRow, dpi_);
  FillSolid(dc, RECT{Scale(8, dpi_), rule, client.right - Scale(8, dpi_), rule + line},
            colour::kRule);
  // The frame: one accent line all round.
  FillSolid(dc, RECT{0, 0, client.right, line}, colour::kAccent);
  FillSolid(dc, RECT{0, client.bottom - line, client.right, client.bottom}, colour::kAccent);
  FillSolid(dc, RECT{0, 0, line, client.bottom}, colour::kAccent);
  FillSolid(dc, RECT{client.right - line, 0, client.right, client.bottom}, colour::kAccent);
  EndPaint(window_, &paint);
}

void MainWindowView::DrawLabel(const DRAWITEMSTRUCT& item) {
  LabelView* label = FindLabel(static_cast<int>(item.CtlID));
  if (!label) return;
  HDC dc = item.hDC;
  const RECT& box = item.rcItem;
  const bool inStrip = label->design.top < kTitleStripHeight;
  const bool hovered = hoveredId_ == label->id && Clickable(*label);
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  COLORREF back = inStrip ? colour::kTitleStrip : colour::kBody;
  if (hovered && label->role != Role::kTitle) {
    back = label->role == Role::kExitGlyph ? colour::kExitHoverBack : colour::kHoverBack;
  }
  FillSolid(dc, box, back);

  COLORREF ink = colour::kLinkText;
  switch (label->role) {
    case Role::kTitle:
      ink = colour::kTitleText;
      break;
    case Role::kClock:
      ink = colour::kClockText;
      break;
    case Role::kText:
      ink = colour::kStatusText;
      break;
    default:
      break;
  }
  if (hovered) ink = colour::kHoverText;
  if (disabled) ink = colour::kDisabledText;

  const int cx = (box.left + box.right) / 2;
  const int cy = (box.top + box.bottom) / 2;
  const int arm = Scale(4, dpi_);
  const int pen = std::max(1, Scale(3, dpi_) / 2);
  if (label->role == Role::kMinimizeGlyph) {
    DrawGlyphLine(dc, cx - arm, cy + arm - 1, cx + arm, cy + arm - 1, ink, pen);
    return;
  }
  if (label->role == Role::kExitGlyph) {
    DrawGlyphLine(dc, cx - arm, cy - arm, cx + arm, cy + arm, ink, pen);
    DrawGlyphLine(dc, cx - arm, cy + arm, cx + arm, cy - arm, ink, pen);
    return;
  }

  const std::string text = WindowText(item.hwndItem);
  HGDIOBJ oldFont =
      SelectObject(dc, label->role == Role::kTitle ? titleFont_.Get() : textFont_.Get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ink);
  RECT area = box;
  UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
  format |= label->role == Role::kLink ? DT_CENTER : DT_LEFT;
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
  SelectObject(dc, oldFont);
}

}  // namespace drelm::win32::view
