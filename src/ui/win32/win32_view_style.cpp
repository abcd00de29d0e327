#include "ui/win32/win32_view_style.h"

#include <map>

#include "platform/win32/win32_optional_functions.h"

namespace drelm::win32::view {

namespace {

constexpr UINT kDesignDpi = 96;
// The icon group of the executable's resources (drelm-idle.rc).
constexpr int kProgramIconId = 1;

}  // namespace

UINT WindowDpi(HWND window) {
  // Windows before 10 1607 have one DPI for all monitors.
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = FindOptionalAs<GetDpiForWindowFn>(kGetDpiForWindow);
  if (getDpiForWindow && window) {
    const UINT dpi = getDpiForWindow(window);
    if (dpi != 0) return dpi;
  }
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : kDesignDpi;
}

int Scale(int designPixels, UINT dpi) {
  return MulDiv(designPixels, static_cast<int>(dpi), static_cast<int>(kDesignDpi));
}

void Font::Create(const std::string& face, int points, bool bold, UINT dpi) {
  Reset();
  font_ =
      CreateFontA(-MulDiv(points, static_cast<int>(dpi), 72), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL,
                  FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                  CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, face.c_str());
}

void Font::Reset() {
  if (font_) DeleteObject(font_);
  font_ = nullptr;
}

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  // ExtTextOut with ETO_OPAQUE fills without a brush object.
  const COLORREF previous = SetBkColor(dc, colour);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  SetBkColor(dc, previous);
}

HICON ProgramIcon(int pixels) {
  // One load per size for the life of the process; the system frees them at exit.
  static std::map<int, HICON> loaded;
  auto found = loaded.find(pixels);
  if (found != loaded.end()) return found->second;
  HICON icon =
      static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kProgramIconId),
                                    IMAGE_ICON, pixels, pixels, LR_DEFAULTCOLOR));
  if (!icon) icon = LoadIconA(nullptr, IDI_APPLICATION);
  loaded.emplace(pixels, icon);
  return icon;
}

void RegisterProgramWindowClass(const char* className, WNDPROC windowProc, HBRUSH background) {
  WNDCLASSEXA cls{};
  cls.cbSize = sizeof cls;
  cls.lpfnWndProc = windowProc;
  cls.hInstance = GetModuleHandleA(nullptr);
  cls.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  cls.hIcon = ProgramIcon(GetSystemMetrics(SM_CXICON));
  cls.hIconSm = ProgramIcon(GetSystemMetrics(SM_CXSMICON));
  cls.hbrBackground = background;
  cls.lpszClassName = className;
  RegisterClassExA(&cls);
}

}  // namespace drelm::win32::view
