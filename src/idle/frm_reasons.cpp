#include "idle/frm_reasons.h"

#include "core/files.h"
#include "core/list_box_files.h"
#include "core/own_windows.h"

namespace drelm {

namespace {
constexpr int kEnterKey = 13;
}

FrmReasons::FrmReasons(ReasonsContext context)
    : Form("frmReasons", "drelm idle reasons"), context_(std::move(context)) {}

void FrmReasons::Form_Load() {
  loaded = true;
  onTop = true;
  StayOnTop(context_.review.windows, window);
}

void FrmReasons::Label2_MouseDown() {
  context_.review.click();
  DragForm(context_.review.windows, window);
}

void FrmReasons::Label4_Click() {
  context_.review.click();
  state = WindowState::kMinimized;
}

void FrmReasons::Label5_Click() {
  context_.review.click();
  Hide();
  context_.review.frmMain.Show();
}

void FrmReasons::Image2_Click() {
  context_.review.click();
  if (context_.popupAddons) context_.popupAddons();
}

void FrmReasons::txtReasons_KeyPress(int keyAscii) {
  if (keyAscii != kEnterKey) return;
  context_.review.click();
  lstRe.items.push_back(txtReasons.text);
  SaveReasons();
  txtReasons.text.clear();
}

void FrmReasons::lstRe_DblClick() {
  context_.review.click();
  const int selected = lstRe.selected;
  if (selected < 0 || static_cast<std::size_t>(selected) >= lstRe.items.size()) return;
  lstRe.items.erase(lstRe.items.begin() + selected);
  lstRe.selected = -1;
}

bool FrmReasons::SaveReasons() {
  return SaveListToFile(context_.files, PathInFolder(context_.programFolder, kReasonsFileName),
                        lstRe);
}

}  // namespace drelm
