// The person at the keyboard, with real dialogs: message boxes, a small input box, the file-open
// common dialog and pop-up menus at a screen position. Every dialog is modal and runs its own
// message loop, so the program's timers keep ticking while it is open.
#pragma once

#include "platform/user.h"

namespace drelm::win32 {

class Win32User : public User {
 public:
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultAnswer) override;
  std::uint32_t MessageBox(const std::string& text, const std::string& title,
                           std::uint32_t style) override;
  // filter in the common dialog's "description|pattern|description|pattern" form.
  std::string OpenFileDialog(const std::string& title, const std::string& filter) override;
  std::uint32_t PopupMenu(const std::vector<PopupMenuItem>& items, Point at) override;

  // The window the dialogs belong to; 0 (the default) means the thread's active window.
  void SetOwner(Hwnd owner) { owner_ = owner; }

 private:
  Hwnd Owner() const;

  Hwnd owner_ = 0;
};

// Control ids of the input box, for whoever drives it from outside (tests, automation).
inline constexpr int kInputBoxPromptId = 100;
inline constexpr int kInputBoxEditId = 101;

}  // namespace drelm::win32
