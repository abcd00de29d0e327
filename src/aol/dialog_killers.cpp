#include "aol/dialog_killers.h"

#include <vector>

#include "aol/client_windows.h"
#include "aol/control_text.h"
#include "aol/pressing.h"
#include "aol/window_lookup.h"

namespace drelm {

namespace {

// The notice's static ends with a carriage return; one without it is some other message.
constexpr const char* kFileNotFound = "File not found.\r";

bool HoldsFileNotFound(WindowSystem& windows, Hwnd modal) {
  for (Hwnd label = windows.FindWindowEx(modal, 0, std::string("_AOL_Static"), std::nullopt);
       label != 0;
       label = windows.FindWindowEx(modal, label, std::string("_AOL_Static"), std::nullopt)) {
    if (GetControlText(windows, label) == kFileNotFound) return true;
  }
  return false;
}

}  // namespace

DialogKillers::DialogKillers(DialogKillersContext context, Wiring& wiring, Timer& timer2)
    : c_(std::move(context)) {
  wiring.OnTick(timer2, [this] { Timer2_Timer(); });
}

void DialogKillers::Timer2_Timer() {
  c_.reader.Refresh();
  if (c_.killFileNotFoundChecked && c_.killFileNotFoundChecked()) KillFileNotFound();
  if (c_.killMessageBoxChecked && c_.killMessageBoxChecked()) KillMessageBox();
}

bool DialogKillers::KillFileNotFound() {
  WindowSystem& windows = c_.windows;
  // Every modal window of the client is looked at: an upload window above the notice must not
  // hide it.
  Hwnd notice = 0;
  for (Hwnd modal = windows.FindWindowEx(0, 0, std::string("_AOL_Modal"), std::nullopt); modal != 0;
       modal = windows.FindWindowEx(0, modal, std::string("_AOL_Modal"), std::nullopt)) {
    if (BelongsToAolClient(windows, modal) && HoldsFileNotFound(windows, modal)) {
      notice = modal;
      break;
    }
  }
  if (notice == 0) return false;
  const Hwnd ok = FindNthChild(windows, notice, "_aol_icon", 1);
  ClickMouse(windows, ok);
  PressIconPosted(windows, c_.loop, ok);
  c_.log.WriteLog("killed file not found");
  if (c_.continueAfterFileNotFound) c_.continueAfterFileNotFound();
  return true;
}

bool DialogKillers::KillMessageBox() {
  const std::vector<Hwnd> boxes = AolMessageBoxes(c_.windows);
  if (boxes.empty()) return false;
  const Hwnd ok =
      c_.windows.FindWindowEx(boxes.front(), 0, std::string("button"), std::string("OK"));
  if (ok == 0) return false;
  ClickMouse(c_.windows, ok);
  PressIconPosted(c_.windows, c_.loop, ok);
  return true;
}

}  // namespace drelm
