// Disconnect protection ("dcp aol"): when the AOL connection dropped while the user is away, the
// client is closed, started again from the program file recorded while it ran, signed on (with
// the password set in the options or the one AOL keeps), sent back to the user's private room,
// told about it in the chat, and the interrupted transfers are continued. Every wait and every
// retry is bounded; when one runs out a single status message says why protection gave up, and
// the next disconnect tries again. Nothing but the recorded program file is ever started.
#pragma once

#include <string>

#include "aol/dcp_context.h"
#include "aol/transfer_continuation.h"

namespace drelm {

// ShowWindow SW_MAXIMIZE.
void MaximizeWindow(WindowSystem& windows, Hwnd window);

class DisconnectProtection {
 public:
  explicit DisconnectProtection(DcpContext context);
  DisconnectProtection(const DisconnectProtection&) = delete;
  DisconnectProtection& operator=(const DisconnectProtection&) = delete;

  // useSetPassword 1 signs on with the password set in the options, 0 with AOL's own. True
  // when the client came back signed on. After giving up it waits a while before trying again.
  bool RestoreAol(int useSetPassword);
  // Each returns true once signed on, false when the bound ran out.
  bool SignOnStored();
  bool SignOnWithPassword();

  void ContinueAfterReconnect() { continuation_.ContinueAfterReconnect(); }
  void ContinueAfterFileNotFound() { continuation_.ContinueAfterFileNotFound(); }
  TransferContinuation& Continuation() { return continuation_; }

 private:
  enum class Start { kSignOnShown, kSignedOn, kNoStart, kNoSignOn };
  bool CloseAol();
  Start StartAol(const std::string& path);
  // Waits for ready() while maximising the client's main window every round; false when the
  // client's start-up bound ran out.
  bool AwaitSignOnMaximised(const std::function<bool()>& ready);
  Hwnd SignOnWindow();
  bool SignedOn();
  // Presses the fourth "Sign On" icon every couple of seconds until the welcome window shows.
  bool PressUntilSignedOn(const std::function<void()>& beforePress);
  void ReenterPrivateRoom();
  bool GiveUp(const std::string& why);

  DcpContext dcp_;
  TransferContinuation continuation_;
  bool restoring_ = false;
  bool gaveUp_ = false;
  std::uint64_t gaveUpAtMs_ = 0;
};

}  // namespace drelm
