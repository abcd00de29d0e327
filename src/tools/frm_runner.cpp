#include "tools/frm_runner.h"

#include "aol/keywords.h"
#include "aol/pressing.h"
#include "aol/window_lookup.h"
#include "core/pause.h"
#include "text/ansi.h"

namespace drelm {

FrmRunner::FrmRunner(RoomToolsContext context, Wiring& wiring)
    : RoomToolForm("frmRunner", std::move(context)) {
  wiring.OnMenu("cmdRoomRunner", [this] { cmdRoomRunner_Click(); });
  wiring.Owns(*this);
}

void FrmRunner::cmdRoomRunner_Click() {
  Show();
  c_.frmMain.Hide();
}

void FrmRunner::Label1_Click() {
  // Both labels stay visible: a second start while a run (or its last wait after a stop) is in
  // progress would nest a run inside it and announce the arrival twice.
  if (inRun_) return;
  inRun_ = true;
  Run();
  inRun_ = false;
}

void FrmRunner::Run() {
  AolContext& aol = c_.aol;
  c_.click();
  // Running (and the text box locked) from the start, so a stop during the first pauses holds.
  Running = true;
  txtBuster.enabled = false;
  Pause(aol.clock, aol.loop, 1);
  // Stopped before anything was said: nothing is posted and the user stays where they were.
  if (!Running) return;
  std::string number = "1";
  std::string requested = txtBuster.text;
  c_.sendChat("drelm is attempting to run: <font color=#" + c_.globals.AsciiColor + ">" +
              txtBuster.text + "<font color=#" + c_.globals.MainColor + ">");
  Pause(aol.clock, aol.loop, 1);
  // Stopped before the first request: the user stays in the room they were in.
  if (!Running) return;
  CloseWindow(aol.windows, FindChatRoom(aol.windows));
  EnterPrivateRoom(aol.windows, requested);
  while (Running && !aol.loop.QuitRequested()) {
    aol.loop.PumpPending();
    std::string asked = requested;
    if (c_.roomEntryRefused(asked)) {
      asked = requested;
      c_.waitRoomOrDismiss(asked);
      number = std::to_string(LeadingNumber(number) + 1);
      requested = txtBuster.text + number;
      EnterPrivateRoom(aol.windows, requested);
    }
    if (FindChatRoom(aol.windows) != 0) break;
  }
  if (FindChatRoom(aol.windows) == 0) return;
  Running = false;
  Pause(aol.clock, aol.loop, 0);
  c_.sendChat("drelm idle ran into this room");
  txtBuster.enabled = true;
}

void FrmRunner::Label3_Click() {
  c_.click();
  Running = false;
  txtBuster.enabled = true;
}

void FrmRunner::Label5_Click() {
  c_.click();
  Hide();
  c_.frmMain.Show();
}

}  // namespace drelm
