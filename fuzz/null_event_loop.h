// An event loop with nothing to deliver, for loaders that pump between lines.
#pragma once

#include "platform/event_loop.h"

namespace drelm::fuzz {

class NullEventLoop : public EventLoop {
 public:
  void PumpPending() override {}
  void WaitForEvents(std::uint64_t) override {}
  TimerId AddTimer(std::uint32_t, std::function<void()>) override { return 0; }
  void RemoveTimer(TimerId) override {}
  void RequestQuit(int) override {}
  bool QuitRequested() const override { return false; }
  int ExitCode() const override { return 0; }
};

}  // namespace drelm::fuzz
