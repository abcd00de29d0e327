// One simulated desktop: window system, virtual clock and event loop, in-memory registry,
// scripted user, recorded shell, a data protection that is off unless a test switches it on,
// and the host's real files in a folder the caller names,
// handed to the program as a Platform.
#pragma once

#include <string>

#include "platform/platform.h"
#include "platform/posix/posix_files.h"
#include "platform/sim/memory_registry.h"
#include "platform/sim/scripted_user.h"
#include "platform/sim/sim_data_protection.h"
#include "platform/sim/sim_event_loop.h"
#include "platform/sim/sim_shell.h"
#include "platform/sim/sim_window_system.h"
#include "platform/sim/virtual_clock.h"

namespace drelm::sim {

class Simulator {
 public:
  Simulator() : loop(clock, windows) {
    // A program file's version resource is the shell's to know, by the process's image path.
    windows.SetFileVersionSource(
        [this](ProcessId pid) { return shell.FileVersion(shell.ProcessExePath(pid)); });
  }
  Simulator(const Simulator&) = delete;
  Simulator& operator=(const Simulator&) = delete;

  Platform MakePlatform(const std::string& programFolder) {
    return Platform{windows, loop, clock, registry, user, shell, protection, files, programFolder};
  }

  VirtualClock clock;
  SimWindowSystem windows;
  SimEventLoop loop;
  MemoryRegistry registry;
  ScriptedUser user;
  SimShell shell;
  SimDataProtection protection;
  posix::PosixFiles files;
};

}  // namespace drelm::sim
