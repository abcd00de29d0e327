#include "aol/flash_session.h"

#include <string>

#include "aol/aol_steps.h"
#include "aol/bounded_wait.h"
#include "aol/client_windows.h"
#include "aol/pressing.h"
#include "aol/toolbar_menu.h"
#include "aol/window_lookup.h"
#include "core/pause.h"
#include "core/timeouts.h"
#include "platform/winuser_constants.h"

namespace drelm {

namespace {

constexpr int kMailCenterIcon = 2;  // the toolbar's third icon
constexpr int kMailMenuIcon = 0;    // AOL 6 and 7: the first icon's mail menu

// AOL 7 reads its menus as AOL 6 does; the design walked the old menu there and picked nothing.
bool HasMailMenu(int version) {
  return version >= 6;
}

Hwnd FindAutomaticAol(WindowSystem& windows) {
  return FindMdiChildCaptioned(windows, "Automatic AOL");
}

Hwnd FindRunNow(WindowSystem& windows) {
  return windows.FindWindow(std::string("_AOL_Modal"), std::string("Run Automatic AOL Now"));
}

bool GiveUp(DcpContext& dcp, const std::string& why) {
  dcp.aol.log.WriteLog("flash session not started - " + why);
  return false;
}

// Clicks the box until it shows the wanted state; false when it never did.
bool SetCheckBox(DcpContext& dcp, Hwnd box, bool wanted) {
  WindowSystem& windows = dcp.aol.windows;
  const auto shown = [&] {
    return (windows.SendMessage(box, BM_GETCHECK, 0, 0) == BST_CHECKED) == wanted;
  };
  for (int click = 0; click < timeouts::kCheckBoxClicks && !shown(); ++click) {
    windows.PostMessage(box, WM_LBUTTONDOWN, 0, 0);
    dcp.aol.loop.PumpPending();
    windows.PostMessage(box, WM_LBUTTONUP, 0, 0);
    Pause(dcp.aol.clock, dcp.aol.loop, 0);
  }
  return shown();
}

bool OpenAutomaticAol(DcpContext& dcp, int version) {
  if (HasMailMenu(version)) {
    if (!ToolbarMenuPick(dcp.aol, kMailMenuIcon, 'U')) return false;
    Pause(dcp.aol.clock, dcp.aol.loop, 1);
    return true;
  }
  const int downs = version == 4 ? 10 : version == 5 ? 12 : 0;
  std::vector<std::uint32_t> keys = Keys(VK_DOWN, downs);
  keys.push_back(VK_RETURN);
  return ToolbarMenuKeys(dcp.aol, kMailCenterIcon, keys);
}

}  // namespace

bool SetupFlashSession(DcpContext& dcp, bool dlQueued, bool ulQueued) {
  WindowSystem& windows = dcp.aol.windows;
  const int version = AolVersionNumber(windows);
  if (!OpenAutomaticAol(dcp, version)) return GiveUp(dcp, "the mail menu did not open");
  Hwnd automatic = 0;
  Hwnd box = 0;
  const bool ready = WaitFor(
      dcp.aol,
      [&] {
        automatic = FindAutomaticAol(windows);
        box = FindNthChild(windows, automatic, "_aol_checkbox", 1);
        return box != 0;
      },
      timeouts::kAutomaticAolMs);
  if (!ready) return GiveUp(dcp, "no automatic aol window");

  // A session run with a box in the wrong state would leave the transfers where they are, or do
  // chores the user never asked for.
  const bool wanted[] = {ulQueued, false, false, false, dlQueued};
  for (int n = 1; n <= 5; ++n) {
    if (!SetCheckBox(dcp, box, wanted[n - 1])) {
      return GiveUp(dcp, "automatic aol box " + std::to_string(n) + " would not change");
    }
    box = windows.FindWindowEx(automatic, box, std::string("_aol_checkbox"), std::nullopt);
  }

  if (!HasMailMenu(version)) {
    return CloseUntilGone(dcp.aol, [&] { return FindAutomaticAol(windows); }) ||
           GiveUp(dcp, "automatic aol would not close");
  }
  const Hwnd runNowIcon = FindNthChild(windows, automatic, "_aol_icon", 2);
  for (int press = 0; press < timeouts::kRunNowPresses; ++press) {
    if (FindRunNow(windows) != 0) return true;
    PressIconPosted(windows, dcp.aol.loop, runNowIcon);
    Pause(dcp.aol.clock, dcp.aol.loop, 1);
  }
  return FindRunNow(windows) != 0 || GiveUp(dcp, "run automatic aol now did not open");
}

bool RunFlashSession(DcpContext& dcp) {
  WindowSystem& windows = dcp.aol.windows;
  const int version = AolVersionNumber(windows);
  if (!HasMailMenu(version)) {
    const int downs = version == 4 ? 11 : version == 5 ? 13 : 0;
    std::vector<std::uint32_t> keys = Keys(VK_DOWN, downs);
    keys.push_back(VK_RETURN);
    if (!ToolbarMenuKeys(dcp.aol, kMailCenterIcon, keys)) {
      return GiveUp(dcp, "the mail center menu did not open");
    }
  }
  // A status window left from an earlier session would read as this session running.
  if (!CloseUntilGone(dcp.aol, [&] { return FindAolStatusWindow(windows); })) {
    return GiveUp(dcp, "the last session's status window would not close");
  }

  Hwnd begin = 0;
  const bool ready = WaitFor(
      dcp.aol,
      [&] {
        begin = FindNthChild(windows, FindRunNow(windows), "_AOL_Icon", 1);
        return begin != 0;
      },
      timeouts::kAutomaticAolMs);
  if (!ready) return GiveUp(dcp, "run automatic aol now did not open");

  const std::uint64_t start = dcp.aol.clock.MonotonicMs();
  while (FindAolStatusWindow(windows) == 0) {
    if (dcp.aol.clock.MonotonicMs() - start >= timeouts::kBeginPressMs) {
      return GiveUp(dcp, "begin did not start it");
    }
    if (version > 5) {
      PressIconPosted(windows, dcp.aol.loop, begin);
    } else {
      ClickMouse(windows, begin);
    }
    Pause(dcp.aol.clock, dcp.aol.loop, 1);
    if (dcp.aol.loop.QuitRequested()) return false;
  }
  return true;
}

}  // namespace drelm
