#include "options/aol_tweak_commands.h"

#include "aol/instant_messages.h"
#include "aol/modal_kills.h"
#include "aol/privacy.h"
#include "aol/upchat.h"
#include "aol/window_tweaks.h"

namespace drelm {

void AolTweakCommands::WireMenu() {
  FrmOptions& options = context_.options;
  options.Wire("cmdAOLWait", [this] { cmdAOLWait_Click(); });
  options.Wire("cmdAOLGlyph", [this] { cmdAOLGlyph_Click(); });
  options.Wire("cmdAOLModal", [this] { cmdAOLModal_Click(); });
  options.Wire("cmdIMSon", [this] { cmdIMSon_Click(); });
  options.Wire("cmdIMSoff", [this] { cmdIMSoff_Click(); });
  options.Wire("cmdGhostOn", [this] { cmdGhostOn_Click(); });
  options.Wire("cmdGhostOff", [this] { cmdGhostOff_Click(); });
  options.Wire("cmdHIDEAOL", [this] { cmdHIDEAOL_Click(); });
  options.Wire("cmdSHOWAOL", [this] { cmdSHOWAOL_Click(); });
  options.Wire("cmdHideWelcome", [this] { cmdHideWelcome_Click(); });
  options.Wire("cmdShowWelcome", [this] { cmdShowWelcome_Click(); });
  options.Wire("cmdAolPlusHide", [this] { cmdAolPlusHide_Click(); });
  options.Wire("cmdAolPlusShow", [this] { cmdAolPlusShow_Click(); });
  options.Wire("cmdUpchatOn", [this] { cmdUpchatOn_Click(); });
  options.Wire("cmdUpchatOff", [this] { cmdUpchatOff_Click(); });
}

void AolTweakCommands::cmdAOLWait_Click() {
  KillAolWait(context_.aol.windows);
  Log("killed wait");
}

void AolTweakCommands::cmdAOLGlyph_Click() {
  KillGlyph(context_.aol.windows);
  Log("killed glyph");
}

void AolTweakCommands::cmdAOLModal_Click() {
  KillAolModals(context_.aol.windows);
  Log("killed modal");
}

void AolTweakCommands::cmdIMSon_Click() {
  ImsOn(context_.aol);
  Log("im's on");
}

void AolTweakCommands::cmdIMSoff_Click() {
  ImsOff(context_.aol);
  Log("im's off");
}

void AolTweakCommands::cmdGhostOn_Click() {
  GhostOn(context_.aol);
  Log("ghost on");
}

void AolTweakCommands::cmdGhostOff_Click() {
  GhostOff(context_.aol);
  Log("ghost off");
}

void AolTweakCommands::cmdHIDEAOL_Click() {
  HideAol(context_.aol.windows);
  Log("aol hidden");
}

void AolTweakCommands::cmdSHOWAOL_Click() {
  ShowAol(context_.aol.windows);
  Log("aol unhidden");
}

void AolTweakCommands::cmdHideWelcome_Click() {
  HideWelcome(context_.aol.windows);
  Log("welcome hidden");
}

void AolTweakCommands::cmdShowWelcome_Click() {
  ShowWelcome(context_.aol.windows);
  Log("welcome unhidden");
}

void AolTweakCommands::cmdAolPlusHide_Click() {
  HideAolPlus(context_.aol.windows);
  Log("aol plus hidden");
}

void AolTweakCommands::cmdAolPlusShow_Click() {
  ShowAolPlus(context_.aol.windows);
  Log("aol plus unhidden");
}

void AolTweakCommands::cmdUpchatOn_Click() {
  UpchatOn(context_.aol);
  Log("upchat on");
}

void AolTweakCommands::cmdUpchatOff_Click() {
  UpchatOff(context_.aol.windows);
  Log("upchat off");
}

}  // namespace drelm
