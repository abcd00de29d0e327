// The simulated desktop the suite runs on: windows and their messages as user32 answers them,
// the event loop on the virtual clock, and the scripted user's refusal of a prompt it was not
// told to expect. (Menus, the calendar and expected prompts are used by every scenario.)
#include <gtest/gtest.h>

#include "core/pause.h"
#include "platform/sim/scripted_user.h"
#include "platform/sim/sim_event_loop.h"
#include "platform/sim/sim_window_system.h"
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

TEST_F(SimWindows, TextAndCheckBoxAnswerLikeUser32) {
  const Hwnd edit = ws.CreateWindow("Edit", "hello");
  LResult copied = 0;
  EXPECT_EQ(ws.SendBufferMessage(edit, WM_GETTEXT, 3, 3, &copied), "he");
  EXPECT_EQ(copied, 2);
  EXPECT_EQ(ws.GetWindowText(edit, 1), "");
  ws.SendTextMessage(edit, WM_SETTEXT, 0, std::string("a\0b", 3));
  EXPECT_EQ(ws.GetWindowTextLength(edit), 3);

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

TEST_F(SimWindows, WaitsJumpToTheNextTimerOrDeadlinePostsComeFirstAndNothingRunsForEver) {
  const auto Now = [this] { return sim.clock.MonotonicMs(); };
  std::vector<std::string> order;
  const TimerId timer = sim.loop.AddTimer(60000, [&] { order.push_back("timer"); });
  const Hwnd w = ws.CreateWindow("X", "", 0, [&](Hwnd, const sim::SimMessage&) {
    order.push_back("posted");
    return std::optional<LResult>(0);
  });
  const auto start = Now();
  sim.loop.WaitForEvents(start + 3'600'000);
  EXPECT_EQ(Now() - start, 60000u);
  sim.clock.Advance(3 * 60000);  // ticks missed meanwhile collapse into one
  ws.PostMessage(w, 0x400, 0, 0);
  sim.loop.PumpPending();
  EXPECT_EQ(order, (std::vector<std::string>{"timer", "posted", "timer"}));
  sim.loop.RunFor(5 * 60000);
  EXPECT_EQ(order.size(), 8u);
  // Without anything to wake it, a wait ends at its deadline; one that could never end throws.
  sim.loop.RemoveTimer(timer);
  const auto idle = Now();
  sim.loop.WaitForEvents(idle + 250);
  EXPECT_EQ(Now() - idle, 250u);
  EXPECT_THROW(sim.loop.WaitForEvents(UINT64_MAX), sim::WaitWithoutEnd);
  // A condition waited for tells whether it came in time; endless posting is stopped.
  bool ready = false;
  sim.loop.ScheduleOnce(1500, [&] { ready = true; });
  EXPECT_FALSE(sim.loop.RunUntil([&] { return ready; }, 1000));
  EXPECT_TRUE(sim.loop.RunUntil([&] { return ready; }, 1000));
  ws.SetHandler(w, [&](Hwnd, const sim::SimMessage&) {
    ws.PostMessage(w, 0x400, 0, 0);
    return std::optional<LResult>(0);
  });
  ws.PostMessage(w, 0x400, 0, 0);
  EXPECT_THROW(sim.loop.PumpPending(), std::logic_error);
}

}  // namespace
}  // namespace drelm
