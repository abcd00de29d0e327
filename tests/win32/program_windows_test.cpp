// The program's real windows in this process: a view that follows the model without polling, a
// press and release on the labels, and the ways the program ends (labels found and clicked by
// automation, the tray and menu commands are the end-to-end tests'). Settings live in
// memory and prompts are scripted, so nothing here touches the user's registry or waits for a
// person.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/settings_catalogue.h"
#include "core/settings_store.h"
#include "platform/sim/memory_registry.h"
#include "platform/sim/scripted_user.h"
#include "platform/win32/win32_api.h"
#include "support/file_text.h"
#include "support/temp_folder.h"
#include "ui/win32/win32_program_host.h"

namespace drelm::contract {
namespace {

using win32::view::HostReplacements;
using win32::view::ProgramHost;

std::string Text(HWND window) {
  char buffer[512] = {};
  SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  return buffer;
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

}  // namespace
}  // namespace drelm::contract
