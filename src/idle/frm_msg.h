// One recorded message on its own, in a text box the user can select from; closing it goes back
// to the list of recorded messages.
#pragma once

#include "core/form_model.h"
#include "idle/review_windows_context.h"

namespace drelm {

class FrmMsg : public Form {
 public:
  // messages: the recorded-messages window this one returns to.
  FrmMsg(ReviewWindowsContext context, Form& messages);

  TextBox txtReSizeMsg{"txtReSizeMsg", "", true, true};
  Label Label2{"Label2", kReviewWindowTitle, "Tahoma"};
  Label Label4{"Label4", "-", "Tahoma"};
  Label Label5{"Label5", "x", "Tahoma"};

  void Label2_MouseDown();
  void Label4_Click();
  void Label5_Click();

 private:
  ReviewWindowsContext context_;
  Form& messages_;
};

}  // namespace drelm
