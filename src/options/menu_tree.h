// The options menu tree as designed: every item in order, with its design caption, check mark
// and enabled state, and the feature that gives it its action. Building it assigns command ids
// in design order, so the same item has the same id on every run.
#pragma once

#include <string_view>
#include <vector>

#include "core/menu_item.h"

namespace drelm {

// Names used in MenuItem::wiredBy. Items marked with another feature than the options panel
// itself do nothing until that feature wires its handler (FrmOptions::Wire).
namespace feature {
inline constexpr std::string_view kOptionsPanel = "options panel";
inline constexpr std::string_view kMainWindow = "main window and tray";
inline constexpr std::string_view kAboutWindows = "about and greetings windows";
inline constexpr std::string_view kIdleSessions = "idle session start and stop";
inline constexpr std::string_view kIdleModeCommands = "idle mode commands";
inline constexpr std::string_view kStyleCommands = "chat style and identity commands";
inline constexpr std::string_view kStatsCommands = "statistics and advertising commands";
inline constexpr std::string_view kTransferOptions = "transfer and reconnect option commands";
inline constexpr std::string_view kAolTweaks = "privacy and AOL window tweaks";
inline constexpr std::string_view kRoomBuster = "room buster";
inline constexpr std::string_view kRoomRunner = "room runner";
inline constexpr std::string_view kAutoDownloadLater = "auto download later";
}  // namespace feature

inline constexpr MenuCommandId kFirstMenuCommandId = 1000;

// The three top-level menus ("mnuOptions", "mnuAdd", "cmdAutoDL") as a fresh window has them.
std::vector<MenuItem> BuildOptionsMenuTree();

}  // namespace drelm
