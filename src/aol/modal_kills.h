// The "kills" that free a stuck AOL client: ending its wait and closing its modal notices. The
// upload window is a modal window too, but closing it would abandon the upload, so it is spared.
#pragma once

#include "platform/window_system.h"

namespace drelm {

// Escape (posted key-down and key-up) to the AOL main window, the key that abandons a wait.
void KillAolWait(WindowSystem& windows);
// Posts WM_CLOSE to each top-level "_AOL_Modal" of the client's process but the upload window,
// found by its title or, before the upload shows a percentage, by the file its first static
// names. Returns how many were closed.
int KillAolModals(WindowSystem& windows);

}  // namespace drelm
