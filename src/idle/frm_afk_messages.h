// The recorded-messages window: every chat line and IM the away recorder noted, in the order
// noted. The stop command shows it in place of the main window; a double click opens one entry
// on its own, and closing the window empties the list and brings the main window back.
#pragma once

#include "core/form_model.h"
#include "idle/frm_msg.h"
#include "idle/review_windows_context.h"

namespace drelm {

class FrmAFKMessages : public Form {
 public:
  FrmAFKMessages(ReviewWindowsContext context, FrmMsg& frmMsg);

  ListBox lstMsgs{"lstMsgs", {}, -1, true};
  Label lblDragMe{"lblDragMe", kReviewWindowTitle, "Tahoma"};
  Label Label4{"Label4", "-", "Tahoma"};
  Label Label5{"Label5", "x", "Tahoma"};
  Label lblDouble{"lblDouble", "double click msg to view msg", "Tahoma"};

  void lblDragMe_MouseDown();
  void Label4_Click();
  void Label5_Click();
  void lstMsgs_DblClick();

 private:
  ReviewWindowsContext context_;
  FrmMsg& frmMsg_;
};

}  // namespace drelm
