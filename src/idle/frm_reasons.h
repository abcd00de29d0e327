// The reasons window: the list of away reasons the status scroller draws from when multiple
// reasons are on. The list is loaded from the reasons file at start-up; adding a reason (Enter in
// the text box) saves the whole list, removing one (double click) changes only the list until the
// next addition saves it.
#pragma once

#include <functional>
#include <string>

#include "core/form_model.h"
#include "idle/review_windows_context.h"
#include "platform/files.h"

namespace drelm {

struct ReasonsContext {
  ReviewWindowsContext review;
  Files& files;
  std::string programFolder;
  // Pops up the options window's "addons" menu (the reasons' tags) at the mouse.
  std::function<void()> popupAddons;
};

class FrmReasons : public Form {
 public:
  explicit FrmReasons(ReasonsContext context);

  ListBox lstRe{"lstRe", {}, -1, true};
  TextBox txtReasons{"txtReasons", "", true, true};
  Decoration Image2{"Image2"};
  Label Label2{"Label2", kReviewWindowTitle, "Tahoma"};
  Label Label4{"Label4", "-", "Tahoma"};
  Label Label5{"Label5", "x", "Tahoma"};

  void Form_Load();
  void Label2_MouseDown();
  void Label4_Click();
  void Label5_Click();
  void Image2_Click();
  // A key typed into txtReasons; Enter (13) adds its text as a reason.
  void txtReasons_KeyPress(int keyAscii);
  void lstRe_DblClick();

  // Writes the whole list to the reasons file, replacing it whole (the "insert hyperlink"
  // command saves through here too). False when the file could not be written.
  bool SaveReasons();

 private:
  ReasonsContext context_;
};

}  // namespace drelm
