#include "aol/mailbox.h"

#include "aol/aol_steps.h"
#include "aol/client_windows.h"
#include "platform/winuser_constants.h"

namespace drelm {

Hwnd FindIncomingMail(WindowSystem& windows) {
  return FindMdiChildCaptioned(windows, "Incoming/Saved Mail");
}

void OpenIncomingMail(AolContext& aol, Shell& shell) {
  if (FindIncomingMail(aol.windows) != 0) return;
  const Point cursor = shell.CursorPos();
  const Point corner = shell.ScreenSize();
  shell.SetCursorPos(Point{corner.x - 1, corner.y - 1});
  constexpr int kMailCenterIcon = 2;
  if (!ToolbarMenuKeys(aol, kMailCenterIcon, {VK_UP, VK_UP, VK_RIGHT, VK_RETURN})) {
    aol.log.WriteLog("flashmail not opened - the mail menu did not open");
  }
  shell.SetCursorPos(cursor);
}

}  // namespace drelm
