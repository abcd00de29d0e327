// Hiding and showing the AOL client's status window. A hidden window is still found, so the two
// commands undo each other; without the AOL client they change nothing but still log.
#pragma once

#include "core/status_log.h"
#include "platform/window_system.h"

namespace drelm {

void HideAolStatusWindow(WindowSystem& windows, StatusLog& log);
void ShowAolStatusWindow(WindowSystem& windows, StatusLog& log);

}  // namespace drelm
