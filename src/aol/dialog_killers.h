// The main window's second timer: every tick refreshes the transfer texts, closes the client's
// "File not found." notice (which stops a transfer queue) and, when the user asked for it, presses
// OK on the client's "America Online" message box. Only the AOL client's own windows are pressed.
#pragma once

#include <functional>

#include "aol/transfer_reader.h"
#include "core/event_runtime.h"
#include "core/status_log.h"
#include "core/wiring.h"
#include "platform/event_loop.h"
#include "platform/window_system.h"

namespace drelm {

struct DialogKillersContext {
  WindowSystem& windows;
  EventLoop& loop;
  StatusLog& log;
  TransferReader& reader;
  // The check marks of "kill file not found window" and "message to long to complex", read at
  // every tick.
  std::function<bool()> killFileNotFoundChecked;
  std::function<bool()> killMessageBoxChecked;
  // Resumes the transfers the notice stopped; runs after every notice closed.
  std::function<void()> continueAfterFileNotFound;
};

class DialogKillers {
 public:
  explicit DialogKillers(DialogKillersContext context) : c_(std::move(context)) {}
  // Ticks on the main window's second timer.
  DialogKillers(DialogKillersContext context, Wiring& wiring, Timer& timer2);

  // One tick: refresh, file-not-found kill, message-box kill, in that order.
  void Timer2_Timer();
  // Each presses at most one window and says whether it did.
  bool KillFileNotFound();
  bool KillMessageBox();

 private:
  DialogKillersContext c_;
};

}  // namespace drelm
