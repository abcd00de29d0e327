// AOL is navigated by keywords typed into the toolbar's keyword box. Each version wants the box
// typed into in its own order: AOL 4 needs a typed character before the text is set, later
// versions after it; Enter then runs the keyword. Nothing is reported; without the client
// nothing is sent.
#pragma once

#include <string>

#include "platform/window_system.h"

namespace drelm {

// "AOL Toolbar" > "_AOL_Toolbar" > "_AOL_Combobox" > "Edit" of the main window.
Hwnd FindKeywordBox(WindowSystem& windows);
void GoKeyword(WindowSystem& windows, const std::string& keyword);
// Asks AOL for the private room roomName ("aol://2719:2-2-" + roomName).
void EnterPrivateRoom(WindowSystem& windows, const std::string& roomName);

}  // namespace drelm
