#include "aol/window_tweaks.h"

#include "aol/client_windows.h"
#include "aol/pressing.h"
#include "aol/window_lookup.h"
#include "platform/winuser_constants.h"

namespace drelm {

void HideAol(WindowSystem& windows) {
  windows.ShowWindow(FindAolMainWindow(windows), SW_HIDE);
}
void ShowAol(WindowSystem& windows) {
  windows.ShowWindow(FindAolMainWindow(windows), SW_SHOW);
}
void HideWelcome(WindowSystem& windows) {
  windows.ShowWindow(FindWelcomeWindow(windows), SW_HIDE);
}
void ShowWelcome(WindowSystem& windows) {
  windows.ShowWindow(FindWelcomeWindow(windows), SW_SHOW);
}
void HideAolPlus(WindowSystem& windows) {
  windows.ShowWindow(FindAolPlusWindow(windows), SW_HIDE);
}
void ShowAolPlus(WindowSystem& windows) {
  windows.ShowWindow(FindAolPlusWindow(windows), SW_SHOW);
}
void KillGlyph(WindowSystem& windows) {
  CloseWindow(windows, FindToolbarGlyph(windows));
}

}  // namespace drelm
