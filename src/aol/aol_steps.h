// Small bounded steps the reconnect and flash-session sequences repeat: closing an AOL window
// until it is gone, answering the client's "America Online" boxes, and keys to a toolbar menu.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "aol/aol_context.h"

namespace drelm {

// Posts WM_CLOSE to the window find() gives until find() gives 0; false when it stayed.
bool CloseUntilGone(AolContext& aol, const std::function<Hwnd()>& find);

// Presses OK on every "America Online" box of the client, looking each up again before each
// press, and waits a moment for boxes still on their way. Returns how many boxes went.
int AnswerAolBoxes(AolContext& aol);

// Clicks the toolbar's (iconIndex + 1)-th "_AOL_Icon", waits for the client's pop-up menu and
// posts each key to it as WM_KEYDOWN and WM_KEYUP. False when the menu did not show.
bool ToolbarMenuKeys(AolContext& aol, int iconIndex, const std::vector<std::uint32_t>& keys);

// The keys repeated, for menu walks such as twelve times down.
std::vector<std::uint32_t> Keys(std::uint32_t key, int times);

}  // namespace drelm
