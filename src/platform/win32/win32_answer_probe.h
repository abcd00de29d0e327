// Whether a window of another thread answers at all, and how fast: a WM_NULL sent with a
// completion callback, waited for with a bound. Wine lets SendMessageTimeout wait for as long as
// the receiver does not look at its queue, so a timed send alone cannot tell a hung receiver.
// One thread of a process probes: the one that runs the program's window messages.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/win32/win32_api.h"

namespace drelm::win32 {

// Milliseconds until window answered, nullopt when it did not within timeoutMs. While it waits,
// messages other threads send to this one run, as they would during a send; posted messages and
// input stay queued. A thread that has not yet answered an earlier probe is not waited for again
// (nullopt at once), so a hung client costs the wait once, not on every send.
std::optional<std::uint64_t> AnswerTimeMs(HWND window, std::uint32_t timeoutMs);

}  // namespace drelm::win32
