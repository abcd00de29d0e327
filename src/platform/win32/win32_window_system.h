// The window system of the real desktop (user32). Messages to windows of other threads, the AOL
// client's above all, go through SendMessageTimeout with SMTO_ABORTIFHUNG, so a hung client
// costs kCrossProcessSendMs once, and nothing more while it stays hung; the program's own
// windows get plain sends.
// List box and combo box item texts travel as UTF-16 where the wide sends are real (the NT line)
// and are converted to ANSI here; elsewhere they are asked for in ANSI, in a buffer that also
// holds the UTF-16 answer Wine gives that request across processes.
#pragma once

#include <cstdint>

#include "platform/window_system.h"

namespace drelm::win32 {

// Cross-process SendMessageTimeout: a hung AOL client cannot hang us.
inline constexpr std::uint32_t kCrossProcessSendMs = 5000;

// How list and combo box item texts are asked for.
enum class ItemTextWay { kWide, kAnsi };
// Wide on the NT line, where the wide sends are real; ANSI on 98 and ME.
ItemTextWay ItemTextWayOfThisWindows();

class Win32WindowSystem : public WindowSystem {
 public:
  // A test may take the other way than this Windows would.
  explicit Win32WindowSystem(ItemTextWay itemTexts = ItemTextWayOfThisWindows())
      : itemTexts_(itemTexts) {}

  Hwnd FindWindow(const std::optional<std::string>& className,
                  const std::optional<std::string>& caption) override;
  Hwnd FindWindowEx(Hwnd parent, Hwnd childAfter, const std::optional<std::string>& className,
                    const std::optional<std::string>& caption) override;
  std::vector<Hwnd> Children(Hwnd parent) override;
  bool IsWindow(Hwnd window) override;
  Hwnd Parent(Hwnd window) override;
  std::string ClassName(Hwnd window) override;

  int GetWindowTextLength(Hwnd window) override;
  std::string GetWindowText(Hwnd window, int maxCount) override;

  LResult SendMessage(Hwnd window, std::uint32_t msg, WParam wParam, LParam lParam) override;
  LResult SendTextMessage(Hwnd window, std::uint32_t msg, WParam wParam,
                          const std::string& text) override;
  std::string SendBufferMessage(Hwnd window, std::uint32_t msg, WParam wParam,
                                std::size_t bufferChars, LResult* result = nullptr) override;
  bool PostMessage(Hwnd window, std::uint32_t msg, WParam wParam, LParam lParam) override;

  // Another thread's window is shown asynchronously (a hung client cannot block us); the result
  // is the visibility before the call in either case.
  bool ShowWindow(Hwnd window, int showCmd) override;
  bool IsWindowVisible(Hwnd window) override;
  int ShowState(Hwnd window) override;
  bool SetTopmost(Hwnd window, bool topmost) override;
  void ReleaseCapture() override;

  MenuHandle GetMenu(Hwnd window) override;
  int GetMenuItemCount(MenuHandle menu) override;
  MenuHandle GetSubMenu(MenuHandle menu, int position) override;
  std::uint32_t GetMenuItemID(MenuHandle menu, int position) override;
  std::string GetMenuString(MenuHandle menu, std::uint32_t id, int maxCount) override;

  ProcessId WindowProcessId(Hwnd window) override;
  std::string ProgramFileVersion(Hwnd window) override;

 private:
  ItemTextWay itemTexts_;
};

}  // namespace drelm::win32
