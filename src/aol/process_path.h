// Which program file a window belongs to, so that disconnect protection can start the AOL client
// again after it closed. Only a full path can start anything; a bare file name (all the system
// gives for a process of another user) is reported, but is not a program to start.
#pragma once

#include <string>

#include "platform/shell.h"
#include "platform/window_system.h"

namespace drelm {

// The executable of the process that owns window: its full path where the system gives it,
// else its file name; empty for handle 0 or a window without a process.
std::string ProcessPathOfWindow(WindowSystem& windows, Shell& shell, Hwnd window);

// A drive or network path ("C:\...", "\\server\...") naming an ".exe" file.
bool IsFullProgramPath(const std::string& path);

}  // namespace drelm
