// The program's real windows in this process: labels that automation can find by caption and
// click by posted mouse messages, a view that follows the model without polling, the tray icon
// on the options window, menu commands by id, and the ways the program ends. Settings live in
// memory and prompts are scripted, so nothing here touches the user's registry or waits for a
// person.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "core/settings_catalogue.h"
#include "core/settings_store.h"
#include "platform/sim/memory_registry.h"
#include "platform/sim/scripted_user.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_tick.h"
#include "support/file_text.h"
#include "support/temp_folder.h"
#include "ui/win32/win32_program_host.h"

namespace drelm::contract {
namespace {

using win32::view::HostReplacements;
using win32::view::ProgramHost;

constexpr std::uint64_t kStartUpMs = 5000;
constexpr std::uint64_t kExitMs = 6000;

std::string Text(HWND window) {
  char buffer[512] = {};
  SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  return buffer;
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

class ProgramWindows : public ::testing::Test {
 protected:
  ProgramWindows() {
    // A user who started before: no first-start question, no defaults to write.
    SettingsStore store(registry);
    store.Write(setting::kOss, "false");
    store.Write(setting::kHandle, "tester");
    host =
        std::make_unique<ProgramHost>(folder.path().string(), HostReplacements{&registry, &user});
  }

  void TearDown() override {
    EXPECT_EQ(user.PendingExpectations(), 0u) << "a scripted prompt never came";
  }

  // The start-up, and the first wait after it, as the program's own loop does it.
  void StartUp() {
    host->program().Start();
    host->loop().PumpPending();
    ASSERT_TRUE(IsWindowVisible(Main()));
  }

  Program& program() { return host->program(); }
  HWND Main() { return host->mainWindow().Window(); }
  HWND Options() { return host->optionsWindow().Window(); }
  HWND Label(int id) { return GetDlgItem(Main(), id); }
  WPARAM CommandId(std::string_view item) { return program().frmOptions.Item(item).commandId; }

  // Lets the program run until the condition holds, at most ms.
  bool RunUntil(const std::function<bool()>& condition, std::uint64_t ms) {
    const std::uint64_t deadline = drelm::win32::TickCount64() + ms;
    while (!condition()) {
      const std::uint64_t now = drelm::win32::TickCount64();
      if (now >= deadline) return false;
      host->loop().WaitForEvents(std::min(deadline, now + 50));
    }
    return true;
  }

  void Press(HWND control, LPARAM at = MAKELPARAM(2, 2)) {
    PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
  }
  void Release(HWND control, LPARAM at = MAKELPARAM(2, 2)) {
    PostMessageA(control, WM_LBUTTONUP, 0, at);
  }
  void Click(HWND control) {
    Press(control);
    Release(control);
    host->loop().PumpPending();
  }

  std::string Log() { return testing::FileText(folder.path() / "log.txt"); }

  testing::TempFolder folder;
  sim::MemoryRegistry registry;
  sim::ScriptedUser user;
  std::unique_ptr<ProgramHost> host;
};

TEST_F(ProgramWindows, EveryLabelIsAStaticChildThatAutomationFindsByItsCaption) {
  StartUp();
  EXPECT_EQ(ClassOf(Main()), "DrelmIdleMain");
  EXPECT_EQ(Text(Main()), "drelm idle");
  EXPECT_EQ(FindWindowA("DrelmIdleMain", "drelm idle"), Main());
  EXPECT_EQ(FindWindowA("DrelmIdleOptions", "drelm idle options"), Options());
  EXPECT_FALSE(IsWindowVisible(Options()));
  EXPECT_NE(GetWindowLongA(Main(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0)
      << "the start-up puts it on top";

  const struct {
    int id;
    const char* caption;
  } labels[] = {{202, "x"},          {203, "-"},   {204, "start"}, {205, ""},    {206, ""},
                {207, "drelm idle"}, {208, "0/m"}, {209, "0/h"},   {210, "0/d"}, {211, "menu"}};
  int children = 0;
  for (HWND child = GetWindow(Main(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    EXPECT_EQ(ClassOf(child), "Static");
    EXPECT_NE(GetWindowLongA(child, GWL_STYLE) & SS_NOTIFY, 0) << "a label must take the mouse";
    ++children;
  }
  EXPECT_EQ(children, 11);
  for (const auto& label : labels) {
    ASSERT_NE(Label(label.id), nullptr) << label.id;
    EXPECT_EQ(Text(Label(label.id)), label.caption) << label.id;
    if (*label.caption) {
      EXPECT_EQ(FindWindowExA(Main(), nullptr, "Static", label.caption), Label(label.id));
    }
  }
  // The status line ends the start-up on "loading settings", or on "idle" beside an AOL client.
  EXPECT_EQ(Text(Label(201)), program().frmMain.lblStatus.caption);
  EXPECT_EQ(FindWindowExA(Main(), nullptr, "Static", Text(Label(201)).c_str()), Label(201));
  EXPECT_GT(reinterpret_cast<std::uintptr_t>(GetPropA(Main(), "DrelmIdleShownAfterMs")), 0u)
      << "the start figure is there for measuring";
}

TEST_F(ProgramWindows, ModelChangesShowWhenTheProgramNextWaitsOrATimerTickEnds) {
  StartUp();
  const std::string before = Text(Label(201));
  program().frmMain.lblStatus.caption = "away \xB7 back soon";
  program().frmMain.lblMins.visible = false;
  EXPECT_EQ(Text(Label(201)), before) << "nothing is drawn behind the program's back";
  host->loop().PumpPending();
  EXPECT_EQ(Text(Label(201)), "away \xB7 back soon");
  EXPECT_FALSE(IsWindowVisible(Label(208)));

  // A tick's change shows as soon as the tick ends, even where no wait of ours follows (inside
  // a dialog's own loop, for example).
  bool ticked = false;
  const TimerId timer = host->loop().AddTimer(10, [&] {
    program().frmMain.lblHours.caption = "3/h";
    ticked = true;
  });
  MSG msg{};
  while (!ticked && GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  host->loop().RemoveTimer(timer);
  EXPECT_EQ(Text(Label(209)), "3/h");
}

TEST_F(ProgramWindows, PressAndReleaseOnTheBarMinimisesButAPressEndingElsewhereIsNoClick) {
  StartUp();
  Press(Label(205));
  Release(Label(211));  // on "menu": no menu either (an unexpected one would fail the test)
  host->loop().PumpPending();
  Press(Label(205));
  Release(Label(205), MAKELPARAM(-20, 300));  // slid off the label before letting go
  host->loop().PumpPending();
  EXPECT_FALSE(IsIconic(Main()));
  EXPECT_TRUE(user.Seen().empty());

  Click(Label(205));
  EXPECT_TRUE(IsIconic(Main()));
  EXPECT_EQ(program().frmMain.state, WindowState::kMinimized);
  SendMessageA(Main(), WM_SYSCOMMAND, SC_RESTORE, 0);
  host->loop().PumpPending();
  EXPECT_FALSE(IsIconic(Main()));
  EXPECT_EQ(program().frmMain.state, WindowState::kNormal)
      << "restored by the user, not re-minimised";
}

TEST_F(ProgramWindows, OnlyARightButtonReleaseOnTheTrayIconOpensTheOptionsMenuAndCommandsRunById) {
  StartUp();
  for (UINT ignored : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN}) {
    PostMessageA(Options(), WM_MOUSEMOVE, 0, ignored);
  }
  host->loop().PumpPending();
  EXPECT_TRUE(user.Seen().empty());

  std::string firstCaption;
  user.ExpectPopupMenu([&](const std::vector<PopupMenuItem>& items) -> std::uint32_t {
    firstCaption = items.empty() ? "" : items.front().caption;
    return 0;
  });
  PostMessageA(Options(), WM_MOUSEMOVE, 0, WM_RBUTTONUP);
  host->loop().PumpPending();
  EXPECT_EQ(firstCaption, "file") << "the options menu, from its first entry";

  // The options window runs a menu command by its id and ignores unknown ids.
  ASSERT_FALSE(program().frmOptions.Item("cmdKill45Min").checked);
  PostMessageA(Options(), WM_COMMAND, CommandId("cmdKill45Min"), 0);
  PostMessageA(Options(), WM_COMMAND, 64999, 0);
  host->loop().PumpPending();
  EXPECT_TRUE(program().frmOptions.Item("cmdKill45Min").checked);
  EXPECT_EQ(SettingsStore(registry).Read(setting::kKill45), "on");
  EXPECT_NE(Log().find("kill 45 min timer enabled"), std::string::npos);
}

TEST_F(ProgramWindows, TheSystemCloseCommandEndsAtOnceWithoutTheDeparture) {
  StartUp();
  PostMessageA(Main(), WM_CLOSE, 0, 0);
  host->loop().PumpPending();
  EXPECT_TRUE(host->loop().QuitRequested());
  EXPECT_EQ(host->loop().ExitCode(), 0);
  EXPECT_FALSE(IsWindowVisible(Main()));
  EXPECT_EQ(Log().find("unloaded"), std::string::npos);
}

TEST_F(ProgramWindows, EndingTheWindowsSessionKeepsTheRecordAndTheLogEntryButPostsNothing) {
  StartUp();
  EXPECT_EQ(SendMessageA(Main(), WM_QUERYENDSESSION, 0, 0), TRUE) << "log-off is never refused";
  SendMessageA(Main(), WM_ENDSESSION, FALSE, 0);  // another program refused: the session goes on
  EXPECT_FALSE(host->loop().QuitRequested());
  SendMessageA(Main(), WM_ENDSESSION, TRUE, 0);
  EXPECT_TRUE(host->loop().QuitRequested());
  EXPECT_NE(SettingsStore(registry).Read(setting::kCount), "") << "the uptime record is kept";
  EXPECT_NE(Log().find("drelm - version one unloaded"), std::string::npos);
}

TEST_F(ProgramWindows, TheAboutWindowStandsInForThePanelUntilItsFrameClosesIt) {
  StartUp();
  PostMessageA(Options(), WM_COMMAND, CommandId("cmdAbout"), 0);
  host->loop().PumpPending();
  const HWND about = FindWindowA("DrelmIdleAbout", "about drelm idle");
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(IsWindowVisible(about));
  EXPECT_FALSE(IsWindowVisible(Main()));
  EXPECT_NE(FindWindowExA(about, nullptr, "Button", "OK"), nullptr);
  EXPECT_NE(FindWindowExA(about, nullptr, "Button", "System Info..."), nullptr);

  PostMessageA(about, WM_CLOSE, 0, 0);
  host->loop().PumpPending();
  EXPECT_FALSE(IsWindowVisible(about));
  EXPECT_TRUE(IsWindowVisible(Main()));
  EXPECT_TRUE(IsWindow(about)) << "kept for the next time";
}

// The review windows: the list, one entry and back, the reasons typed in and removed, each
// through the real controls the way a user or automation reaches them.
TEST_F(ProgramWindows, ReviewWindowsHandTheScreenOnThroughTheirRealControls) {
  StartUp();
  program().frmAFKMessages.lstMsgs.items = {"|[chat]|-[1:02:03 PM]- Ann: , call me",
                                            "|[im]|-[1:02:09 PM]- carl: "};
  program().frmMain.Hide();
  program().frmAFKMessages.Show();
  host->loop().PumpPending();
  const HWND list = FindWindowA("DrelmIdleMessages", "drelm idle messages");
  const HWND one = FindWindowA("DrelmIdleMessage", "drelm idle message");
  ASSERT_NE(list, nullptr);
  ASSERT_NE(one, nullptr);
  EXPECT_TRUE(IsWindowVisible(list));
  EXPECT_FALSE(IsWindowVisible(Main()));
  EXPECT_NE(FindWindowExA(list, nullptr, "Static", "double click msg to view msg"), nullptr);
  EXPECT_EQ(FindWindowExA(list, nullptr, "Static", "drelm idle by quoSt n' vrin"),
            GetDlgItem(list, 401));
  const HWND box = GetDlgItem(list, 410);
  EXPECT_EQ(ClassOf(box), "ListBox");
  EXPECT_EQ(SendMessageA(box, LB_GETCOUNT, 0, 0), 2);

  SendMessageA(box, LB_SETCURSEL, 1, 0);
  PostMessageA(list, WM_COMMAND, MAKEWPARAM(410, LBN_DBLCLK), reinterpret_cast<LPARAM>(box));
  host->loop().PumpPending();
  EXPECT_TRUE(IsWindowVisible(one));
  EXPECT_FALSE(IsWindowVisible(list));
  EXPECT_EQ(Text(GetDlgItem(one, 430)), "|[im]|-[1:02:09 PM]- carl: ");

  Click(GetDlgItem(one, 423));
  EXPECT_TRUE(IsWindowVisible(list));
  EXPECT_FALSE(IsWindowVisible(one));
  Click(GetDlgItem(list, 403));
  EXPECT_FALSE(IsWindowVisible(list));
  EXPECT_TRUE(IsWindowVisible(Main()));
  EXPECT_EQ(SendMessageA(box, LB_GETCOUNT, 0, 0), 0);

  program().frmReasons.Show();
  host->loop().PumpPending();
  const HWND reasons = FindWindowA("DrelmIdleReasons", "drelm idle reasons");
  ASSERT_NE(reasons, nullptr);
  EXPECT_NE(GetWindowLongA(reasons, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  const HWND typed = GetDlgItem(reasons, 451);
  SendMessageA(typed, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("at lunch, back soon"));
  PostMessageA(typed, WM_CHAR, VK_RETURN, 0);
  host->loop().PumpPending();
  EXPECT_EQ(Text(typed), "");
  const HWND reasonList = GetDlgItem(reasons, 450);
  EXPECT_EQ(SendMessageA(reasonList, LB_GETCOUNT, 0, 0), 1);
  EXPECT_EQ(testing::FileText(folder.path() / "drelm-reasons.tmp"), "at lunch, back soon\r\n");
  SendMessageA(reasonList, LB_SETCURSEL, 0, 0);
  PostMessageA(reasons, WM_COMMAND, MAKEWPARAM(450, LBN_DBLCLK),
               reinterpret_cast<LPARAM>(reasonList));
  host->loop().PumpPending();
  EXPECT_EQ(SendMessageA(reasonList, LB_GETCOUNT, 0, 0), 0);
  PostMessageA(reasons, WM_CLOSE, 0, 0);
  host->loop().PumpPending();
  EXPECT_FALSE(IsWindowVisible(reasons));
}

// The tools' panels: the room box as an Edit, one of "start bust" and "stop bust" shown, "x" back
// to the main window; the download list as a ListBox.
TEST_F(ProgramWindows, ToolPanelsAreRealControlsAndCloseBackToTheMainWindow) {
  StartUp();
  program().frmOptions.Click(std::string_view("cmdRoomBuster"));
  host->loop().PumpPending();
  const HWND buster = FindWindowA("DrelmIdleBuster", "drelm idle by quoSt n' vrin");
  ASSERT_NE(buster, nullptr);
  EXPECT_TRUE(IsWindowVisible(buster));
  EXPECT_FALSE(IsWindowVisible(Main()));
  EXPECT_EQ(ClassOf(GetDlgItem(buster, 510)), "Edit");
  EXPECT_EQ(Text(GetDlgItem(buster, 510)), "twk");
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(buster, 504)));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(buster, 505)));
  EXPECT_EQ(Text(GetDlgItem(buster, 508)), "idle");
  Click(GetDlgItem(buster, 503));
  EXPECT_FALSE(IsWindowVisible(buster));
  EXPECT_TRUE(IsWindowVisible(Main()));

  program().frmOptions.Click(std::string_view("cmdRoomRunner"));
  host->loop().PumpPending();
  const HWND runner = FindWindowA("DrelmIdleRunner", nullptr);
  ASSERT_NE(runner, nullptr);
  EXPECT_TRUE(IsWindowVisible(runner));
  EXPECT_EQ(Text(GetDlgItem(runner, 524)), "start run");
  Click(GetDlgItem(runner, 523));
  EXPECT_FALSE(IsWindowVisible(runner));

  const HWND autoDL = FindWindowA("DrelmIdleAutoDL", nullptr);
  ASSERT_NE(autoDL, nullptr);
  EXPECT_EQ(ClassOf(GetDlgItem(autoDL, 550)), "ListBox");
  EXPECT_EQ(Text(GetDlgItem(autoDL, 544)), "start process");
}

}  // namespace
}  // namespace drelm::contract
