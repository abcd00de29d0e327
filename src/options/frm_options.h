// The options window: never shown, it carries the whole menu tree ("mnuOptions", "mnuAdd",
// "cmdAutoDL") whose captions and check marks are the live state of every option, pops a menu
// up at the mouse and runs the chosen item's handler. Items whose action belongs to another
// feature run nothing until that feature wires a handler to them by name (Wiring::OnMenu).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/menu_model.h"
#include "core/settings_store.h"
#include "core/status_log.h"
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

class FrmOptions : public MenuModel {
 public:
  explicit FrmOptions(OptionsContext context);
  FrmOptions(const FrmOptions&) = delete;
  FrmOptions& operator=(const FrmOptions&) = delete;

  // The children of one top-level menu, ready for User::PopupMenu.
  using MenuModel::ToPopupMenu;
  std::vector<PopupMenuItem> ToPopupMenu() const { return ToPopupMenu(kOptionsMenu); }
  // Shows the menu at the mouse position and runs the chosen item, if any.
  void PopupMenu(std::string_view menuName = kOptionsMenu);

  // The tray icon's mouse messages; a right-button release opens the options menu.
  void Form_MouseMove(std::uint32_t trayMouseMessage);

  // The AOL status window (the two remembered preferences about it are toggles).
  void hidestatuswin_Click();
  void showstatuswin_Click();

  // The authors' web sites.
  void mnuQuostSite_Click();
  void mnuVrinsSite_Click();

  void cmdExit_Click();

 private:
  void Toggle(std::string_view itemName);
  void NotAvailable(std::string_view itemName);
  void WireOwnHandlers();

  OptionsContext context_;
};

}  // namespace drelm
