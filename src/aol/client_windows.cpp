#include "aol/client_windows.h"

#include "aol/control_text.h"
#include "aol/window_lookup.h"

namespace drelm {

namespace {

const std::string kAolChild = "AOL Child";

}  // namespace

Hwnd FindMdiChild(WindowSystem& windows, const std::function<bool(const std::string&)>& test) {
  const Hwnd mdi = FindAolMdiClient(windows);
  if (mdi == 0) return 0;
  for (Hwnd child = windows.FindWindowEx(mdi, 0, kAolChild, std::nullopt); child != 0;
       child = windows.FindWindowEx(mdi, child, kAolChild, std::nullopt)) {
    if (test(GetCaption(windows, child))) return child;
  }
  return 0;
}

Hwnd FindMdiChildCaptioned(WindowSystem& windows, const std::string& caption) {
  const Hwnd mdi = FindAolMdiClient(windows);
  if (mdi == 0) return 0;
  return windows.FindWindowEx(mdi, 0, kAolChild, caption);
}

Hwnd FindBuddyListWindow(WindowSystem& windows) {
  return FindMdiChild(windows, [](const std::string& caption) {
    return caption.find("Buddy Lists") != std::string::npos;
  });
}

Hwnd FindWelcomeWindow(WindowSystem& windows) {
  return FindMdiChild(windows,
                      [](const std::string& caption) { return caption.starts_with("Welcome, "); });
}

std::string CurrentScreenName(WindowSystem& windows) {
  return ScreenNameOfWelcomeCaption(GetCaption(windows, FindWelcomeWindow(windows)));
}

std::string ScreenNameOfWelcomeCaption(const std::string& caption) {
  static constexpr std::size_t kNameStarts = 9;  // after "Welcome, "
  const std::size_t bang = caption.find('!');
  if (bang == std::string::npos || bang < kNameStarts) return {};
  return caption.substr(kNameStarts, bang - kNameStarts);
}

Hwnd FindAolPlusWindow(WindowSystem& windows) {
  return FindMdiChildCaptioned(windows, " AOL Plus");
}

Hwnd FindAolToolbar(WindowSystem& windows) {
  const Hwnd outer = FindNthChild(windows, FindAolMainWindow(windows), "AOL Toolbar", 1);
  return FindNthChild(windows, outer, "_AOL_Toolbar", 1);
}

Hwnd FindToolbarGlyph(WindowSystem& windows) {
  return FindNthChild(windows, FindAolToolbar(windows), "_aol_glyph", 1);
}

bool BelongsToAolClient(WindowSystem& windows, Hwnd window) {
  if (window == 0) return false;
  const ProcessId client = windows.WindowProcessId(FindAolMainWindow(windows));
  return client != 0 && windows.WindowProcessId(window) == client;
}

std::vector<Hwnd> AolMessageBoxes(WindowSystem& windows) {
  std::vector<Hwnd> boxes;
  const std::string boxClass = "#32770";
  const std::string title = "America Online";
  for (Hwnd box = windows.FindWindowEx(0, 0, boxClass, title); box != 0;
       box = windows.FindWindowEx(0, box, boxClass, title)) {
    if (BelongsToAolClient(windows, box)) boxes.push_back(box);
  }
  return boxes;
}

}  // namespace drelm
