// The away recorder ("afk bot"): chat lines that begin with the user's handle are noted, up to a
// stored number per sender, and confirmed in the room; each tick of Timer3 answers one waiting
// instant message with the away reason, notes it and closes its window. Every entry goes into
// the recorded-messages list and, at the same moment, at the end of the messages file beside the
// program, so nothing noted is lost to a crash or to a program ended before the review; an IM's
// entry there also keeps what the friend wrote. It wires
// itself to the main window's chat scanner and Timer3 and owns the two review windows.
#pragma once

#include <string>
#include <string_view>

#include "aol/aol_context.h"
#include "aol/chat_sender.h"
#include "core/drelm_globals.h"
#include "core/event_runtime.h"
#include "core/settings_store.h"
#include "core/wiring.h"
#include "idle/chat_scanner.h"
#include "idle/frm_afk_messages.h"
#include "idle/frm_msg.h"
#include "platform/files.h"

namespace drelm {

struct AwayRecorderContext {
  AolContext& aol;  // answering IMs
  SettingsStore& store;
  const DrelmGlobals& globals;
  ChatSender& chat;
  ChatScanner& Chat1;
  Timer& Timer3;
  FrmAFKMessages& frmAFKMessages;
  FrmMsg& frmMsg;
  Files& files;
  std::string programFolder;
};

// The settings key of one sender's count of recorded lines: "afk" + the screen name, except for
// the few names that would land on a fixed setting ("Max" on "afkmax", "Rea" on "afkrea"), which
// are kept under "afk#" + the name, a key no screen name can reach.
std::string SenderCountKey(std::string_view screenName);

class AwayRecorder {
 public:
  AwayRecorder(AwayRecorderContext context, Wiring& wiring);

  // The chat scanner's event on the main window.
  void Chat1_ChatLine(const std::string& screenName, const std::string& text);
  // The main window's Timer3.
  void Timer3_Timer();

 private:
  // Adds entry to the list, and entry followed by onDiskOnly to the file.
  void Record(std::string entry, std::string_view onDiskOnly = {});

  AwayRecorderContext context_;
  std::string file_;
  Hwnd answeredIm_ = 0;  // the IM window last answered, until another one is
};

}  // namespace drelm
