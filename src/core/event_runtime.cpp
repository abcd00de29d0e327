#include "core/event_runtime.h"

namespace drelm {

void EventEntry::Run(const std::function<void()>& handler) {
  if (!handler) return;
  ++depth_;
  try {
    handler();
  } catch (const ProgramEnded&) {
    --depth_;
    if (depth_ > 0) throw;
    return;
  } catch (...) {
    --depth_;
    throw;
  }
  --depth_;
}

Timer::Timer(EventLoop& loop, EventEntry& entry, std::string name, std::uint32_t intervalMs,
             bool enabled)
    : loop_(loop), entry_(entry), name_(std::move(name)), intervalMs_(intervalMs) {
  SetEnabled(enabled);
}

Timer::~Timer() {
  Disarm();
}

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (enabled_) {
    Arm();
  } else {
    Disarm();
  }
}

void Timer::SetInterval(std::uint32_t intervalMs) {
  intervalMs_ = intervalMs;
  if (enabled_) {
    Disarm();
    Arm();
  }
}

void Timer::Arm() {
  // An interval of 0 never ticks, as a VB timer with interval 0 stays silent.
  if (intervalMs_ == 0) return;
  id_ = loop_.AddTimer(intervalMs_, [this] { Tick(); });
}

void Timer::Tick() {
  if (ticking_) return;
  ticking_ = true;
  try {
    entry_.Run(Timer_Timer);
  } catch (...) {
    ticking_ = false;
    throw;
  }
  ticking_ = false;
}

void Timer::Disarm() {
  if (id_ != 0) loop_.RemoveTimer(id_);
  id_ = 0;
}

}  // namespace drelm
