#include "aol/status_window.h"

#include "aol/window_lookup.h"
#include "platform/winuser_constants.h"

namespace drelm {

void HideAolStatusWindow(WindowSystem& windows, StatusLog& log) {
  windows.ShowWindow(FindAolStatusWindow(windows), SW_HIDE);
  log.WriteLog("status window hidden");
}

void ShowAolStatusWindow(WindowSystem& windows, StatusLog& log) {
  windows.ShowWindow(FindAolStatusWindow(windows), SW_SHOW);
  log.WriteLog("status window unhidden");
}

}  // namespace drelm
