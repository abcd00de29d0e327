#include "aol/privacy.h"

#include <string>
#include <vector>

#include "aol/bounded_wait.h"
#include "aol/client_windows.h"
#include "aol/keywords.h"
#include "aol/pressing.h"
#include "aol/window_lookup.h"
#include "core/timeouts.h"

namespace drelm {

namespace {

const std::string kPrivacyCaption = "Privacy Preferences";

struct GhostSteps {
  const char* name;               // for the log: "ghost on" or "ghost off"
  int boxesNeeded;                // check boxes that must be there before clicking
  std::vector<int> boxesClicked;  // in click order
};

bool GiveUp(AolContext& aol, const GhostSteps& steps, const std::string& what) {
  if (!aol.loop.QuitRequested()) aol.log.WriteLog(std::string(steps.name) + " given up - " + what);
  return false;
}

bool SetPrivacy(AolContext& aol, const GhostSteps& steps) {
  using namespace timeouts;
  WindowSystem& windows = aol.windows;
  if (FindAolMainWindow(windows) == 0) return false;

  GoKeyword(windows, "buddylist");
  // The window can be seen before its icons are there: another process builds it step by step.
  Hwnd buddyList = 0, preferences = 0;
  if (!WaitFor(
          aol,
          [&] {
            buddyList = FindBuddyListWindow(windows);
            preferences = FindNthChild(windows, buddyList, "_AOL_Icon", 5);
            return preferences != 0;
          },
          kKeywordWindowMs)) {
    return GiveUp(aol, steps, "no buddy list");
  }
  ClickMouse(windows, preferences);

  Hwnd privacy = 0;
  std::vector<Hwnd> boxes;
  Hwnd save = 0;
  const bool ready = WaitFor(
      aol,
      [&] {
        privacy = FindMdiChildCaptioned(windows, kPrivacyCaption);
        boxes.clear();
        for (int n = 1; n <= steps.boxesNeeded; ++n) {
          const Hwnd box = FindNthChild(windows, privacy, "_AOL_Checkbox", n);
          if (box == 0) return false;
          boxes.push_back(box);
        }
        save = FindNthChild(windows, privacy, "_AOL_Icon", 4);
        return save != 0;
      },
      kAolWindowMs);
  if (!ready) return GiveUp(aol, steps, "no privacy preferences");

  aol.loop.PumpPending();
  for (int n : steps.boxesClicked) ClickMouse(windows, boxes[static_cast<std::size_t>(n - 1)]);
  ClickMouse(windows, save);

  if (!WaitFor(
          aol,
          [&] { return !windows.IsWindowVisible(FindMdiChildCaptioned(windows, kPrivacyCaption)); },
          kAolWindowMs)) {
    return GiveUp(aol, steps, "privacy preferences not saved");
  }

  Hwnd button = 0;
  if (!WaitFor(
          aol,
          [&] {
            for (Hwnd box : AolMessageBoxes(windows)) {
              if ((button = FindNthChild(windows, box, "Button", 1)) != 0) return true;
            }
            return false;
          },
          kAolWindowMs)) {
    return GiveUp(aol, steps, "no confirmation from aol");
  }
  ClickMouse(windows, button);
  CloseWindow(windows, buddyList);
  return true;
}

}  // namespace

bool GhostOn(AolContext& aol) {
  return SetPrivacy(aol, GhostSteps{"ghost on", 7, {5, 7}});
}

bool GhostOff(AolContext& aol) {
  return SetPrivacy(aol, GhostSteps{"ghost off", 1, {1}});
}

}  // namespace drelm
