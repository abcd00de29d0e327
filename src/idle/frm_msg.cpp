#include "idle/frm_msg.h"

#include "core/own_windows.h"

namespace drelm {

FrmMsg::FrmMsg(ReviewWindowsContext context, Form& messages)
    : Form("frmMsg", "drelm idle message"), context_(std::move(context)), messages_(messages) {}

void FrmMsg::Label2_MouseDown() {
  context_.click();
  DragForm(context_.windows, window);
}

void FrmMsg::Label4_Click() {
  context_.click();
  state = WindowState::kMinimized;
}

void FrmMsg::Label5_Click() {
  Hide();
  messages_.Show();
}

}  // namespace drelm
