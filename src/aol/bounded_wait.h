// Waiting for the AOL client to show something, with a bound. The client is another process, so
// its windows change without an event in our queue: the wait looks again every poll interval and
// blocks on the loop in between, so our timers and messages run meanwhile.
#pragma once

#include <cstdint>
#include <functional>

#include "aol/aol_context.h"

namespace drelm {

// True as soon as ready() holds (it is checked first, before any wait); false when timeoutMs
// passed without it or the program is ending.
bool WaitFor(AolContext& aol, const std::function<bool()>& ready, std::uint32_t timeoutMs);

}  // namespace drelm
