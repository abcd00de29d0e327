// The auto-download-later window: created hidden by the first "start flashmail dl", it shows the
// run's progress in lblStatus and lists the mailbox's subjects in lstMails.
#pragma once

#include "core/form_model.h"

namespace drelm {

struct FrmAutoDL : Form {
  FrmAutoDL() : Form("frmAutoDL", "drelm idle -by- quoSt n' vrin") {}

  Label lblStatus{"lblStatus", "idle"};
  ListBox lstMails{"lstMails", {}, -1, true};
};

}  // namespace drelm
