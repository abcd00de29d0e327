#include "aol/bounded_wait.h"

#include <algorithm>

#include "core/timeouts.h"

namespace drelm {

bool WaitFor(AolContext& aol, const std::function<bool()>& ready, std::uint32_t timeoutMs) {
  const std::uint64_t deadline = aol.clock.MonotonicMs() + timeoutMs;
  aol.loop.PumpPending();
  while (true) {
    if (ready()) return true;
    if (aol.loop.QuitRequested()) return false;
    const std::uint64_t now = aol.clock.MonotonicMs();
    if (now >= deadline) return false;
    aol.loop.WaitForEvents(std::min(deadline, now + timeouts::kAolPollMs));
  }
}

}  // namespace drelm
