#include "idle/frm_afk_messages.h"

#include "core/own_windows.h"

namespace drelm {

FrmAFKMessages::FrmAFKMessages(ReviewWindowsContext context, FrmMsg& frmMsg)
    : Form("frmAFKMessages", "drelm idle messages"),
      context_(std::move(context)),
      frmMsg_(frmMsg) {}

void FrmAFKMessages::lblDragMe_MouseDown() {
  context_.click();
  DragForm(context_.windows, window);
}

void FrmAFKMessages::Label4_Click() {
  context_.click();
  state = WindowState::kMinimized;
}

void FrmAFKMessages::Label5_Click() {
  context_.click();
  context_.frmMain.Show();
  Hide();
  lstMsgs.items.clear();
  lstMsgs.selected = -1;
}

void FrmAFKMessages::lstMsgs_DblClick() {
  context_.click();
  const int selected = lstMsgs.selected;
  // No selection shows an empty message rather than nothing at all.
  const bool valid = selected >= 0 && static_cast<std::size_t>(selected) < lstMsgs.items.size();
  frmMsg_.txtReSizeMsg.text = valid ? lstMsgs.items[static_cast<std::size_t>(selected)] : "";
  frmMsg_.Show();
  Hide();
}

}  // namespace drelm
