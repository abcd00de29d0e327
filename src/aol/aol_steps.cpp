#include "aol/aol_steps.h"

#include <string>

#include "aol/bounded_wait.h"
#include "aol/client_windows.h"
#include "aol/pressing.h"
#include "aol/window_lookup.h"
#include "core/timeouts.h"
#include "platform/winuser_constants.h"

namespace drelm {

bool CloseUntilGone(AolContext& aol, const std::function<Hwnd()>& find) {
  for (int round = 0; round < timeouts::kAolWindowCloseRounds; ++round) {
    const Hwnd window = find();
    if (window == 0) return true;
    CloseWindow(aol.windows, window);
    if (WaitFor(
            aol, [&] { return find() != window; }, timeouts::kAolWindowCloseMs))
      continue;
    if (aol.loop.QuitRequested()) return false;
  }
  return find() == 0;
}

int AnswerAolBoxes(AolContext& aol) {
  WindowSystem& windows = aol.windows;
  const auto firstBox = [&] {
    const std::vector<Hwnd> boxes = AolMessageBoxes(windows);
    return boxes.empty() ? Hwnd{0} : boxes.front();
  };
  int answered = 0;
  for (int round = 0; round < timeouts::kBoxAnswerRounds; ++round) {
    Hwnd box = firstBox();
    // Every press of a round may bring a box of its own, some still on their way.
    if (box == 0 && !WaitFor(
                        aol, [&] { return (box = firstBox()) != 0; }, timeouts::kLateBoxMs)) {
      break;
    }
    const Hwnd button = windows.FindWindowEx(box, 0, std::string("button"), std::nullopt);
    ClickMouse(windows, button);
    PressSpace(windows, button);
    PressIconPosted(windows, aol.loop, button);
    ++answered;
    WaitFor(
        aol, [&] { return !windows.IsWindow(box); }, timeouts::kAolWindowCloseMs);
  }
  return answered;
}

bool ToolbarMenuKeys(AolContext& aol, int iconIndex, const std::vector<std::uint32_t>& keys) {
  WindowSystem& windows = aol.windows;
  const Hwnd icon = FindNthChild(windows, FindAolToolbar(windows), "_AOL_Icon", iconIndex + 1);
  if (icon == 0) return false;
  windows.PostMessage(icon, WM_LBUTTONDOWN, 0, 0);
  windows.PostMessage(icon, WM_LBUTTONUP, 0, 0);
  Hwnd menu = 0;
  const bool shown = WaitFor(
      aol,
      [&] {
        menu = windows.FindWindow(std::string("#32768"), std::nullopt);
        return BelongsToAolClient(windows, menu) && windows.IsWindowVisible(menu);
      },
      timeouts::kToolbarPopupMs);
  if (!shown) return false;
  for (std::uint32_t key : keys) {
    windows.PostMessage(menu, WM_KEYDOWN, key, 0);
    windows.PostMessage(menu, WM_KEYUP, key, 0);
  }
  return true;
}

std::vector<std::uint32_t> Keys(std::uint32_t key, int times) {
  return std::vector<std::uint32_t>(static_cast<std::size_t>(times), key);
}

}  // namespace drelm
