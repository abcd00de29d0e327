#include "options/aol_tweak_commands.h"

#include "aol/instant_messages.h"
#include "aol/modal_kills.h"
#include "aol/privacy.h"
#include "aol/upchat.h"
#include "aol/window_tweaks.h"

namespace drelm {

AolTweakCommands::AolTweakCommands(AolContext aol, Wiring& wiring) : aol_(aol) {
  wiring.OnMenu("cmdAOLWait", [this] { cmdAOLWait_Click(); });
  wiring.OnMenu("cmdAOLGlyph", [this] { cmdAOLGlyph_Click(); });
  wiring.OnMenu("cmdAOLModal", [this] { cmdAOLModal_Click(); });
  wiring.OnMenu("cmdIMSon", [this] { cmdIMSon_Click(); });
  wiring.OnMenu("cmdIMSoff", [this] { cmdIMSoff_Click(); });
  wiring.OnMenu("cmdGhostOn", [this] { cmdGhostOn_Click(); });
  wiring.OnMenu("cmdGhostOff", [this] { cmdGhostOff_Click(); });
  wiring.OnMenu("cmdHIDEAOL", [this] { cmdHIDEAOL_Click(); });
  wiring.OnMenu("cmdSHOWAOL", [this] { cmdSHOWAOL_Click(); });
  wiring.OnMenu("cmdHideWelcome", [this] { cmdHideWelcome_Click(); });
  wiring.OnMenu("cmdShowWelcome", [this] { cmdShowWelcome_Click(); });
  wiring.OnMenu("cmdAolPlusHide", [this] { cmdAolPlusHide_Click(); });
  wiring.OnMenu("cmdAolPlusShow", [this] { cmdAolPlusShow_Click(); });
  wiring.OnMenu("cmdUpchatOn", [this] { cmdUpchatOn_Click(); });
  wiring.OnMenu("cmdUpchatOff", [this] { cmdUpchatOff_Click(); });
}

void AolTweakCommands::cmdAOLWait_Click() {
  KillAolWait(aol_.windows);
  Log("killed wait");
}

void AolTweakCommands::cmdAOLGlyph_Click() {
  KillGlyph(aol_.windows);
  Log("killed glyph");
}

void AolTweakCommands::cmdAOLModal_Click() {
  KillAolModals(aol_.windows);
  Log("killed modal");
}

void AolTweakCommands::cmdIMSon_Click() {
  ImsOn(aol_);
  Log("im's on");
}

void AolTweakCommands::cmdIMSoff_Click() {
  ImsOff(aol_);
  Log("im's off");
}

void AolTweakCommands::cmdGhostOn_Click() {
  GhostOn(aol_);
  Log("ghost on");
}

void AolTweakCommands::cmdGhostOff_Click() {
  GhostOff(aol_);
  Log("ghost off");
}

void AolTweakCommands::cmdHIDEAOL_Click() {
  HideAol(aol_.windows);
  Log("aol hidden");
}

void AolTweakCommands::cmdSHOWAOL_Click() {
  ShowAol(aol_.windows);
  Log("aol unhidden");
}

void AolTweakCommands::cmdHideWelcome_Click() {
  HideWelcome(aol_.windows);
  Log("welcome hidden");
}

void AolTweakCommands::cmdShowWelcome_Click() {
  ShowWelcome(aol_.windows);
  Log("welcome unhidden");
}

void AolTweakCommands::cmdAolPlusHide_Click() {
  HideAolPlus(aol_.windows);
  Log("aol plus hidden");
}

void AolTweakCommands::cmdAolPlusShow_Click() {
  ShowAolPlus(aol_.windows);
  Log("aol plus unhidden");
}

void AolTweakCommands::cmdUpchatOn_Click() {
  UpchatOn(aol_);
  Log("upchat on");
}

void AolTweakCommands::cmdUpchatOff_Click() {
  UpchatOff(aol_.windows);
  Log("upchat off");
}

}  // namespace drelm
