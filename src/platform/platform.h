// Everything the program reaches outside itself, handed to it as one bundle of references.
// Files (log, reasons list, sounds) are plain files in programFolder, an ANSI path.
#pragma once

#include <string>

#include "platform/clock.h"
#include "platform/data_protection.h"
#include "platform/event_loop.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/user.h"
#include "platform/window_system.h"

namespace drelm {

struct Platform {
  WindowSystem& windows;
  EventLoop& loop;
  Clock& clock;
  Registry& registry;
  User& user;
  Shell& shell;
  DataProtection& protection;
  Files& files;
  std::string programFolder;
};

}  // namespace drelm
