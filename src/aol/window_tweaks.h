// Hiding and showing the AOL client's windows while the user is away, and closing its animated
// toolbar glyph. Each is a single show command or close; a window that is not there is left
// alone.
#pragma once

#include "platform/window_system.h"

namespace drelm {

void HideAol(WindowSystem& windows);
void ShowAol(WindowSystem& windows);
void HideWelcome(WindowSystem& windows);
void ShowWelcome(WindowSystem& windows);
void HideAolPlus(WindowSystem& windows);
void ShowAolPlus(WindowSystem& windows);
void KillGlyph(WindowSystem& windows);  // posted WM_CLOSE to the toolbar glyph

}  // namespace drelm
