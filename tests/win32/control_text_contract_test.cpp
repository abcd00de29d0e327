// Reading and setting texts must give the same bytes on the real window system as in the
// simulator, ANSI bytes above 0x7F included, and list box items must arrive as ANSI even though
// they are fetched as UTF-16.
#include <gtest/gtest.h>

#include "aol/control_text.h"
#include "mirrored_desktop.h"
#include "platform/winuser_constants.h"

namespace drelm::contract {
namespace {

const std::string kDecoration =
    "\x8B"
    "d"
    "\x9B";
const std::vector<std::string> kTexts = {
    "",
    "Lobby 12",
    kDecoration + "<font color=#336699>" + kDecoration + " is going idle \xB7 back soon",
    std::string(5000, 'x') + "end",
};

TEST(ControlTextContract, SetThenGetGivesTheSameBytesOnBothSides) {
  MirroredDesktop desktop;
  const int room = desktop.Add("AOL Child", "Lobby 12");
  const int view = desktop.Add("RICHCNTL", "", room);
  for (const std::string& text : kTexts) {
    SCOPED_TRACE(text.substr(0, 40));
    SetControlText(desktop.real, desktop.Real(view), text);
    SetControlText(desktop.sim, desktop.Sim(view), text);
    EXPECT_EQ(GetControlText(desktop.real, desktop.Real(view)), text);
    EXPECT_EQ(GetControlText(desktop.sim, desktop.Sim(view)), text);
    EXPECT_EQ(GetCaption(desktop.real, desktop.Real(view)), text);
    EXPECT_EQ(GetCaption(desktop.sim, desktop.Sim(view)), text);
  }
}

TEST(ControlTextContract, HandleZeroAndDestroyedWindowsReadEmptyAndCaptionsTruncateToTheBuffer) {
  MirroredDesktop desktop;
  const int frame = desktop.Add("AOL Frame25", "America  Online");
  const Hwnd gone = desktop.Real(frame);
  desktop.DestroyReal(frame);
  for (WindowSystem* windows :
       {static_cast<WindowSystem*>(&desktop.real), static_cast<WindowSystem*>(&desktop.sim)}) {
    SetControlText(*windows, 0, "lost");
    EXPECT_EQ(GetControlText(*windows, 0), "");
    EXPECT_EQ(GetCaption(*windows, 0), "");
    EXPECT_EQ(windows->SendMessage(0, WM_GETTEXTLENGTH, 0, 0), 0);
    EXPECT_FALSE(windows->PostMessage(0, WM_CLOSE, 0, 0));
  }
  EXPECT_EQ(GetControlText(desktop.real, gone), "");
  EXPECT_FALSE(desktop.real.IsWindow(gone));

  // A caption truncates to the buffer like GetWindowTextA.
  const int other = desktop.Add("AOL Frame25", "America  Online");
  EXPECT_EQ(desktop.real.GetWindowText(desktop.Real(other), 8), "America");
  EXPECT_EQ(desktop.sim.GetWindowText(desktop.Sim(other), 8), "America");
  EXPECT_EQ(desktop.real.GetWindowText(desktop.Real(other), 0), "");
  EXPECT_EQ(desktop.real.ClassName(desktop.Real(other)), "AOL Frame25");
}

struct ListAnswer {
  std::vector<std::string> items;
  std::vector<LResult> results;
  LResult outOfRange = 0;
  bool operator==(const ListAnswer&) const = default;
};

ListAnswer ReadList(WindowSystem& windows, Hwnd list) {
  ListAnswer answer;
  const LResult count = windows.SendMessage(list, LB_GETCOUNT, 0, 0);
  for (LResult i = 0; i < count; ++i) {
    const LResult length = windows.SendMessage(list, LB_GETTEXTLEN, static_cast<WParam>(i), 0);
    LResult result = 0;
    answer.items.push_back(windows.SendBufferMessage(
        list, LB_GETTEXT, static_cast<WParam>(i), static_cast<std::size_t>(length) + 1, &result));
    answer.results.push_back(result);
  }
  windows.SendBufferMessage(list, LB_GETTEXT, static_cast<WParam>(count), 64, &answer.outOfRange);
  return answer;
}

const std::vector<std::string> kItems = {
    "|[chat]|-[bob: hi", "\xB7 middle dot \xB7", kDecoration, "", "caf\xE9 \x80 5",
};

TEST(ControlTextContract, ListBoxItemsAreTheSameAnsiBytesOnBothSides) {
  MirroredDesktop desktop;
  const int list = desktop.Add("_AOL_Listbox", "", desktop.Add("AOL Child", "Lobby 12"));
  for (const std::string& item : kItems) {
    desktop.real.SendTextMessage(desktop.Real(list), LB_ADDSTRING, 0, item);
    desktop.sim.SendTextMessage(desktop.Sim(list), LB_ADDSTRING, 0, item);
  }
  const ListAnswer real = ReadList(desktop.real, desktop.Real(list));
  EXPECT_EQ(real.items, kItems);
  EXPECT_EQ(real, ReadList(desktop.sim, desktop.Sim(list)));
  EXPECT_EQ(real.outOfRange, LB_ERR);

  // An item longer than the caller's buffer is cut, not overrun.
  desktop.real.SendTextMessage(desktop.Real(list), LB_ADDSTRING, 0, "abcdefghij");
  desktop.sim.SendTextMessage(desktop.Sim(list), LB_ADDSTRING, 0, "abcdefghij");
  const WParam last = kItems.size();
  EXPECT_EQ(desktop.real.SendBufferMessage(desktop.Real(list), LB_GETTEXT, last, 4), "abc");
  EXPECT_EQ(desktop.sim.SendBufferMessage(desktop.Sim(list), LB_GETTEXT, last, 4), "abc");
}

}  // namespace
}  // namespace drelm::contract
