// The event runtime of one program: ending it from inside any nested wait, the count of nested
// handlers, and the window timers that drive the program on the event loop.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/event_loop.h"

namespace drelm {

// Ending the program. Thrown, not returned, so that every nested wait in progress (a pause of
// the start-up, a careful chat send, a timer's handler inside either) unwinds at once. It is not
// a std::exception: the steps that swallow their own errors cannot swallow the end.
struct ProgramEnded {
  int exitCode = 0;
};

// Counts how deeply event handlers are nested in one another (a timer inside a pause inside a
// click). The outermost handler catches ProgramEnded and returns to the host's loop, which
// sees EventLoop::QuitRequested; inner ones let it pass.
class EventEntry {
 public:
  void Run(const std::function<void()>& handler);
  int Depth() const { return depth_; }

 private:
  int depth_ = 0;
};

// A window timer: an interval and an enabled flag, ticking on the event loop while enabled.
// The tick runs Timer_Timer (nothing while it is empty) as an outermost event. A tick that comes
// due while the previous one is still running (waiting inside a pause or a send) is skipped, so
// a handler never re-enters itself; other timers still interleave.
class Timer {
 public:
  Timer(EventLoop& loop, EventEntry& entry, std::string name, std::uint32_t intervalMs,
        bool enabled);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  const std::string& Name() const { return name_; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  std::uint32_t Interval() const { return intervalMs_; }
  // Restarts the count, as setting a running timer's interval does.
  void SetInterval(std::uint32_t intervalMs);

  std::function<void()> Timer_Timer;

 private:
  void Arm();
  void Disarm();
  void Tick();

  EventLoop& loop_;
  EventEntry& entry_;
  std::string name_;
  std::uint32_t intervalMs_;
  bool enabled_ = false;
  bool ticking_ = false;
  TimerId id_ = 0;
};

}  // namespace drelm
