#include "options/frm_options.h"

#include <stdexcept>
#include <string>
#include <utility>

#include "aol/status_window.h"
#include "options/menu_tree.h"
#include "options/not_available.h"
#include "options/toggle_table.h"
#include "options/web_sites.h"

namespace drelm {

namespace {

template <typename Match>
MenuItem* FindIn(std::vector<MenuItem>& items, const Match& match) {
  for (MenuItem& item : items) {
    if (match(item)) return &item;
    if (MenuItem* found = FindIn(item.children, match)) return found;
  }
  return nullptr;
}

}  // namespace

FrmOptions::FrmOptions(OptionsContext context)
    : context_(std::move(context)), menus_(BuildOptionsMenuTree()) {
  WireOwnHandlers();
}

MenuItem* FrmOptions::FindItem(std::string_view name) {
  return FindIn(menus_, [&](const MenuItem& item) { return item.name == name; });
}

MenuItem* FrmOptions::FindItem(MenuCommandId id) {
  return FindIn(menus_, [&](const MenuItem& item) { return item.commandId == id; });
}

MenuItem& FrmOptions::Item(std::string_view name) {
  MenuItem* item = FindItem(name);
  if (item == nullptr) throw std::out_of_range("no options menu item " + std::string(name));
  return *item;
}

const MenuItem& FrmOptions::Item(std::string_view name) const {
  return const_cast<FrmOptions*>(this)->Item(name);
}

std::vector<PopupMenuItem> FrmOptions::ToPopupMenu(std::string_view menuName) const {
  std::vector<PopupMenuItem> popup;
  for (const MenuItem& child : Item(menuName).children) popup.push_back(ToPopupMenuItem(child));
  return popup;
}

void FrmOptions::PopupMenu(std::string_view menuName) {
  Platform& platform = context_.platform;
  const MenuCommandId chosen =
      platform.user.PopupMenu(ToPopupMenu(menuName), platform.shell.CursorPos());
  if (chosen != 0) Click(chosen);
}

bool FrmOptions::Click(MenuCommandId id) {
  const MenuItem* item = FindItem(id);
  if (item == nullptr) return false;
  return Click(std::string_view(item->name));
}

bool FrmOptions::Click(std::string_view name) {
  if (FindItem(name) == nullptr) return false;
  auto handler = handlers_.find(name);
  if (handler == handlers_.end()) return true;
  // A copy, so that a handler that rewires items does not pull the ground from under itself.
  const std::function<void()> run = handler->second;
  if (run) run();
  return true;
}

void FrmOptions::Wire(std::string_view name, std::function<void()> handler) {
  Item(name);  // a typo in the name fails here rather than leaving the item silently dead
  handlers_.insert_or_assign(std::string(name), std::move(handler));
}

bool FrmOptions::IsWired(std::string_view name) const {
  return handlers_.contains(name);
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

void FrmOptions::cmdMessageTLTC_Click() {
  Toggle("cmdMessageTLTC");
}
void FrmOptions::cmdKill45Min_Click() {
  Toggle("cmdKill45Min");
}
void FrmOptions::cmdONStartGhost_Click() {
  Toggle("cmdONStartGhost");
}
void FrmOptions::cmdONStopGhost_Click() {
  Toggle("cmdONStopGhost");
}
void FrmOptions::cmdOFFStopGhost_Click() {
  Toggle("cmdOFFStopGhost");
}
void FrmOptions::cmdIMSoffStart_Click() {
  Toggle("cmdIMSoffStart");
}
void FrmOptions::cmdIMSoffStop_Click() {
  Toggle("cmdIMSoffStop");
}
void FrmOptions::cmdIMSonAfterStop_Click() {
  Toggle("cmdIMSonAfterStop");
}
void FrmOptions::mnuEnterpr_Click() {
  Toggle("mnuEnterpr");
}
void FrmOptions::cmdContUp_Click() {
  Toggle("cmdContUp");
}
void FrmOptions::cmdContDown_Click() {
  Toggle("cmdContDown");
}
void FrmOptions::cmdScrollDlulstatus_Click() {
  Toggle("cmdScrollDlulstatus");
}
void FrmOptions::cmdEnableAutoUpchat_Click() {
  Toggle("cmdEnableAutoUpchat");
}
void FrmOptions::cmdKillFileNotFound_Click() {
  Toggle("cmdKillFileNotFound");
}
void FrmOptions::mnuContinueUpAffFnFK_Click() {
  Toggle("mnuContinueUpAffFnFK");
}
void FrmOptions::mnucontinueUpAfterFileNotFOundKill_Click() {
  Toggle("mnucontinueUpAfterFileNotFOundKill");
}
void FrmOptions::mnuhidestatus_Click() {
  Toggle("mnuhidestatus");
}
void FrmOptions::mnushowstatus_Click() {
  Toggle("mnushowstatus");
}

void FrmOptions::hidestatuswin_Click() {
  HideAolStatusWindow(context_.platform.windows, context_.log);
}
void FrmOptions::showstatuswin_Click() {
  ShowAolStatusWindow(context_.platform.windows, context_.log);
}

void FrmOptions::cmdAutoUpdater_Click() {
  NotAvailable("cmdAutoUpdater");
}
void FrmOptions::cmdAutoDLLater_Click() {
  NotAvailable("cmdAutoDLLater");
}
void FrmOptions::cmdFileReNamer_Click() {
  NotAvailable("cmdFileReNamer");
}
void FrmOptions::cmdFlashMailSorter_Click() {
  NotAvailable("cmdFlashMailSorter");
}
void FrmOptions::cmdLogULstats_Click() {
  NotAvailable("cmdLogULstats");
}
void FrmOptions::cmdUploadProtection_Click() {
  NotAvailable("cmdUploadProtection");
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
