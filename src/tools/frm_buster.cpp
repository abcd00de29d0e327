#include "tools/frm_buster.h"

#include "aol/keywords.h"
#include "aol/pressing.h"
#include "aol/window_lookup.h"
#include "core/pause.h"
#include "text/ansi.h"

namespace drelm {

FrmBuster::FrmBuster(RoomToolsContext context, Wiring& wiring)
    : RoomToolForm("frmBuster", std::move(context)) {
  Label3.visible = false;
  wiring.OnMenu("cmdRoomBuster", [this] { cmdRoomBuster_Click(); });
  wiring.Owns(*this);
}

void FrmBuster::cmdRoomBuster_Click() {
  Show();
  c_.frmMain.Hide();
}

void FrmBuster::Label1_Click() {
  // A start pressed while the last attempt of a stopped bust still waits would run a second bust
  // inside the first, and the first would then announce the second's arrival again.
  if (inBust_) return;
  inBust_ = true;
  AolContext& aol = c_.aol;
  const std::string& ascii = c_.globals.AsciiColor;
  const std::string& main = c_.globals.MainColor;
  c_.click();
  txtBuster.enabled = false;
  c_.sendChat("drelm attempting to bust: <font color=#" + ascii + ">" + txtBuster.text +
              "<font color=#" + main + ">");
  Label1.visible = false;
  Label3.visible = true;
  // Busting from the moment "stop bust" shows, so a stop during the first pause is not lost.
  Busting = true;
  Pause(aol.clock, aol.loop, 1);
  // A bust stopped before its first request leaves the user in the room they were in.
  if (Busting) CloseWindow(aol.windows, FindChatRoom(aol.windows));
  // Only a room found after an attempt is an arrival: the room of a bust stopped before it asked
  // is the one the user was in.
  bool entered = false;
  while (Busting && !aol.loop.QuitRequested()) {
    aol.loop.PumpPending();
    const std::string room = txtBuster.text;
    lblStatus.caption = "busting " + room;
    EnterPrivateRoom(aol.windows, room);
    std::string answered = room;
    c_.waitRoomOrDismiss(answered);
    aol.loop.PumpPending();
    Pause(aol.clock, aol.loop, 1);
    lblAttempts.caption = std::to_string(LeadingNumber(lblAttempts.caption) + 1);
    entered = FindChatRoom(aol.windows) != 0;
    if (entered) break;
  }
  inBust_ = false;
  if (!entered) {
    // Stopped: the attempt that was running when "stop bust" came has counted itself since.
    ResetToIdle();
    return;
  }
  Busting = false;
  lblStatus.caption = "entered " + txtBuster.text;
  Pause(aol.clock, aol.loop, 1);
  c_.sendChat("drelm busted: <font color=#" + ascii + ">" + txtBuster.text + "<font color=#" +
              main + "> in <font color=#" + ascii + ">" + lblAttempts.caption + "<font color=#" +
              main + "> trys");
  ResetToIdle();
}

void FrmBuster::Label3_Click() {
  c_.click();
  lblStatus.caption = "busting stopped";
  Pause(c_.aol.clock, c_.aol.loop, 1);
  Busting = false;
  ResetToIdle();
}

void FrmBuster::ResetToIdle() {
  Label1.visible = true;
  Label3.visible = false;
  lblAttempts.caption = "0";
  txtBuster.enabled = true;
  lblStatus.caption = "idle";
}

void FrmBuster::Label5_Click() {
  c_.click();
  c_.frmMain.Show();
  Hide();
}

}  // namespace drelm
