// The real desktop around the program: the tray icon (on a hidden window of its own, which also
// puts the icon back when Explorer restarts), winmm sounds, starting programs and documents,
// the process list (toolhelp) with full executable paths, the cursor and the screen size.
#pragma once

#include <functional>

#include "platform/shell.h"

namespace drelm::win32 {

class Win32Shell : public Shell {
 public:
  Win32Shell();
  ~Win32Shell() override;
  Win32Shell(const Win32Shell&) = delete;
  Win32Shell& operator=(const Win32Shell&) = delete;

  bool TrayAdd(const std::string& tip) override;
  bool TrayDelete() override;
  bool TrayPresent() const override { return trayPresent_; }
  bool PlaySound(const std::string& path, std::uint32_t flags) override;
  bool StartProgram(const std::string& pathOrUrl, const std::string& arguments,
                    int showCmd) override;
  bool StartExecutable(const std::string& exePath, int showCmd) override;
  std::vector<ProcessId> ProcessIds() override;
  std::string ProcessExePath(ProcessId pid) override;
  std::string FileVersion(const std::string& exePath) override;
  Point CursorPos() override;
  void SetCursorPos(Point at) override;
  Point ScreenSize() override;

  // Mouse messages on the tray icon (WM_LBUTTONUP, WM_RBUTTONUP, ...), delivered through the
  // loop that pumps this thread. The program opens its menu from here.
  void SetTrayHandler(std::function<void(std::uint32_t mouseMsg)> handler) {
    trayHandler_ = std::move(handler);
  }
  // The hidden window that owns the icon; a menu opened from the tray may use it as owner.
  Hwnd TrayWindow() const { return owner_ != 0 ? owner_ : trayWindow_; }
  // Gives the icon to another window of this thread, which then receives the icon's mouse
  // messages as callbackMessage (lParam = the mouse message) and hands them on itself. Call it
  // before the icon is first added.
  void SetTrayOwner(Hwnd window, std::uint32_t callbackMessage) {
    owner_ = window;
    ownerCallback_ = callbackMessage;
  }

  // Called by the tray window's procedure; not for other callers.
  void OnTrayMessage(std::uint32_t mouseMsg);
  void OnTaskbarCreated();

 private:
  bool Notify(std::uint32_t action);

  Hwnd trayWindow_ = 0;
  Hwnd owner_ = 0;
  std::uint32_t ownerCallback_ = 0;
  bool trayPresent_ = false;
  std::string trayTip_;
  std::function<void(std::uint32_t)> trayHandler_;
};

}  // namespace drelm::win32
