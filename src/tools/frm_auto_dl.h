// The auto-download-later window: shown by "auto download later" or "start flashmail dl", it
// shows the run's progress in lblStatus and lists the mailbox's subjects in lstMails (kept across
// uses: a second use lists the mails again after the first ones).
#pragma once

#include "core/form_model.h"

namespace drelm {

struct FrmAutoDL : Form {
  FrmAutoDL() : Form("frmAutoDL", "drelm idle -by- quoSt n' vrin") {}

  ListBox lstMails{"lstMails", {}, -1, true};
  Label Label1{"Label1", "start process"};
  Label lblStatus{"lblStatus", "idle"};
  Label lblDragMe{"lblDragMe", "drelm idle \xB9\xB7\xBA -by- quoSt n' vrin"};
  Label Label4{"Label4", "-"};
  Label Label5{"Label5", "x"};
  Decoration Line1{"Line1"};
  Decoration Line2{"Line2"};
};

}  // namespace drelm
