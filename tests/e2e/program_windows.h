// drelm-idle.exe's windows as another process sees them: the main window and its labels, the
// input box, the options window that the tray reports to, open pop-up menus and the tray icon.
// Lookups give nullptr when the window is not there; actions are posted as a user's would be.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "e2e_support.h"

namespace drelm::e2e {

// The program's top-level window of the class and caption, owned by process id.
HWND FindProgramWindow(DWORD processId, const char* className, const char* caption);
HWND FindMainWindow(DWORD processId);
HWND FindOptionsWindow(DWORD processId);
// The main window's label showing caption.
HWND FindLabel(HWND main, const std::string& caption);
// Runs a menu command the way an automation script does: WM_COMMAND to the options window, with
// the item's id (0 for a name the menu does not hold).
void RunCommand(HWND options, std::string_view itemName);
// A control's text, read with WM_GETTEXT as another process must.
std::string ControlText(HWND control);
// A list box item of another process, in the ANSI code page.
std::string ListItem(HWND list, int index);
// A left click as the mouse gives it: button down, then up, posted.
void Click(HWND control);

// The parts of a modal input box of the program.
// Every "Static" text of the box, joined by "|".
std::string InputBoxTexts(HWND box);
// Types answer into the box's edit field and clicks "OK"; false when a part is missing.
bool AnswerInputBox(HWND box, const std::string& answer);

// Visible pop-up menus ("#32768") of the process, the most recently opened first.
std::vector<HWND> OpenMenus(DWORD processId);
// A key press on the open menu: key down, then up, posted.
void PressMenuKey(HWND menu, WPARAM key);

// Whether the shell holds the icon the program added for its options window (id 1).
bool TrayIconShown(HWND options);
// Icons shown in Wine's own tray window (0 where there is none, as on Windows).
int TrayIconsInWineTray();
// A right click on the program's icon in Wine's tray window; where that window does not exist,
// the callback message that the shell would send. False when neither can be done.
bool RightClickTrayIcon(HWND options);

}  // namespace drelm::e2e
