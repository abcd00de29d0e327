// Waiting while the user interface keeps running.
#pragma once

#include "platform/clock.h"
#include "platform/event_loop.h"

namespace drelm {

// Waits whole seconds, counted from the time of day rounded to the nearest second, so a pause
// lasts between seconds - 0.5 and seconds + 0.5. Timers and posted messages run meanwhile; the
// wait blocks between events and measures on the monotonic clock, so midnight cannot stall it.
// Returns early when the program is ending.
void Pause(Clock& clock, EventLoop& loop, int seconds);

}  // namespace drelm
