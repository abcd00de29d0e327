// AOL's "Incoming/Saved Mail" window, opened through the toolbar's third icon and its menu.
#pragma once

#include "aol/aol_context.h"
#include "platform/shell.h"

namespace drelm {

Hwnd FindIncomingMail(WindowSystem& windows);

// Opens the mailbox unless it is open: the mouse goes to the screen's corner, away from the menu
// about to open, the toolbar's third icon is clicked, and once the client's menu shows (pumping
// events, for a bounded time) it gets up, up, right and Enter; the mouse comes back. Nothing is
// posted to a menu that did not show.
void OpenIncomingMail(AolContext& aol, Shell& shell);

}  // namespace drelm
