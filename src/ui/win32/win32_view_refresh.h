// The views draw the program's window models; the models change inside handlers. Rather than
// poll, the views are brought up to date whenever the program gives control away: before it
// pumps or waits on the message queue, before a dialog or menu takes the user's attention, and
// after every timer tick. These two wrappers put that refresh in front of the real services.
#pragma once

#include <functional>

#include "platform/event_loop.h"
#include "platform/user.h"

namespace drelm::win32::view {

using RefreshFn = std::function<void()>;

class RefreshingEventLoop : public EventLoop {
 public:
  RefreshingEventLoop(EventLoop& inner, RefreshFn refresh)
      : inner_(inner), refresh_(std::move(refresh)) {}

  void PumpPending() override;
  void WaitForEvents(std::uint64_t deadlineMs) override;
  TimerId AddTimer(std::uint32_t intervalMs, std::function<void()> onTick) override;
  void RemoveTimer(TimerId id) override { inner_.RemoveTimer(id); }
  void RequestQuit(int exitCode) override { inner_.RequestQuit(exitCode); }
  bool QuitRequested() const override { return inner_.QuitRequested(); }
  int ExitCode() const override { return inner_.ExitCode(); }

 private:
  EventLoop& inner_;
  RefreshFn refresh_;
};

class RefreshingUser : public User {
 public:
  RefreshingUser(User& inner, RefreshFn refresh) : inner_(inner), refresh_(std::move(refresh)) {}

  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultAnswer) override;
  std::uint32_t MessageBox(const std::string& text, const std::string& title,
                           std::uint32_t style) override;
  std::string OpenFileDialog(const std::string& title, const std::string& filter) override;
  std::uint32_t PopupMenu(const std::vector<PopupMenuItem>& items, Point at) override;

 private:
  User& inner_;
  RefreshFn refresh_;
};

}  // namespace drelm::win32::view
