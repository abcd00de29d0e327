#include "program_windows.h"

#include <shellapi.h>
#include <algorithm>

#include "options/menu_tree.h"

namespace drelm::e2e {

namespace {

constexpr UINT kTrayIconId = 1;
// The callback message the program gives its tray icon, and the mouse message a right click ends
// with, which the shell reports in the callback's lParam.
constexpr UINT kTrayCallbackMessage = WM_MOUSEMOVE;
constexpr const char* kWineTrayClass = "__winex11_standalone_tray";
constexpr const char* kWineTrayIconClass = "__winex11_tray_icon";

bool OwnedBy(HWND window, DWORD processId) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  return owner == processId;
}

struct MenuSearch {
  DWORD processId;
  std::vector<HWND> found;
};

// EnumWindows gives the most recently opened menu first; FindWindowEx under Wine does not.
BOOL CALLBACK CollectMenus(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<MenuSearch*>(param);
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpA(name, "#32768") == 0 && IsWindowVisible(window) &&
      OwnedBy(window, search->processId)) {
    search->found.push_back(window);
  }
  return TRUE;
}

// Top-level windows for a null parent.
std::vector<HWND> ChildrenOf(HWND parent, const char* className, const char* caption = nullptr) {
  std::vector<HWND> children;
  for (HWND child = FindWindowExA(parent, nullptr, className, caption); child;
       child = FindWindowExA(parent, child, className, caption)) {
    children.push_back(child);
  }
  return children;
}

}  // namespace

HWND FindProgramWindow(DWORD processId, const char* className, const char* caption) {
  for (HWND window : ChildrenOf(nullptr, className, caption)) {
    if (OwnedBy(window, processId)) return window;
  }
  return nullptr;
}

HWND FindMainWindow(DWORD processId) {
  return FindProgramWindow(processId, "DrelmIdleMain", "drelm idle");
}

HWND FindOptionsWindow(DWORD processId) {
  return FindProgramWindow(processId, "DrelmIdleOptions", "drelm idle options");
}

HWND FindLabel(HWND main, const std::string& caption) {
  if (!main) return nullptr;
  for (HWND label : ChildrenOf(main, "Static")) {
    if (ControlText(label) == caption) return label;
  }
  return nullptr;
}

void RunCommand(HWND options, std::string_view itemName) {
  std::vector<const MenuItem*> pending;
  const std::vector<MenuItem> tree = BuildOptionsMenuTree();
  for (const MenuItem& item : tree) pending.push_back(&item);
  UINT id = 0;
  while (!pending.empty() && id == 0) {
    const MenuItem* item = pending.back();
    pending.pop_back();
    if (item->name == itemName) id = item->commandId;
    for (const MenuItem& child : item->children) pending.push_back(&child);
  }
  PostMessageA(options, WM_COMMAND, id, 0);
}

std::string ControlText(HWND control) {
  if (!control) return {};
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kWindowDeadlineMs,
                           &length)) {
    return {};
  }
  std::string text(length + 1, '\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, kWindowDeadlineMs, &copied)) {
    return {};
  }
  text.resize(std::min<std::size_t>(copied, length));
  return text;
}

// Sent as the wide call, which Wine and Windows both answer correctly across processes.
std::string ListItem(HWND list, int index) {
  const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.data()));
  wide.resize(static_cast<std::size_t>(length));
  std::string text(wide.size() * 2 + 1, '\0');
  const int bytes =
      WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), text.data(),
                          static_cast<int>(text.size()), nullptr, nullptr);
  text.resize(bytes > 0 ? static_cast<std::size_t>(bytes) : 0);
  return text;
}

void Click(HWND control) {
  PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
  PostMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
}

std::string InputBoxTexts(HWND box) {
  std::string texts;
  for (HWND text : ChildrenOf(box, "Static")) {
    if (!texts.empty()) texts += "|";
    texts += ControlText(text);
  }
  return texts;
}

bool AnswerInputBox(HWND box, const std::string& answer) {
  const HWND edit = FindWindowExA(box, nullptr, "Edit", nullptr);
  const HWND ok = FindWindowExA(box, nullptr, "Button", "OK");
  if (!edit || !ok) return false;
  DWORD_PTR result = 0;
  SendMessageTimeoutA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(answer.c_str()),
                      SMTO_ABORTIFHUNG, kWindowDeadlineMs, &result);
  if (ControlText(edit) != answer) return false;
  Click(ok);
  return true;
}

std::vector<HWND> OpenMenus(DWORD processId) {
  MenuSearch search{processId, {}};
  EnumWindows(CollectMenus, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void PressMenuKey(HWND menu, WPARAM key) {
  PostMessageA(menu, WM_KEYDOWN, key, 1);
  PostMessageA(menu, WM_KEYUP, key, 0xC0000001);
}

bool TrayIconShown(HWND options) {
  if (!options) return false;
  // A modify that changes nothing succeeds exactly when the shell holds the icon.
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof data;
  data.hWnd = options;
  data.uID = kTrayIconId;
  return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

int TrayIconsInWineTray() {
  int shown = 0;
  const HWND tray = FindWindowA(kWineTrayClass, nullptr);
  if (!tray || !IsWindowVisible(tray)) return 0;
  for (HWND icon : ChildrenOf(tray, kWineTrayIconClass)) {
    if (IsWindowVisible(icon)) ++shown;
  }
  return shown;
}

bool RightClickTrayIcon(HWND options) {
  const HWND tray = FindWindowA(kWineTrayClass, nullptr);
  const std::vector<HWND> icons = tray ? ChildrenOf(tray, kWineTrayIconClass) : std::vector<HWND>{};
  if (icons.size() == 1) {
    PostMessageA(icons[0], WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(4, 4));
    PostMessageA(icons[0], WM_RBUTTONUP, 0, MAKELPARAM(4, 4));
    return true;
  }
  if (!tray && options) {
    return PostMessageA(options, kTrayCallbackMessage, kTrayIconId, WM_RBUTTONUP) != FALSE;
  }
  return false;
}

}  // namespace drelm::e2e
