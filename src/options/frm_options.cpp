#include "options/frm_options.h"

#include <string>
#include <utility>

#include "aol/status_window.h"
#include "options/menu_tree.h"
#include "options/not_available.h"
#include "options/toggle_table.h"
#include "options/web_sites.h"

namespace drelm {

FrmOptions::FrmOptions(OptionsContext context)
    : MenuModel(BuildOptionsMenuTree()), context_(std::move(context)) {
  WireOwnHandlers();
}

void FrmOptions::PopupMenu(std::string_view menuName) {
  Platform& platform = context_.platform;
  const MenuCommandId chosen =
      platform.user.PopupMenu(ToPopupMenu(menuName), platform.shell.CursorPos());
  if (chosen != 0) Click(chosen);
}

void FrmOptions::Form_MouseMove(std::uint32_t trayMouseMessage) {
  if (trayMouseMessage == kTrayRightButtonUp) PopupMenu(kOptionsMenu);
}

void FrmOptions::WireOwnHandlers() {
  for (const ToggleRow& row : ToggleTable()) {
    Wire(row.item, [this, name = row.item] { Toggle(name); });
  }
  for (const NotAvailableRow& row : NotAvailableTable()) {
    Wire(row.item, [this, name = row.item] { NotAvailable(name); });
  }
  Wire("hidestatuswin", [this] { hidestatuswin_Click(); });
  Wire("showstatuswin", [this] { showstatuswin_Click(); });
  Wire("mnuQuostSite", [this] { mnuQuostSite_Click(); });
  Wire("mnuVrinsSite", [this] { mnuVrinsSite_Click(); });
  Wire("cmdExit", [this] { cmdExit_Click(); });
}

void FrmOptions::Toggle(std::string_view itemName) {
  const ToggleRow* row = FindToggle(itemName);
  if (row != nullptr) SwitchToggle(Item(itemName), *row, context_.settings, context_.log);
}

void FrmOptions::NotAvailable(std::string_view itemName) {
  const NotAvailableRow* row = FindNotAvailable(itemName);
  if (row != nullptr) ShowNotAvailable(context_.platform.user, *row);
}

void FrmOptions::hidestatuswin_Click() {
  HideAolStatusWindow(context_.platform.windows, context_.log);
}
void FrmOptions::showstatuswin_Click() {
  ShowAolStatusWindow(context_.platform.windows, context_.log);
}

void FrmOptions::mnuQuostSite_Click() {
  OpenWebSite(context_.platform.shell, context_.log, kQuostSiteAddress, kQuostSiteMessage);
}
void FrmOptions::mnuVrinsSite_Click() {
  OpenWebSite(context_.platform.shell, context_.log, kVrinSiteAddress, kVrinSiteMessage);
}

void FrmOptions::cmdExit_Click() {
  if (context_.exitProgram) context_.exitProgram();
}

}  // namespace drelm
