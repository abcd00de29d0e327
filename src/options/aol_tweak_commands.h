// The options panel's commands that act on the AOL client: the kills (AOL's wait, its toolbar
// glyph, its modal notices), IMs off and on, ghost on and off, hiding and showing AOL's main,
// welcome and " AOL Plus" windows, and upchat on and off. Each runs its operation and then logs
// its status message, whatever happened in the client.
#pragma once

#include "aol/aol_context.h"
#include "core/wiring.h"

namespace drelm {

class AolTweakCommands {
 public:
  // Gives the fifteen items of the options menu their actions.
  AolTweakCommands(AolContext aol, Wiring& wiring);

  void cmdAOLWait_Click();
  void cmdAOLGlyph_Click();
  void cmdAOLModal_Click();
  void cmdIMSon_Click();
  void cmdIMSoff_Click();
  void cmdGhostOn_Click();
  void cmdGhostOff_Click();
  void cmdHIDEAOL_Click();
  void cmdSHOWAOL_Click();
  void cmdHideWelcome_Click();
  void cmdShowWelcome_Click();
  void cmdAolPlusHide_Click();
  void cmdAolPlusShow_Click();
  void cmdUpchatOn_Click();
  void cmdUpchatOff_Click();

 private:
  void Log(const char* message) { aol_.log.WriteLog(message); }

  AolContext aol_;
};

}  // namespace drelm
