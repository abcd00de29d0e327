// The options window: never shown, it carries the whole menu tree ("mnuOptions", "mnuAdd",
// "cmdAutoDL") whose captions and check marks are the live state of every option, pops a menu
// up at the mouse and runs the chosen item's handler. Items whose action belongs to another
// feature run nothing until that feature wires a handler to them by name.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings_store.h"
#include "core/status_log.h"
#include "options/menu_item.h"
#include "platform/platform.h"

namespace drelm {

// What the panel's own commands reach. exitProgram is the main window's exit sequence
// (lblExit_Click); an empty function makes "exit" do nothing.
struct OptionsContext {
  Platform& platform;
  SettingsStore& settings;
  StatusLog& log;
  std::function<void()> exitProgram;
};

inline constexpr std::string_view kOptionsMenu = "mnuOptions";
inline constexpr std::string_view kAddonsMenu = "mnuAdd";
inline constexpr std::string_view kAutoDownloadMenu = "cmdAutoDL";

// The mouse message the tray reports when the right button is released over the icon.
inline constexpr std::uint32_t kTrayRightButtonUp = 517;  // WM_RBUTTONUP

class FrmOptions {
 public:
  explicit FrmOptions(OptionsContext context);
  FrmOptions(const FrmOptions&) = delete;
  FrmOptions& operator=(const FrmOptions&) = delete;

  // The three top-level menus in design order.
  const std::vector<MenuItem>& Menus() const { return menus_; }

  // Lookup by name (exact, as the design names items) or by command id. Item throws
  // std::out_of_range for a name the tree does not hold: that is a typo in our code.
  MenuItem& Item(std::string_view name);
  const MenuItem& Item(std::string_view name) const;
  MenuItem* FindItem(std::string_view name);
  MenuItem* FindItem(MenuCommandId id);

  // The children of one top-level menu, ready for User::PopupMenu.
  std::vector<PopupMenuItem> ToPopupMenu(std::string_view menuName = kOptionsMenu) const;
  // Shows the menu at the mouse position and runs the chosen item, if any.
  void PopupMenu(std::string_view menuName = kOptionsMenu);

  // Runs the item's handler. False when no item has that id or name; true otherwise, also for
  // items that do nothing (yet).
  bool Click(MenuCommandId id);
  bool Click(std::string_view name);
  // Gives an item its action (or replaces the one it has). Used by the features that own the
  // items marked with their name in wiredBy.
  void Wire(std::string_view name, std::function<void()> handler);
  bool IsWired(std::string_view name) const;

  // The tray icon's mouse messages; a right-button release opens the options menu.
  void Form_MouseMove(std::uint32_t trayMouseMessage);

  // On/off toggles.
  void cmdMessageTLTC_Click();
  void cmdKill45Min_Click();
  void cmdONStartGhost_Click();
  void cmdONStopGhost_Click();
  void cmdOFFStopGhost_Click();
  void cmdIMSoffStart_Click();
  void cmdIMSoffStop_Click();
  void cmdIMSonAfterStop_Click();
  void mnuEnterpr_Click();
  void cmdContUp_Click();
  void cmdContDown_Click();
  void cmdScrollDlulstatus_Click();
  void cmdEnableAutoUpchat_Click();
  void cmdKillFileNotFound_Click();
  void mnuContinueUpAffFnFK_Click();
  void mnucontinueUpAfterFileNotFOundKill_Click();

  // The AOL status window and the two remembered preferences about it.
  void mnuhidestatus_Click();
  void mnushowstatus_Click();
  void hidestatuswin_Click();
  void showstatuswin_Click();

  // Entries that only say they are not available.
  void cmdAutoUpdater_Click();
  void cmdAutoDLLater_Click();
  void cmdFileReNamer_Click();
  void cmdFlashMailSorter_Click();
  void cmdLogULstats_Click();
  void cmdUploadProtection_Click();

  // The authors' web sites.
  void mnuQuostSite_Click();
  void mnuVrinsSite_Click();

  void cmdExit_Click();

 private:
  void Toggle(std::string_view itemName);
  void NotAvailable(std::string_view itemName);
  void WireOwnHandlers();

  OptionsContext context_;
  std::vector<MenuItem> menus_;
  std::map<std::string, std::function<void()>, std::less<>> handlers_;
};

}  // namespace drelm
