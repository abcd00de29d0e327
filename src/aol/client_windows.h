// Finding the AOL client's own windows beyond the chat room: the Buddy List, the welcome window
// and the screen name in its caption, " AOL Plus", the toolbar and its glyph, and the client's
// "America Online" message boxes. Like every lookup, a window that is not there is handle 0.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/window_system.h"

namespace drelm {

// The first MDI "AOL Child", in z-order, whose caption passes the test.
Hwnd FindMdiChild(WindowSystem& windows, const std::function<bool(const std::string&)>& test);
// The MDI "AOL Child" with exactly this caption.
Hwnd FindMdiChildCaptioned(WindowSystem& windows, const std::string& caption);

Hwnd FindBuddyListWindow(WindowSystem& windows);  // caption holds "Buddy Lists"
Hwnd FindWelcomeWindow(WindowSystem& windows);    // caption begins with "Welcome, "
// The name between "Welcome, " and the first "!" of the welcome window's caption; empty without
// a welcome window or without the "!" that ends AOL's caption.
std::string CurrentScreenName(WindowSystem& windows);
// The same for a caption already read.
std::string ScreenNameOfWelcomeCaption(const std::string& caption);
Hwnd FindAolPlusWindow(WindowSystem& windows);  // " AOL Plus", with its leading blank
Hwnd FindAolToolbar(WindowSystem& windows);     // "AOL Toolbar" > "_AOL_Toolbar"
Hwnd FindToolbarGlyph(WindowSystem& windows);   // the toolbar's "_aol_glyph"

// True when window belongs to the process that owns the AOL main window. Buttons are pressed
// only in such windows: an "America Online" box of another program is none of ours.
bool BelongsToAolClient(WindowSystem& windows, Hwnd window);
// The client's top-level "#32770" boxes titled "America Online", in z-order.
std::vector<Hwnd> AolMessageBoxes(WindowSystem& windows);

}  // namespace drelm
