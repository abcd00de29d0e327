// The room buster: asks AOL for one private room again and again until it lets the user in,
// counting the attempts, and announces the start and the arrival in the chat room. A bust runs
// inside the click on "start bust"; every wait in it keeps the rest of the program running and is
// bounded, so "stop bust" takes effect at the end of the attempt in progress.
#pragma once

#include "core/wiring.h"
#include "tools/room_tool_form.h"

namespace drelm {

class FrmBuster : public RoomToolForm {
 public:
  FrmBuster(RoomToolsContext context, Wiring& wiring);

  TextBox txtBuster{"txtBuster", "twk", true, true};
  Label Label1{"Label1", "start bust"};
  Label Label3{"Label3", "stop bust"};
  Label Label2{"Label2", "atts"};
  Label lblAttempts{"lblAttempts", "0"};
  Label lblStatus{"lblStatus", "idle"};
  Label lblDragMe{"lblDragMe", "drelm idle"};
  Label Label4{"Label4", "-"};
  Label Label5{"Label5", "x"};
  Decoration Line1{"Line1"};
  Decoration Line2{"Line2"};

  // True from the start of a bust until "stop bust" or the arrival.
  bool Busting = false;

  void cmdRoomBuster_Click();
  void Label1_Click();
  void Label3_Click();
  void Label5_Click();

 private:
  void ResetToIdle();

  // The attempt loop has not returned yet (it may outlive Busting by one attempt after a stop).
  bool inBust_ = false;
};

}  // namespace drelm
