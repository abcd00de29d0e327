// "start flashmail dl": the mailbox opened and its mails listed into the auto-download-later
// window, which then walks them. The listing and the walk belong to that tool; until it is
// wired in, the command opens the mailbox and says so in the window's status.
#pragma once

#include <functional>

#include "aol/aol_context.h"
#include "core/wiring.h"
#include "platform/shell.h"
#include "tools/frm_auto_dl.h"

namespace drelm {

struct FlashMailStartContext {
  AolContext aol;
  Shell& shell;
  FrmAutoDL& frmAutoDL;
  // ListIncomingMail on frmAutoDL.lstMails, which goes on into the download run.
  std::function<void()> listIncomingMail;
};

class FlashMailStart {
 public:
  FlashMailStart(FlashMailStartContext context, Wiring& wiring);

  void cmdStartDL_Click();

 private:
  FlashMailStartContext context_;
};

}  // namespace drelm
