// What the AOL operations that wait need: the window services, the loop that keeps the program
// running while they wait, the clock their bounds are measured on, and the status log that hears
// when a bound gave out. Lookups that do not wait take the window services alone.
#pragma once

#include "core/status_log.h"
#include "platform/clock.h"
#include "platform/event_loop.h"
#include "platform/window_system.h"

namespace drelm {

struct AolContext {
  WindowSystem& windows;
  EventLoop& loop;
  Clock& clock;
  StatusLog& log;
};

}  // namespace drelm
