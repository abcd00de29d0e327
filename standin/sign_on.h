// Signing on: the "Sign On" window (the password box is its first "_AOL_Edit", the fourth icon
// signs on), the connection, "Welcome, <name>!" while signed on, " AOL Plus", and the connection
// dropping. Below AOL 6 the sign-on icon acts on a button-down and button-up, from AOL 6 on a
// button-down and a space key-up.
#pragma once

#include <string>

#include "standin/window_host.h"

namespace drelm::standin {

class AolClient;

class SignOn {
 public:
  explicit SignOn(AolClient& client);

  // Shows "Sign On" unless it is there or the client is signed on or connecting.
  void Show();
  // Signed on at once, without the window (test set-up).
  void SignOnNow();
  // The connection is gone; the client shows "Sign On" again after a while.
  void Dropped();
  void ShowAolPlus();
  // The program ended: signed off, nothing pending.
  void ProcessEnded();
  // The next n connections fail: "Sign On" stays, ready for another press.
  void FailConnections(int n) { failsLeft_ = n; }

  bool SignedOn() const { return phase_ == Phase::kSignedOn; }
  bool Connecting() const { return phase_ == Phase::kConnecting; }
  WindowId Window() const { return window_; }
  WindowId PasswordBox() const { return password_; }
  WindowId Welcome() const { return welcome_; }
  WindowId AolPlus() const { return aolPlus_; }

 private:
  enum class Phase { kSignedOff, kConnecting, kSignedOn };
  void Pressed();
  void Connected();

  AolClient& client_;
  Phase phase_ = Phase::kSignedOff;
  int attempt_ = 0;  // a connection that dropped must not complete later
  int failsLeft_ = 0;
  WindowId window_ = 0;
  WindowId password_ = 0;
  WindowId welcome_ = 0;
  WindowId aolPlus_ = 0;
};

}  // namespace drelm::standin
