#include "tools/flash_mail_start.h"

#include "aol/mailbox.h"
#include "core/pause.h"

namespace drelm {

FlashMailStart::FlashMailStart(FlashMailStartContext context, Wiring& wiring)
    : context_(std::move(context)) {
  wiring.OnMenu("cmdStartDL", [this] { cmdStartDL_Click(); });
  wiring.Owns(context_.frmAutoDL);
}

void FlashMailStart::cmdStartDL_Click() {
  AolContext& aol = context_.aol;
  // Shown, so the user sees the mails listed and the walk's progress, and reaches the window's
  // own "start process" from then on.
  context_.frmAutoDL.Show();
  context_.frmAutoDL.lblStatus.caption = "opening flashmail";
  Pause(aol.clock, aol.loop, 1);
  OpenIncomingMail(aol, context_.shell);
  context_.frmAutoDL.lblStatus.caption = "adding flashmail";
  Pause(aol.clock, aol.loop, 1);
  if (context_.listIncomingMail) context_.listIncomingMail();
}

}  // namespace drelm
