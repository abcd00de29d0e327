// "start flashmail dl": the auto-download-later window shown, AOL's mailbox opened, and its
// mails listed into the window by that tool, which goes on into the walk through AOL's mail
// reader; without a mailbox the window's status stays at "adding flashmail".
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
