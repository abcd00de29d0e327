// The one user-interface thread's loop. Pumping delivers posted messages and due timers; a wait
// blocks (never spins) until the next event or a deadline. Timers never re-enter their own
// handler: a tick that falls due while the previous tick still runs is skipped.
#pragma once

#include <cstdint>
#include <functional>

namespace drelm {

using TimerId = std::uint32_t;

class EventLoop {
 public:
  virtual ~EventLoop() = default;
  // Deliver everything that is pending now, without waiting (VB's DoEvents).
  virtual void PumpPending() = 0;
  // Block until at least one event has been delivered or the monotonic deadline has passed.
  virtual void WaitForEvents(std::uint64_t deadlineMs) = 0;

  virtual TimerId AddTimer(std::uint32_t intervalMs, std::function<void()> onTick) = 0;
  virtual void RemoveTimer(TimerId id) = 0;

  // Ending the program: nested waits return as soon as they see it.
  virtual void RequestQuit(int exitCode) = 0;
  virtual bool QuitRequested() const = 0;
  virtual int ExitCode() const = 0;
};

}  // namespace drelm
