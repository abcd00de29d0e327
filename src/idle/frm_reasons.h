// The reasons window: the list of away reasons the status scroller picks from. Loaded from the
// reasons file at start-up; the window's editing commands come with the reasons editor.
#pragma once

#include "core/form_model.h"

namespace drelm {

class FrmReasons : public Form {
 public:
  FrmReasons() : Form("frmReasons") {}

  ListBox lstRe{"lstRe", {}, -1, true};
};

}  // namespace drelm
