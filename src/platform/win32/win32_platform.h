// The real desktop as one bundle, the Windows counterpart of sim::Simulator: each service is
// built once per process and handed to the program as a Platform.
#pragma once

#include <string>

#include "platform/platform.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_data_protection.h"
#include "platform/win32/win32_event_loop.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_user.h"
#include "platform/win32/win32_window_system.h"

namespace drelm::win32 {

class Win32Platform {
 public:
  Win32Platform() = default;
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  Platform MakePlatform(const std::string& programFolder) {
    return Platform{windows, loop, clock, registry, user, shell, protection, files, programFolder};
  }

  // The folder of the running executable, empty when Windows does not tell.
  static std::string ProgramFolder();

  Win32WindowSystem windows;
  Win32EventLoop loop;
  Win32Clock clock;
  Win32Registry registry;
  Win32User user;
  Win32Shell shell;
  Win32DataProtection protection;
  Win32Files files;
};

}  // namespace drelm::win32
