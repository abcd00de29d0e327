#include "core/pause.h"

#include "text/ansi.h"

namespace drelm {

void Pause(Clock& clock, EventLoop& loop, int seconds) {
  // The start is the time of day rounded to the whole second; the wait itself runs on the
  // monotonic clock, so it ends correctly across midnight.
  const double timeOfDay = clock.SecondsSinceMidnight();
  const double roundedStart = static_cast<double>(RoundHalfEven(timeOfDay));
  const double remainingSeconds = seconds - (timeOfDay - roundedStart);
  if (remainingSeconds <= 0) {
    loop.PumpPending();
    return;
  }
  const std::uint64_t deadline =
      clock.MonotonicMs() + static_cast<std::uint64_t>(remainingSeconds * 1000.0 + 0.5);
  loop.PumpPending();
  while (!loop.QuitRequested() && clock.MonotonicMs() < deadline) loop.WaitForEvents(deadline);
}

}  // namespace drelm
