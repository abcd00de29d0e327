// The person at the keyboard: modal prompts, notices, the file-open dialog and pop-up menus.
// Real dialogs on Windows; in tests a script of expected prompts whose surprises fail the test.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/popup_menu.h"
#include "platform/types.h"

namespace drelm {

class User {
 public:
  virtual ~User() = default;
  // Cancel gives an empty answer.
  virtual std::string InputBox(const std::string& prompt, const std::string& title,
                               const std::string& defaultAnswer) = 0;
  // style: MB_* buttons and icon; returns IDOK, IDCANCEL, IDYES or IDNO.
  virtual std::uint32_t MessageBox(const std::string& text, const std::string& title,
                                   std::uint32_t style) = 0;
  // Empty when cancelled.
  virtual std::string OpenFileDialog(const std::string& title, const std::string& filter) = 0;
  // The chosen item's command id, 0 when the menu was dismissed.
  virtual std::uint32_t PopupMenu(const std::vector<PopupMenuItem>& items, Point at) = 0;
};

}  // namespace drelm
