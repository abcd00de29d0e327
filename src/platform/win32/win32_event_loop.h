// The user-interface thread's message loop. Pumping is PeekMessage/Translate/Dispatch; waiting
// blocks in MsgWaitForMultipleObjectsEx until input arrives or the deadline passes, so an idle
// program costs no CPU. Timers are SetTimer timers on a hidden window (message-only where the
// system has them); a tick that arrives while the same timer's handler is still running (it
// pumps inside a nested wait) is dropped. An exception thrown by a handler leaves the pump that
// dispatched it.
#pragma once

#include <exception>
#include <map>

#include "platform/event_loop.h"
#include "platform/types.h"

namespace drelm::win32 {

class Win32EventLoop : public EventLoop {
 public:
  Win32EventLoop();
  ~Win32EventLoop() override;
  Win32EventLoop(const Win32EventLoop&) = delete;
  Win32EventLoop& operator=(const Win32EventLoop&) = delete;

  void PumpPending() override;
  void WaitForEvents(std::uint64_t deadlineMs) override;
  TimerId AddTimer(std::uint32_t intervalMs, std::function<void()> onTick) override;
  void RemoveTimer(TimerId id) override;
  void RequestQuit(int exitCode) override;
  bool QuitRequested() const override { return quit_; }
  int ExitCode() const override { return exitCode_; }

  // Ticks dropped because their own handler was still running.
  std::uint64_t SkippedTicks() const { return skippedTicks_; }

  // Called by the hidden window's procedure; not for other callers.
  void OnTimer(TimerId id);
  void OnHandlerException(std::exception_ptr error) { pendingError_ = error; }

 private:
  struct Timer {
    std::function<void()> onTick;
    bool running = false;
  };
  // Delivers what is queued now; the number of messages dispatched.
  int Pump();
  void RethrowPending();

  Hwnd sink_ = 0;
  std::map<TimerId, Timer> timers_;
  TimerId nextTimer_ = 1;
  bool quit_ = false;
  int exitCode_ = 0;
  std::uint64_t skippedTicks_ = 0;
  std::exception_ptr pendingError_;
  // The wait's flags: MWMO_INPUTAVAILABLE until the system refuses it.
  std::uint32_t waitFlags_ = 0;
};

}  // namespace drelm::win32
