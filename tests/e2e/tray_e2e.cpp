// The main window's menu and the tray, on real windows: the "menu" label opens the options menu
// (captured on screen), "-" hides the main window behind one tray icon, the icon's right-click
// menu restores it and, from the tray again, ends the program without leaving the icon behind.
#include "options/menu_tree.h"
#include "scenario.h"

namespace drelm::e2e {

namespace {

// The keys that walk the options menu, as it pops up with nothing selected, to the item reached
// through the given names (each a child of the one before); the last key opens or picks it.
std::vector<WPARAM> KeysTo(const std::vector<std::string>& path, WPARAM last) {
  std::vector<WPARAM> keys;
  const std::vector<MenuItem> tree = BuildOptionsMenuTree();
  const std::vector<MenuItem>* level = &tree.front().children;  // "mnuOptions"
  for (std::size_t depth = 0; depth < path.size(); ++depth) {
    int position = 0;
    const MenuItem* found = nullptr;
    for (const MenuItem& item : *level) {
      if (!item.visible || item.IsSeparator()) continue;
      if (item.name == path[depth]) {
        found = &item;
        break;
      }
      ++position;
    }
    if (!found) return {};
    // A menu opened by the mouse has nothing selected: the first VK_DOWN selects the first item.
    // A submenu opened by VK_RIGHT opens on its first item.
    const int downs = depth == 0 ? position + 1 : position;
    keys.insert(keys.end(), static_cast<std::size_t>(downs), VK_DOWN);
    keys.push_back(depth + 1 == path.size() ? last : VK_RIGHT);
    level = &found->children;
  }
  return keys;
}

// Presses the keys on the open menu, each after the menu it was meant for is there.
bool WalkMenu(DWORD processId, const std::vector<WPARAM>& keys) {
  if (keys.empty()) return false;
  std::size_t open = 1;
  for (const WPARAM key : keys) {
    if (!WaitFor([&] { return OpenMenus(processId).size() == open; }, kWindowDeadlineMs)) {
      return false;
    }
    PressMenuKey(OpenMenus(processId).front(), key);
    if (key == VK_RIGHT) ++open;
  }
  return true;
}

bool Restored(HWND main, HWND options) {
  return IsWindowVisible(main) && !TrayIconShown(options) && TrayIconsInWineTray() == 0;
}

}  // namespace

int TrayScenario(const E2eSetup& setup) {
  Scenario s(setup, "tray", {}, "false");
  if (!s.Start(0) || !s.StartUpEnds()) return s.Finish();
  const HWND main = FindMainWindow(s.id);
  const HWND options = FindOptionsWindow(s.id);
  s.Check(main && IsWindowVisible(main) && options && !IsWindowVisible(options) &&
              !TrayIconShown(options) && TrayIconsInWineTray() == 0,
          "the main window is shown, the options window exists hidden, no tray icon at first");
  // A label that is no notifying Static cannot be clicked by automation (nor by the mouse).
  int children = 0;
  int labels = 0;
  for (HWND child = GetWindow(main, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[16] = {};
    GetClassNameA(child, name, sizeof name);
    ++children;
    if (lstrcmpiA(name, "Static") == 0 && (GetWindowLongA(child, GWL_STYLE) & SS_NOTIFY)) ++labels;
  }
  s.Check(
      children == 11 && labels == 11 && (GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0,
      "its 11 labels are Statics that take the mouse, and the start-up put it on top");
  const auto menus = [&](std::size_t open) {
    return [&s, open] { return OpenMenus(s.id).size() == open; };
  };
  const auto walk = [&](const std::vector<std::string>& path, WPARAM last) {
    return Do([&s, path, last] { WalkMenu(s.id, KeysTo(path, last)); });
  };
  const Expect inTray = [&] { return !IsWindowVisible(main) && TrayIconShown(options); };
  const Act rightClick = Do([&] { RightClickTrayIcon(options); });

  // The options menu from the "menu" label, on screen: options > settings shows the stored
  // style in its captions. The pointer goes over the label first: the menu pops up at the mouse.
  RECT label{};
  GetWindowRect(FindLabel(main, "menu"), &label);
  SetCursorPos((label.left + label.right) / 2, (label.top + label.bottom) / 2);
  s.Run({{Do([&] { Click(FindLabel(main, "menu")); }), menus(1),
          "the \"menu\" label opens the options menu"},
         {walk({"cmdOptions", "cmdSettings"}, VK_RIGHT), menus(3),
          "the keyboard opens options > settings"}});
  if (!setup.screenshotFolder.empty()) {
    std::vector<HWND> windows = OpenMenus(s.id);
    windows.push_back(main);
    s.Check(TakeScreenshot(setup.screenshotScript,
                           setup.screenshotFolder + "/options-menu-settings.png", windows, 12),
            "a screenshot of options > settings is saved");
  }
  for (int level = 3; level > 0 && WaitFor(menus(level), kWindowDeadlineMs); --level) {
    PressMenuKey(OpenMenus(s.id).front(), VK_ESCAPE);
  }
  s.Run({{{}, menus(0), "Escape closes the menus again"},
         {Do([&] { Click(FindLabel(main, "-")); }), inTray,
          "\"-\" hides the main window and shows the tray icon"},
         {{}, [] { return TrayIconsInWineTray() == 1; }, "the tray shows exactly one icon"},
         {rightClick, menus(1), "right-clicking the icon opens the options menu"},
         {walk({"cmdMinimize", "cmdWinSysTray"}, VK_RETURN),
          [&] { return OpenMenus(s.id).empty() && inTray() && TrayIconsInWineTray() == 1; },
          "minimize > windows system tray, picked from it, still shows exactly one icon"},
         {rightClick, menus(1), "right-clicking the icon opens the options menu"},
         {walk({"mnuRest", "mnuRestoreWinSysTray"}, VK_RETURN),
          [&] { return OpenMenus(s.id).empty() && Restored(main, options); },
          "restore > windows system tray brings the main window back, the tray icon gone"}});
  // From the tray again, clicked the way the label reports a click, the icon's "exit" ends the
  // program and takes the icon along.
  const HWND dash = FindLabel(main, "-");
  PostMessageA(main, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(dash), STN_CLICKED),
               reinterpret_cast<LPARAM>(dash));
  s.Run({{{}, inTray, "\"-\" clicked by STN_CLICKED sends it to the tray again"},
         {rightClick, menus(1), "right-clicking the icon opens the options menu"},
         {walk({"cmdExit"}, VK_RETURN), [&] { return s.program.ExitCode() == 0u; },
          "exit picked from the icon's menu ends the program with exit code 0", kExitDeadlineMs}});
  // At once: the shell may clear the icons of ended programs by itself a little later.
  s.Check(!TrayIconShown(options) && TrayIconsInWineTray() == 0, "no tray icon is left behind");
  return s.Finish();
}

}  // namespace drelm::e2e
