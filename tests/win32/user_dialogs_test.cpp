// The real dialogs answer as the program expects: empty on Cancel, the command picked from a
// pop-up menu (0 when dismissed). Each case drives the open dialog from a timer, which also shows
// that timers keep running inside modal loops.
#include <gtest/gtest.h>

#include <functional>

#include "platform/win32/win32_api.h"
#include "platform/win32/win32_event_loop.h"
#include "platform/win32/win32_user.h"

namespace drelm::contract {
namespace {

const std::string kTitle = "drelm idle by quoSt n' vrin";
// Ticks of 50 ms before a driver gives up and closes whatever is open, so a dialog that cannot
// be found fails the test instead of hanging it.
constexpr int kDriverTicks = 100;

struct WindowSearch {
  const char* className;
  HWND found;
};

// A named CALLBACK, not a lambda: 32-bit Windows wants the stdcall convention here.
BOOL CALLBACK MatchVisibleOfClass(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpiA(name, search->className) == 0 && IsWindowVisible(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindOwnWindow(const char* className) {
  WindowSearch search{className, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), MatchVisibleOfClass, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string TextOf(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// Runs act on the open window of this class, once, from a timer; a window that never shows up
// is cancelled after kDriverTicks so the modal call returns.
class ModalDriver {
 public:
  ModalDriver(const char* className, std::function<void(HWND)> act)
      : className_(className), act_(std::move(act)) {
    loop_.AddTimer(50, [this] { Tick(); });
  }
  bool Acted() const { return acted_; }

 private:
  void Tick() {
    if (acted_ || gaveUp_) return;
    if (HWND window = FindOwnWindow(className_)) {
      acted_ = true;
      act_(window);
    } else if (++ticks_ > kDriverTicks) {
      gaveUp_ = true;
      EndMenu();
      if (HWND dialog = FindOwnWindow("#32770")) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }
  }

  const char* className_;
  std::function<void(HWND)> act_;
  win32::Win32EventLoop loop_;
  bool acted_ = false;
  bool gaveUp_ = false;
  int ticks_ = 0;
};

TEST(Win32User, InputBoxCancelledOrClosedAnswersEmpty) {
  for (const UINT closing : {static_cast<UINT>(WM_COMMAND), static_cast<UINT>(WM_CLOSE)}) {
    win32::Win32User user;
    ModalDriver driver("#32770", [&](HWND dialog) {
      SetDlgItemTextA(dialog, win32::kInputBoxEditId, "typed, then thought better of it");
      PostMessageA(dialog, closing, closing == WM_COMMAND ? IDCANCEL : 0, 0);
    });
    EXPECT_EQ(user.InputBox("reason?", kTitle, "no reason"), "");
    EXPECT_TRUE(driver.Acted());
  }
}

PopupMenuItem Item(std::string caption, std::uint32_t id) {
  PopupMenuItem item;
  item.caption = std::move(caption);
  item.commandId = id;
  return item;
}

std::vector<PopupMenuItem> OptionsMenu() {
  PopupMenuItem second = Item("&second", 12);
  second.checked = true;
  PopupMenuItem hidden = Item("&hidden", 13);
  hidden.visible = false;
  PopupMenuItem more = Item("&more", 0);
  more.children = {Item("&inner", 14)};
  PopupMenuItem off = Item("o&ff", 15);
  off.enabled = false;
  return {Item("&first", 11), Item("-", 0), second, hidden, more, off};
}

TEST(Win32User, PopupMenuShowsItemsAsDescribedAndReturnsThePickedCommandOrZero) {
  win32::Win32User user;
  int count = -1;
  UINT secondState = 0, offState = 0;
  int hiddenLength = -1;
  {
    ModalDriver driver("#32768", [&](HWND menuWindow) {
      constexpr UINT kGetMenuHandle = 0x01E1;  // MN_GETHMENU
      HMENU menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, kGetMenuHandle, 0, 0));
      count = GetMenuItemCount(menu);
      secondState = GetMenuState(menu, 12, MF_BYCOMMAND);
      offState = GetMenuState(menu, 15, MF_BYCOMMAND);
      char text[32] = {};
      hiddenLength = GetMenuStringA(menu, 13, text, sizeof text, MF_BYCOMMAND);
      PostMessageA(menuWindow, WM_CHAR, 's', 0);
    });
    EXPECT_EQ(user.PopupMenu(OptionsMenu(), Point{200, 200}), 12u);
    EXPECT_TRUE(driver.Acted());
  }  // the first driver is gone before the second one starts
  EXPECT_EQ(count, 5) << "first, separator, second, more, off; the hidden item is left out";
  EXPECT_TRUE(secondState & MF_CHECKED);
  EXPECT_TRUE(offState & MF_GRAYED);
  EXPECT_EQ(hiddenLength, 0);

  ModalDriver dismiss("#32768",
                      [](HWND menuWindow) { PostMessageA(menuWindow, WM_KEYDOWN, VK_ESCAPE, 0); });
  EXPECT_EQ(user.PopupMenu(OptionsMenu(), Point{200, 200}), 0u) << "dismissed";
  EXPECT_TRUE(dismiss.Acted());
}

TEST(Win32User, OpenFileDialogCancelledAnswersEmpty) {
  win32::Win32User user;
  std::string title;
  ModalDriver driver("#32770", [&](HWND dialog) {
    title = TextOf(dialog);
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  });
  EXPECT_EQ(user.OpenFileDialog("find aol.exe", "Programs|*.exe|All files|*.*"), "");
  EXPECT_TRUE(driver.Acted());
  EXPECT_EQ(title, "find aol.exe");
}

}  // namespace
}  // namespace drelm::contract
