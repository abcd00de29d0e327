#include "aol/modal_kills.h"

#include <vector>

#include "aol/client_windows.h"
#include "aol/control_text.h"
#include "aol/pressing.h"
#include "aol/window_lookup.h"
#include "platform/winuser_constants.h"

namespace drelm {

namespace {

// The upload window: its title holds "File Transfer - " once the upload has begun and "File
// Transfer" alone before, a title another of the client's notices may bear as well; its first
// static, naming the file being uploaded, tells it apart.
bool IsUploadWindow(WindowSystem& windows, Hwnd modal) {
  if (GetCaption(windows, modal).find("File Transfer - ") != std::string::npos) return true;
  const Hwnd name = FindNthChild(windows, modal, "_AOL_Static", 1);
  return GetControlText(windows, name).find("Uploading") != std::string::npos;
}

}  // namespace

void KillAolWait(WindowSystem& windows) {
  const Hwnd main = FindAolMainWindow(windows);
  windows.PostMessage(main, WM_KEYDOWN, VK_ESCAPE, 0);
  windows.PostMessage(main, WM_KEYUP, VK_ESCAPE, 0);
}

int KillAolModals(WindowSystem& windows) {
  std::vector<Hwnd> notices;
  const std::string modalClass = "_AOL_Modal";
  for (Hwnd modal = windows.FindWindowEx(0, 0, modalClass, std::nullopt); modal != 0;
       modal = windows.FindWindowEx(0, modal, modalClass, std::nullopt)) {
    if (!BelongsToAolClient(windows, modal)) continue;
    if (IsUploadWindow(windows, modal)) continue;
    notices.push_back(modal);
  }
  for (Hwnd notice : notices) CloseWindow(windows, notice);
  return static_cast<int>(notices.size());
}

}  // namespace drelm
