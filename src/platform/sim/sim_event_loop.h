// The simulator's event loop: posted messages first, then due timers, in virtual time. A wait
// with nothing pending jumps the clock straight to the next due timer or the deadline, so
// minutes of program time cost microseconds. A wait that could never end throws.
#pragma once

#include <functional>
#include <map>
#include <stdexcept>

#include "platform/event_loop.h"
#include "platform/sim/sim_window_system.h"
#include "platform/sim/virtual_clock.h"

namespace drelm::sim {

// Thrown by a wait with no deadline when nothing is left that could ever wake it.
class WaitWithoutEnd : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

class SimEventLoop : public EventLoop {
 public:
  SimEventLoop(VirtualClock& clock, SimWindowSystem& windows);

  void PumpPending() override;
  void WaitForEvents(std::uint64_t deadlineMs) override;
  TimerId AddTimer(std::uint32_t intervalMs, std::function<void()> onTick) override;
  void RemoveTimer(TimerId id) override;
  void RequestQuit(int exitCode) override;
  bool QuitRequested() const override { return quit_; }
  int ExitCode() const override { return exitCode_; }

  // The model's own delayed actions (a window that appears after a while).
  TimerId ScheduleOnce(std::uint32_t delayMs, std::function<void()> action);

  // Test drivers: run virtual time forward, delivering everything that falls due.
  void RunFor(std::uint64_t ms);
  // True when the condition held before the timeout ran out (checked after every event).
  bool RunUntil(const std::function<bool()>& condition, std::uint64_t timeoutMs);

  std::size_t TimerCount() const { return timers_.size(); }
  std::uint64_t EventsDelivered() const { return delivered_; }

 private:
  struct Timer {
    std::uint32_t intervalMs = 0;
    std::uint64_t dueMs = 0;
    bool once = false;
    bool running = false;
    std::function<void()> onTick;
  };
  bool DeliverOne();
  std::uint64_t NextDue() const;

  VirtualClock& clock_;
  SimWindowSystem& windows_;
  std::map<TimerId, Timer> timers_;
  TimerId nextTimer_ = 1;
  bool quit_ = false;
  int exitCode_ = 0;
  std::uint64_t delivered_ = 0;
};

}  // namespace drelm::sim
