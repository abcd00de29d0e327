// What the program's own windows look like: the panel's colours, its fonts at a given DPI and
// the scaling of design pixels (96 DPI) to the monitor a window is on.
#pragma once

#include <string>

#include "platform/win32/win32_api.h"

namespace drelm::win32::view {

namespace colour {
inline constexpr COLORREF kBody = RGB(0x17, 0x21, 0x2E);
inline constexpr COLORREF kTitleStrip = RGB(0x22, 0x34, 0x4A);
inline constexpr COLORREF kAccent = RGB(0x4F, 0x9B, 0xE8);
inline constexpr COLORREF kRule = RGB(0x2E, 0x46, 0x60);
inline constexpr COLORREF kTitleText = RGB(0xF2, 0xF6, 0xFA);
inline constexpr COLORREF kClockText = RGB(0x9F, 0xD3, 0xFF);
inline constexpr COLORREF kLinkText = RGB(0xC9, 0xD6, 0xE3);
inline constexpr COLORREF kHoverText = RGB(0xFF, 0xFF, 0xFF);
inline constexpr COLORREF kHoverBack = RGB(0x2F, 0x4B, 0x6B);
inline constexpr COLORREF kExitHoverBack = RGB(0xB8, 0x3B, 0x3B);
inline constexpr COLORREF kStatusText = RGB(0x8F, 0xA3, 0xB8);
inline constexpr COLORREF kDisabledText = RGB(0x5A, 0x6A, 0x7A);
}  // namespace colour

// The DPI of the monitor the window is on (96 on systems that cannot tell per window).
UINT WindowDpi(HWND window);
int Scale(int designPixels, UINT dpi);

// A GDI font that frees itself.
class Font {
 public:
  Font() = default;
  ~Font() { Reset(); }
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  void Create(const std::string& face, int points, bool bold, UINT dpi);
  void Reset();
  HFONT Get() const { return font_; }

 private:
  HFONT font_ = nullptr;
};

// A solid brush that frees itself.
class Brush {
 public:
  explicit Brush(COLORREF colour) : brush_(CreateSolidBrush(colour)) {}
  ~Brush() { DeleteObject(brush_); }
  Brush(const Brush&) = delete;
  Brush& operator=(const Brush&) = delete;
  HBRUSH Get() const { return brush_; }

 private:
  HBRUSH brush_;
};

void FillSolid(HDC dc, const RECT& rect, COLORREF colour);

// The program's icon from its resources at the given pixel size, loaded once per size.
HICON ProgramIcon(int pixels);

// Registers one of the program's window classes with its icon and the arrow cursor.
void RegisterProgramWindowClass(const char* className, WNDPROC windowProc,
                                HBRUSH background = nullptr);

}  // namespace drelm::win32::view
