#include "platform/sim/sim_event_loop.h"

#include <limits>

namespace drelm::sim {

namespace {
// More events than this in one pump without time moving means handlers feed each other forever.
constexpr int kMaxEventsPerPump = 100000;
// As the Win32 loop: a pump hands control back once its handlers have taken this long, so a
// wait around it sees its deadline even while every tick it delivers waits in turn.
constexpr std::uint64_t kPumpSliceMs = 250;
constexpr std::uint64_t kNever = std::numeric_limits<std::uint64_t>::max();
}  // namespace

SimEventLoop::SimEventLoop(VirtualClock& clock, SimWindowSystem& windows)
    : clock_(clock), windows_(windows) {}

bool SimEventLoop::DeliverOne() {
  if (windows_.DeliverOnePosted()) {
    ++delivered_;
    return true;
  }
  const std::uint64_t now = clock_.MonotonicMs();
  TimerId dueId = 0;
  std::uint64_t dueAt = kNever;
  for (const auto& [id, timer] : timers_) {
    if (!timer.running && timer.dueMs <= now && timer.dueMs < dueAt) {
      dueId = id;
      dueAt = timer.dueMs;
    }
  }
  if (dueId == 0) return false;
  Timer& timer = timers_.at(dueId);
  // Ticks missed while the clock jumped collapse into one, as WM_TIMER does.
  timer.dueMs = now + timer.intervalMs;
  std::function<void()> onTick = timer.onTick;
  if (timer.once) {
    timers_.erase(dueId);
    onTick();
  } else {
    timer.running = true;
    onTick();
    auto it = timers_.find(dueId);
    if (it != timers_.end()) it->second.running = false;
  }
  ++delivered_;
  return true;
}

void SimEventLoop::PumpPending() {
  const std::uint64_t start = clock_.MonotonicMs();
  for (int i = 0; i < kMaxEventsPerPump; ++i) {
    if (quit_ || !DeliverOne() || clock_.MonotonicMs() - start >= kPumpSliceMs) return;
  }
  throw std::logic_error("simulated events keep posting each other without end");
}

std::uint64_t SimEventLoop::NextDue() const {
  std::uint64_t next = kNever;
  for (const auto& [id, timer] : timers_) {
    if (!timer.running && timer.dueMs < next) next = timer.dueMs;
  }
  return next;
}

void SimEventLoop::WaitForEvents(std::uint64_t deadlineMs) {
  if (quit_) return;
  if (DeliverOne()) {
    PumpPending();
    return;
  }
  const std::uint64_t now = clock_.MonotonicMs();
  if (deadlineMs <= now) return;
  const std::uint64_t next = NextDue();
  if (next == kNever && deadlineMs == kNever) {
    throw WaitWithoutEnd("a wait without a deadline has nothing left that could end it");
  }
  const std::uint64_t wakeAt = next < deadlineMs ? next : deadlineMs;
  if (wakeAt > now) clock_.Advance(wakeAt - now);
  PumpPending();
}

TimerId SimEventLoop::AddTimer(std::uint32_t intervalMs, std::function<void()> onTick) {
  const std::uint32_t interval = intervalMs == 0 ? 1 : intervalMs;
  const TimerId id = nextTimer_++;
  timers_.emplace(
      id, Timer{interval, clock_.MonotonicMs() + interval, false, false, std::move(onTick)});
  return id;
}

TimerId SimEventLoop::ScheduleOnce(std::uint32_t delayMs, std::function<void()> action) {
  const TimerId id = nextTimer_++;
  timers_.emplace(id,
                  Timer{delayMs, clock_.MonotonicMs() + delayMs, true, false, std::move(action)});
  return id;
}

void SimEventLoop::RemoveTimer(TimerId id) {
  timers_.erase(id);
}

void SimEventLoop::RequestQuit(int exitCode) {
  quit_ = true;
  exitCode_ = exitCode;
}

void SimEventLoop::RunFor(std::uint64_t ms) {
  const std::uint64_t deadline = clock_.MonotonicMs() + ms;
  while (!quit_ && clock_.MonotonicMs() < deadline) WaitForEvents(deadline);
  if (!quit_) PumpPending();
}

bool SimEventLoop::RunUntil(const std::function<bool()>& condition, std::uint64_t timeoutMs) {
  const std::uint64_t deadline = clock_.MonotonicMs() + timeoutMs;
  PumpPending();
  while (!condition()) {
    if (quit_ || clock_.MonotonicMs() >= deadline) return condition();
    WaitForEvents(deadline);
  }
  return true;
}

}  // namespace drelm::sim
