#include "aol/toolbar_menu.h"

#include "aol/bounded_wait.h"
#include "aol/client_windows.h"
#include "aol/pressing.h"
#include "aol/window_lookup.h"
#include "core/timeouts.h"
#include "platform/winuser_constants.h"

namespace drelm {

bool ToolbarMenuPick(AolContext& aol, int iconIndex, char letter) {
  using namespace timeouts;
  WindowSystem& windows = aol.windows;
  const Hwnd icon = FindNthChild(windows, FindAolToolbar(windows), "_AOL_Icon", iconIndex + 1);
  if (icon == 0) return false;

  Hwnd menu = 0;
  const auto menuShows = [&] {
    // A menu the client pops up is a window of its own process; another program's is left alone.
    menu = windows.FindWindow(std::string("#32768"), std::nullopt);
    return BelongsToAolClient(windows, menu) && windows.IsWindowVisible(menu);
  };
  bool shown = false;
  for (std::uint32_t waited = 0; !shown && waited < kToolbarMenuMs;
       waited += kToolbarMenuReclickMs) {
    ClickMouse(windows, icon);
    shown = WaitFor(aol, menuShows, kToolbarMenuReclickMs);
    if (aol.loop.QuitRequested()) return false;
  }
  if (!shown) {
    aol.log.WriteLog("toolbar menu did not open - nothing picked");
    return false;
  }
  windows.PostMessage(menu, WM_CHAR, static_cast<unsigned char>(letter), 0);
  return true;
}

}  // namespace drelm
