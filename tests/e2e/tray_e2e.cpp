// The main window's menu and the tray, on real windows: the "menu" label opens the options menu
// (captured on screen), "-" hides the main window behind one tray icon, the icon's right-click
// menu restores it and, from the tray again, ends the program without leaving the icon behind.
#include "e2e_scenarios.h"
#include "options/menu_tree.h"
#include "program_run.h"
#include "program_windows.h"

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

bool MenuOpens(DWORD processId) {
  return WaitFor([&] { return OpenMenus(processId).size() == 1; }, kWindowDeadlineMs);
}

bool MenusClose(DWORD processId) {
  return WaitFor([&] { return OpenMenus(processId).empty(); }, kWindowDeadlineMs);
}

bool InTray(HWND main, HWND options) {
  return !IsWindowVisible(main) && TrayIconShown(options);
}

bool Restored(HWND main, HWND options) {
  return IsWindowVisible(main) && !TrayIconShown(options) && TrayIconsInWineTray() == 0;
}

}  // namespace

int TrayScenario(const E2eSetup& setup) {
  Checks checks;
  checks.Check(ClearStoredSettings() && StoreReturningUser("false"),
               "a returning user's settings are stored");
  const std::string exe = PrepareProgramFolder(setup, "tray");
  if (!checks.Check(!exe.empty(), "a fresh program folder holds drelm-idle.exe")) {
    return checks.Finish();
  }
  const std::string folder = exe.substr(0, exe.find_last_of('\\'));
  ChildProcess program;
  if (!checks.Check(program.Start(exe, {}, folder, false), "drelm-idle.exe starts")) {
    return checks.Finish();
  }
  const DWORD id = program.Id();
  checks.Check(WaitFor([] { return StoredText("stats", "loads") == "1"; }, kStartUpDeadlineMs),
               "the start-up runs to its end (stats/loads \"1\")");
  const HWND main = FindMainWindow(id);
  const HWND options = FindOptionsWindow(id);
  checks.Check(main && IsWindowVisible(main), "the main window is shown");
  checks.Check(options && !IsWindowVisible(options), "the options window exists, hidden");
  checks.Check(!TrayIconShown(options) && TrayIconsInWineTray() == 0, "no tray icon at first");

  // The options menu from the "menu" label, on screen.
  ClickWithPointer(FindLabel(main, "menu"));
  checks.Check(MenuOpens(id), "the \"menu\" label opens the options menu");
  const bool shots = !setup.screenshotFolder.empty();
  if (shots) {
    std::vector<HWND> windows = OpenMenus(id);
    windows.push_back(main);
    checks.Check(
        TakeScreenshot(setup.screenshotScript, setup.screenshotFolder + "/options-menu.png",
                       AreaAround(windows, 12)),
        "a screenshot of the open options menu is saved");
  }
  // options > settings shows the stored style in its captions.
  checks.Check(WalkMenu(id, KeysTo({"cmdOptions", "cmdSettings"}, VK_RIGHT)) &&
                   WaitFor([&] { return OpenMenus(id).size() == 3; }, kWindowDeadlineMs),
               "the keyboard opens options > settings");
  if (shots) {
    std::vector<HWND> windows = OpenMenus(id);
    windows.push_back(main);
    checks.Check(TakeScreenshot(setup.screenshotScript,
                                setup.screenshotFolder + "/options-menu-settings.png",
                                AreaAround(windows, 12)),
                 "a screenshot of options > settings is saved");
  }
  for (int level = 3; level > 0; --level) {
    if (!WaitFor([&] { return OpenMenus(id).size() == static_cast<std::size_t>(level); },
                 kWindowDeadlineMs)) {
      break;
    }
    PressMenuKey(OpenMenus(id).front(), VK_ESCAPE);
  }
  checks.Check(MenusClose(id), "Escape closes the menus again");
  checks.Check(IsWindowVisible(main) && program.Running(), "closing the menu changes nothing");

  // "-" sends the main window to the tray.
  Click(FindLabel(main, "-"));
  checks.Check(WaitFor([&] { return InTray(main, options); }, kWindowDeadlineMs),
               "\"-\" hides the main window and shows the tray icon");
  checks.Detail("main visible " + std::to_string(IsWindowVisible(main)) + ", icon " +
                std::to_string(TrayIconShown(options)));
  checks.Check(TrayIconsInWineTray() == 1, "the tray shows exactly one icon");

  // Sending it there again through the icon's menu keeps one icon.
  checks.Check(RightClickTrayIcon(options) && MenuOpens(id),
               "right-clicking the icon opens the options menu");
  checks.Check(WalkMenu(id, KeysTo({"cmdMinimize", "cmdWinSysTray"}, VK_RETURN)) && MenusClose(id),
               "minimize > windows system tray is picked from it");
  checks.Check(WaitFor([&] { return InTray(main, options); }, kWindowDeadlineMs) &&
                   TrayIconsInWineTray() == 1,
               "twice to the tray still shows exactly one icon");

  // The icon's menu brings the window back.
  checks.Check(RightClickTrayIcon(options) && MenuOpens(id),
               "right-clicking the icon opens the options menu");
  checks.Check(
      WalkMenu(id, KeysTo({"mnuRest", "mnuRestoreWinSysTray"}, VK_RETURN)) && MenusClose(id),
      "restore > windows system tray is picked from it");
  checks.Check(WaitFor([&] { return Restored(main, options); }, kWindowDeadlineMs),
               "the main window is back and the tray icon gone");

  // From the tray again, clicked the way the label reports a click, the icon's "exit" ends the
  // program and takes the icon along.
  const HWND dash = FindLabel(main, "-");
  PostMessageA(main, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(dash), STN_CLICKED),
               reinterpret_cast<LPARAM>(dash));
  checks.Check(WaitFor([&] { return InTray(main, options); }, kWindowDeadlineMs),
               "\"-\" clicked by STN_CLICKED sends it to the tray again");
  checks.Check(
      RightClickTrayIcon(options) && MenuOpens(id) && WalkMenu(id, KeysTo({"cmdExit"}, VK_RETURN)),
      "exit is picked from the icon's menu");
  checks.Check(program.WaitForExit(kExitDeadlineMs), "the program ends within a few seconds");
  checks.Check(program.ExitCode() == std::optional<DWORD>(0), "with exit code 0");
  // At once: the shell may clear the icons of ended programs by itself a little later.
  checks.Check(!TrayIconShown(options) && TrayIconsInWineTray() == 0,
               "no tray icon is left behind");
  return checks.Finish();
}

}  // namespace drelm::e2e
