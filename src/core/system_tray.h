// The main window in the system tray: hiding it behind one tray icon and bringing it back. The
// icon's mouse messages go to the options window, whose right-button release pops up the menu.
#pragma once

#include <string>

#include "core/form_model.h"
#include "core/wiring.h"
#include "platform/shell.h"

namespace drelm {

inline constexpr const char* kTrayTip = "drelm idle";

class SystemTray {
 public:
  // Wires "windows system tray" under "minimize" and under "restore".
  SystemTray(Shell& shell, Form& mainForm, Wiring& wiring);

  // "minimize" > "windows system tray": the main window goes, one icon comes. When the shell
  // refuses the icon the main window stays, so the user is never left without a way back.
  void cmdWinSysTray_Click();
  // "restore" > "windows system tray": the main window comes back and the icon goes.
  void mnuRestoreWinSysTray_Click();

  bool TrayAdd(const std::string& tip);
  void TrayRemove();

 private:
  Shell& shell_;
  Form& mainForm_;
};

}  // namespace drelm
