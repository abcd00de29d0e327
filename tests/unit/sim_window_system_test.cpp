#include "platform/sim/sim_window_system.h"

#include <gtest/gtest.h>

#include "platform/sim/simulator.h"
#include "platform/winuser_constants.h"
#include "support/message_checks.h"

namespace drelm {
namespace {

using sim::Via;

class SimWindows : public ::testing::Test {
 protected:
  sim::Simulator sim;
  sim::SimWindowSystem& ws = sim.windows;
};

TEST_F(SimWindows, ChildrenKeepCreationOrderNewTopLevelWindowsGoOnTopAndFindIgnoresCase) {
  const Hwnd a = ws.CreateWindow("Top", "America Online");
  const Hwnd b = ws.CreateWindow("Top", "b");
  EXPECT_EQ(ws.Children(0), (std::vector<Hwnd>{b, a}));
  EXPECT_EQ(ws.FindWindow(std::string("top"), std::string("AMERICA ONLINE")), a);
  EXPECT_EQ(ws.FindWindow(std::nullopt, std::string("America")), 0u);
  const Hwnd c1 = ws.CreateWindow("Kid", "", a);
  const Hwnd c2 = ws.CreateWindow("Kid", "", a);
  EXPECT_EQ(ws.Children(a), (std::vector<Hwnd>{c1, c2}));
  ws.BringToTop(c2);
  EXPECT_EQ(ws.FindWindowEx(a, 0, std::string("kid"), std::nullopt), c2);
  EXPECT_EQ(ws.FindWindowEx(a, c2, std::string("KID"), std::nullopt), c1);
  EXPECT_EQ(ws.FindWindowEx(a, c1, std::string("Kid"), std::nullopt), 0u);
  // A walk resumed after its window moved goes on from where the window is now.
  ws.BringToTop(c1);
  EXPECT_EQ(ws.FindWindowEx(a, c2, std::nullopt, std::nullopt), 0u);
  EXPECT_EQ(ws.FindWindowEx(a, c1, std::nullopt, std::nullopt), c2);
  EXPECT_FALSE(ws.IsWindow(c1 + 1)) << "a handle between two windows is none";
}

TEST_F(SimWindows, SendRunsTheHandlerAtOncePostWaitsForThePumpAndCloseTakesTheChildren) {
  std::vector<std::uint32_t> seen;
  const Hwnd w = ws.CreateWindow("X", "", 0, [&](Hwnd, const sim::SimMessage& m) {
    seen.push_back(m.msg);
    return std::optional<LResult>(42);
  });
  const Hwnd child = ws.CreateWindow("C", "", w, [&](Hwnd, const sim::SimMessage& m) {
    seen.push_back(m.msg);
    return std::optional<LResult>();
  });
  EXPECT_EQ(ws.SendMessage(w, WM_USER, 1, 2), 42);
  EXPECT_TRUE(ws.PostMessage(w, WM_USER + 1, 0, 0));
  EXPECT_EQ(seen, (std::vector<std::uint32_t>{WM_USER}));
  sim.loop.PumpPending();
  EXPECT_EQ(seen, (std::vector<std::uint32_t>{WM_USER, WM_USER + 1}));
  EXPECT_MESSAGES(ws.Log(), {{w, WM_USER, 1, 2, Via::kSent}, {w, WM_USER + 1, 0, 0, Via::kPosted}});

  ws.PostMessage(child, WM_USER, 0, 0);
  ws.SetHandler(w, {});
  ws.SendMessage(w, WM_CLOSE, 0, 0);
  EXPECT_FALSE(ws.IsWindow(w));
  EXPECT_FALSE(ws.IsWindow(child));
  EXPECT_EQ(seen.back(), WM_DESTROY) << "the child is told, its posted message dropped";
  EXPECT_FALSE(ws.HasPosted());
  EXPECT_EQ(ws.SendMessage(child, WM_GETTEXTLENGTH, 0, 0), 0);
}

TEST_F(SimWindows, TextListBoxAndCheckBoxAnswerLikeUser32) {
  const Hwnd edit = ws.CreateWindow("Edit", "hello");
  LResult copied = 0;
  EXPECT_EQ(ws.SendBufferMessage(edit, WM_GETTEXT, 3, 3, &copied), "he");
  EXPECT_EQ(copied, 2);
  EXPECT_EQ(ws.GetWindowText(edit, 1), "");
  ws.SendTextMessage(edit, WM_SETTEXT, 0, std::string("a\0b", 3));
  EXPECT_EQ(ws.GetWindowTextLength(edit), 3);

  const Hwnd list = ws.CreateWindow("_AOL_Listbox", "");
  EXPECT_EQ(ws.SendTextMessage(list, LB_ADDSTRING, 0, "one"), 0);
  EXPECT_EQ(ws.SendTextMessage(list, LB_ADDSTRING, 0, "three"), 1);
  EXPECT_EQ(ws.SendTextMessage(list, LB_INSERTSTRING, 1, "two"), 1);
  EXPECT_EQ(ws.SendMessage(list, LB_GETTEXTLEN, 2, 0), 5);
  EXPECT_EQ(ws.SendMessage(list, LB_GETTEXTLEN, 3, 0), LB_ERR);
  EXPECT_EQ(ws.SendBufferMessage(list, LB_GETTEXT, 1, 4), "two");
  EXPECT_EQ(ws.SendMessage(list, LB_GETCURSEL, 0, 0), LB_ERR);
  EXPECT_EQ(ws.SendMessage(list, LB_SETCURSEL, 2, 0), 2);
  EXPECT_EQ(ws.SendMessage(list, LB_DELETESTRING, 0, 0), 2);

  const Hwnd box = ws.CreateWindow("_AOL_Checkbox", "");
  ws.PostMessage(box, WM_LBUTTONDOWN, 0, 0);
  ws.PostMessage(box, WM_LBUTTONUP, 0, 0);
  sim.loop.PumpPending();
  EXPECT_EQ(ws.SendMessage(box, BM_GETCHECK, 0, 0), BST_CHECKED);
  ws.SendMessage(box, WM_LBUTTONUP, 0, 0);  // an up without a down is no click
  EXPECT_EQ(ws.SendMessage(box, BM_GETCHECK, 0, 0), BST_CHECKED);
  ws.SendMessage(box, BM_SETCHECK, BST_UNCHECKED, 0);
  EXPECT_EQ(ws.SendMessage(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(SimWindows, ShowStateAndVisibilityFollowShowWindow) {
  const Hwnd top = ws.CreateWindow("Top", "");
  const Hwnd child = ws.CreateWindow("C", "", top);
  EXPECT_TRUE(ws.IsWindowVisible(child));
  ws.ShowWindow(top, SW_HIDE);
  EXPECT_FALSE(ws.IsWindowVisible(child)) << "a child of a hidden window is not visible";
  EXPECT_FALSE(ws.ShowWindow(top, SW_MINIMIZE));
  EXPECT_EQ(ws.ShowState(top), SW_SHOWMINIMIZED);
  EXPECT_TRUE(ws.IsWindowVisible(child)) << "a minimised window is shown, as an icon";
  ws.ShowWindow(top, SW_SHOW);
  EXPECT_EQ(ws.ShowState(top), SW_SHOWMINIMIZED) << "SW_SHOW keeps the state";
  ws.ShowWindow(top, SW_RESTORE);
  EXPECT_EQ(ws.ShowState(top), SW_SHOWNORMAL);
}

TEST_F(SimWindows, MenusAnswerLikeUser32) {
  const MenuHandle bar = ws.CreateMenu();
  const MenuHandle help = ws.CreateMenu();
  ws.AppendMenuItem(help, "&About", 7);
  ws.AppendMenuItem(bar, "&Help", 0, help);
  EXPECT_EQ(ws.GetMenuItemID(bar, 0), 0xFFFFFFFFu) << "a submenu item has no command id";
  EXPECT_EQ(ws.GetSubMenu(bar, 0), help);
  EXPECT_EQ(ws.GetMenuString(bar, 7, 4), "&Ab") << "by command, submenus are searched too";
  EXPECT_EQ(ws.GetMenuItemCount(0), -1);
  EXPECT_EQ(ws.GetSubMenu(bar, 5), 0u);
}

}  // namespace
}  // namespace drelm
