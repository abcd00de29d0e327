#include "core/system_tray.h"

namespace drelm {

SystemTray::SystemTray(Shell& shell, Form& mainForm, Wiring& wiring)
    : shell_(shell), mainForm_(mainForm) {
  wiring.OnMenu("cmdWinSysTray", [this] { cmdWinSysTray_Click(); });
  wiring.OnMenu("mnuRestoreWinSysTray", [this] { mnuRestoreWinSysTray_Click(); });
}

void SystemTray::cmdWinSysTray_Click() {
  mainForm_.Hide();
  // Removing first keeps a second choice of the command from adding a second icon.
  TrayRemove();
  if (!TrayAdd(kTrayTip)) mainForm_.Show();
}

void SystemTray::mnuRestoreWinSysTray_Click() {
  mainForm_.Show();
  TrayRemove();
}

bool SystemTray::TrayAdd(const std::string& tip) {
  return shell_.TrayAdd(tip);
}

void SystemTray::TrayRemove() {
  // Without an icon the shell refuses the removal, which is harmless.
  shell_.TrayDelete();
}

}  // namespace drelm
