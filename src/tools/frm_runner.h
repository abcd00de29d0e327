// The room runner: asks AOL for a private room and, each time AOL says it is full, for the same
// name with the next number appended (2, 3, ...) until one admits the user, then announces the
// arrival. Every wait for AOL's answer is bounded; an answer that does not come counts as a
// refusal, so "stop run" takes effect within two bounds (the answer's, then its box's).
#pragma once

#include "core/wiring.h"
#include "tools/room_tool_form.h"

namespace drelm {

class FrmRunner : public RoomToolForm {
 public:
  FrmRunner(RoomToolsContext context, Wiring& wiring);

  TextBox txtBuster{"txtBuster", "twk", true, true};
  Label Label1{"Label1", "start run"};
  Label Label3{"Label3", "stop run"};
  Label lblDragMe{"lblDragMe", "drelm idle"};
  Label Label4{"Label4", "-"};
  Label Label5{"Label5", "x"};
  Decoration Line1{"Line1"};
  Decoration Line2{"Line2"};

  // True from the start of a run until the arrival or "stop run".
  bool Running = false;

  void cmdRoomRunner_Click();
  void Label1_Click();
  void Label3_Click();
  void Label5_Click();

 private:
  // The run itself; every way out of it, a stop before the first request included, ends in
  // Label1_Click, which lets the next start run.
  void Run();

  bool inRun_ = false;
};

}  // namespace drelm
