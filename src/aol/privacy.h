// "Ghost" mode: the user made invisible, or visible again, through the Buddy List's "Privacy
// Preferences" window. Which choice a check box stands for is fixed only by its place in that
// window: GhostOn clicks boxes 5 and 7, GhostOff box 1, and both save with the fourth icon.
#pragma once

#include "aol/aol_context.h"

namespace drelm {

// Each returns true when the client confirmed the saved choice. A step whose window does not come
// within its bound is logged and the rest is given up; without the client nothing happens.
bool GhostOn(AolContext& aol);
bool GhostOff(AolContext& aol);

}  // namespace drelm
