// The window services the program uses: finding windows by class and caption, reading and
// setting their text, sending and posting messages, show state, menus and owning process.
// Class names and captions match case-insensitively, as FindWindowA does. Every call on handle 0
// does nothing and returns 0 or empty text. Texts are ANSI (Windows-1252) bytes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/types.h"

namespace drelm {

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  // Lookup. An absent class or caption matches any window.
  virtual Hwnd FindWindow(const std::optional<std::string>& className,
                          const std::optional<std::string>& caption) = 0;
  // Direct children of parent only (0 = the desktop's top-level windows), starting after
  // childAfter (0 = from the first), in z-order.
  virtual Hwnd FindWindowEx(Hwnd parent, Hwnd childAfter,
                            const std::optional<std::string>& className,
                            const std::optional<std::string>& caption) = 0;
  virtual std::vector<Hwnd> Children(Hwnd parent) = 0;
  virtual bool IsWindow(Hwnd window) = 0;
  virtual Hwnd Parent(Hwnd window) = 0;
  virtual std::string ClassName(Hwnd window) = 0;

  // Captions, as GetWindowTextLengthA/GetWindowTextA see them (the stored window text).
  virtual int GetWindowTextLength(Hwnd window) = 0;
  // At most maxCount - 1 characters, like GetWindowTextA with a buffer of maxCount.
  virtual std::string GetWindowText(Hwnd window, int maxCount) = 0;

  // Messages whose parameters are plain numbers.
  virtual LResult SendMessage(Hwnd window, std::uint32_t msg, WParam wParam, LParam lParam) = 0;
  // Messages whose lParam points at a text the target reads (WM_SETTEXT, LB_ADDSTRING, ...).
  virtual LResult SendTextMessage(Hwnd window, std::uint32_t msg, WParam wParam,
                                  const std::string& text) = 0;
  // Messages whose lParam points at a buffer the target fills (WM_GETTEXT with wParam the buffer
  // size, LB_GETTEXT with wParam the index and a buffer of bufferChars). Returns the filled text.
  virtual std::string SendBufferMessage(Hwnd window, std::uint32_t msg, WParam wParam,
                                        std::size_t bufferChars, LResult* result = nullptr) = 0;
  // Posted messages never carry pointers.
  virtual bool PostMessage(Hwnd window, std::uint32_t msg, WParam wParam, LParam lParam) = 0;

  // Show state.
  virtual bool ShowWindow(Hwnd window, int showCmd) = 0;
  virtual bool IsWindowVisible(Hwnd window) = 0;
  // The showCmd of GetWindowPlacement: SW_SHOWNORMAL, SW_SHOWMINIMIZED or SW_SHOWMAXIMIZED.
  virtual int ShowState(Hwnd window) = 0;
  // SetWindowPos with HWND_TOPMOST (or HWND_NOTOPMOST), SWP_NOSIZE | SWP_NOMOVE.
  virtual bool SetTopmost(Hwnd window, bool topmost) = 0;
  // ReleaseCapture followed by the caption drag (WM_SYSCOMMAND 0xF012) is done by the caller.
  virtual void ReleaseCapture() = 0;

  // Menus (readable in-process only on Wine).
  virtual MenuHandle GetMenu(Hwnd window) = 0;
  virtual int GetMenuItemCount(MenuHandle menu) = 0;
  virtual MenuHandle GetSubMenu(MenuHandle menu, int position) = 0;
  virtual std::uint32_t GetMenuItemID(MenuHandle menu, int position) = 0;
  // GetMenuStringA by command identifier into a buffer of maxCount characters.
  virtual std::string GetMenuString(MenuHandle menu, std::uint32_t id, int maxCount) = 0;

  virtual ProcessId WindowProcessId(Hwnd window) = 0;
  // The file version ("major.minor.build.revision") of the version resource of the executable
  // (its full image path) of the process that owns window; empty when unknown. It tells another
  // program's version where its menus cannot be read.
  virtual std::string ProgramFileVersion(Hwnd window) = 0;
};

}  // namespace drelm
