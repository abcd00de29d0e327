// Picking an item of one of the AOL toolbar's pop-up menus by its accelerator letter.
#pragma once

#include "aol/aol_context.h"

namespace drelm {

// Clicks the toolbar's (iconIndex + 1)-th "_AOL_Icon", clicking again every couple of seconds
// until the client's "#32768" pop-up menu is visible, then posts the letter to it. False (with a
// log entry) when the menu never showed within its bound; false at once without the client.
bool ToolbarMenuPick(AolContext& aol, int iconIndex, char letter);

}  // namespace drelm
