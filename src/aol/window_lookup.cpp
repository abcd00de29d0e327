#include "aol/window_lookup.h"

#include "text/ansi.h"

namespace drelm {

namespace {

constexpr const char* kAolChild = "AOL Child";

bool HasChild(WindowSystem& windows, Hwnd parent, const char* className) {
  return windows.FindWindowEx(parent, 0, std::string(className), std::nullopt) != 0;
}

bool LooksLikeChatRoom(WindowSystem& windows, Hwnd child) {
  return HasChild(windows, child, "RICHCNTL") && HasChild(windows, child, "_AOL_Listbox") &&
         HasChild(windows, child, "_AOL_Icon") && HasChild(windows, child, "_AOL_Static");
}

bool CaptionHoldsStatus(WindowSystem& windows, Hwnd window) {
  const int length = windows.GetWindowTextLength(window);
  return LowerAnsi(windows.GetWindowText(window, length + 1)).find("status") != std::string::npos;
}

}  // namespace

Hwnd FindAolMainWindow(WindowSystem& windows) {
  return windows.FindWindow(std::string("AOL Frame25"), std::nullopt);
}

Hwnd FindAolMdiClient(WindowSystem& windows) {
  const Hwnd main = FindAolMainWindow(windows);
  if (main == 0) return 0;
  return windows.FindWindowEx(main, 0, std::string("MDIClient"), std::nullopt);
}

Hwnd FindChatRoom(WindowSystem& windows) {
  const Hwnd mdi = FindAolMdiClient(windows);
  if (mdi == 0) return 0;
  for (Hwnd child = windows.FindWindowEx(mdi, 0, std::string(kAolChild), std::nullopt); child != 0;
       child = windows.FindWindowEx(mdi, child, std::string(kAolChild), std::nullopt)) {
    if (LooksLikeChatRoom(windows, child)) return child;
  }
  return 0;
}

Hwnd FindNthChild(WindowSystem& windows, Hwnd parent, const std::string& className, int n) {
  if (parent == 0 || n < 1) return 0;
  Hwnd child = 0;
  for (int i = 0; i < n; ++i) {
    child = windows.FindWindowEx(parent, child, className, std::nullopt);
    if (child == 0) return 0;
  }
  return child;
}

Hwnd FindChatView(WindowSystem& windows) {
  return FindNthChild(windows, FindChatRoom(windows), "RICHCNTL", 1);
}

Hwnd FindChatInput(WindowSystem& windows) {
  return FindNthChild(windows, FindChatRoom(windows), "RICHCNTL", 2);
}

namespace {

std::string VersionFromMenu(WindowSystem& windows, Hwnd main) {
  constexpr int kMenuTextChars = 100;
  const MenuHandle bar = windows.GetMenu(main);
  if (bar == 0) return {};
  const int menus = windows.GetMenuItemCount(bar);
  for (int m = 0; m < menus; ++m) {
    const MenuHandle sub = windows.GetSubMenu(bar, m);
    const int items = windows.GetMenuItemCount(sub);
    for (int i = 0; i < items; ++i) {
      const std::uint32_t id = windows.GetMenuItemID(sub, i);
      std::optional<std::string> version =
          VersionOfMenuItem(windows.GetMenuString(sub, id, kMenuTextChars));
      if (version) return *std::move(version);
    }
  }
  return {};
}

}  // namespace

std::optional<std::string> VersionOfMenuItem(std::string_view text) {
  // The search text lacks the leading "W", so an accelerator mark before it does not matter.
  static constexpr std::string_view kMarker = "hat's new in aol";
  const std::string lower = LowerAnsi(text);
  const std::size_t at = lower.find(kMarker);
  if (at == std::string::npos) return std::nullopt;
  // The digit follows the marker and one blank.
  const std::size_t digit = at + kMarker.size() + 1;
  return digit < lower.size() ? lower.substr(digit, 1) : std::string();
}

std::string MajorOfFileVersion(const std::string& fileVersion) {
  std::size_t digits = 0;
  while (digits < fileVersion.size() && fileVersion[digits] >= '0' && fileVersion[digits] <= '9') {
    ++digits;
  }
  if (digits == 0 || (digits < fileVersion.size() && fileVersion[digits] != '.')) return {};
  const std::string major = fileVersion.substr(0, digits);
  return LeadingNumber(major) > 0 ? std::to_string(LeadingNumber(major)) : std::string();
}

std::string AolVersion(WindowSystem& windows) {
  const Hwnd main = FindAolMainWindow(windows);
  if (main == 0) return {};
  std::string version = VersionFromMenu(windows, main);
  if (!version.empty()) return version;
  return MajorOfFileVersion(windows.ProgramFileVersion(main));
}

int AolVersionNumber(WindowSystem& windows) {
  return static_cast<int>(LeadingNumber(AolVersion(windows)));
}

Hwnd FindAolStatusWindow(WindowSystem& windows) {
  const Hwnd mdi = FindAolMdiClient(windows);
  if (mdi == 0) return 0;
  // Only the first two MDI children are looked at.
  const Hwnd first = windows.FindWindowEx(mdi, 0, std::string(kAolChild), std::nullopt);
  if (first == 0) return 0;
  if (CaptionHoldsStatus(windows, first)) return first;
  const Hwnd second = windows.FindWindowEx(mdi, first, std::string(kAolChild), std::nullopt);
  if (second != 0 && CaptionHoldsStatus(windows, second)) return second;
  return 0;
}

}  // namespace drelm
