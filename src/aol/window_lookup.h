// Finding the AOL client's windows. Nothing is cached: every call walks the window tree afresh,
// and a window that is not there is handle 0, never an error.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/window_system.h"

namespace drelm {

Hwnd FindAolMainWindow(WindowSystem& windows);
Hwnd FindAolMdiClient(WindowSystem& windows);
// The first MDI child, in z-order, that has a "RICHCNTL", an "_AOL_Listbox", an "_AOL_Icon"
// and an "_AOL_Static" among its children.
Hwnd FindChatRoom(WindowSystem& windows);
Hwnd FindChatView(WindowSystem& windows);   // the room's first "RICHCNTL"
Hwnd FindChatInput(WindowSystem& windows);  // the "RICHCNTL" after it
// The n-th (1-based) direct child of parent with this class, or 0.
Hwnd FindNthChild(WindowSystem& windows, Hwnd parent, const std::string& className, int n);
// The client's major version from its help menu ("6" for "&What's New In AOL 6.0"). When the menu
// cannot be read (another process's menu is unreadable under Wine) or lacks the item, the major
// number of the file version of the program that owns the main window; "" if neither tells.
std::string AolVersion(WindowSystem& windows);
// The version digit of one help-menu item's text: nothing when the item is not "What's New In
// AOL", "" when the digit after the marker and its blank is missing.
std::optional<std::string> VersionOfMenuItem(std::string_view text);
// AolVersion as a number, unknown counting as 0.
int AolVersionNumber(WindowSystem& windows);
// "7" of "7.0.1.2"; "" when the text does not start with a major number above 0.
std::string MajorOfFileVersion(const std::string& fileVersion);
// The first or second "AOL Child" whose caption holds "status" (lower-cased), else 0.
Hwnd FindAolStatusWindow(WindowSystem& windows);

}  // namespace drelm
