// The main window after the start: its click areas, the system tray, the about and greetings
// windows, and the exit sequence that ends the program in the middle of whatever it was doing.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "idle/idle_time_text.h"
#include "program_fixture.h"

namespace drelm::testing {
namespace {

using ::testing::ElementsAre;

class MainWindowTest : public ProgramTest {
 protected:
  void SetUp() override {
    std::ofstream(folder.path() / kClickSoundFileName, std::ios::binary) << "RIFF";
    StoreReturningUser();
  }

  // The chooser of a pop-up menu that picks the top-level item with this caption.
  static sim::ScriptedUser::PopupChooser Pick(std::string caption) {
    return [caption](const std::vector<PopupMenuItem>& items) -> std::uint32_t {
      for (const auto& item : items) {
        if (item.caption == caption) return item.commandId;
      }
      return 0;
    };
  }
};

// A second click while the exit still pauses must not post the departure again.
TEST_F(MainWindowTest, ExitAnnouncesTheStoredIdleTimeOnceLogsAndEndsTheProgram) {
  Store("idler", "days", "0");
  Store("idler", "hours", "2");
  Store("idler", "min", "15");
  OpenAolWithChatRoom(6);
  StartProgram();
  ForgetRoomLines();
  sim.loop.ScheduleOnce(300, [this] { program->frmMain.lblExit_Click(); });
  program->frmMain.lblExit_Click();

  const std::vector<std::string> roomLines = RoomLines();
  ASSERT_EQ(roomLines.size(), 2u);
  EXPECT_NE(roomLines[0].find("drelm idle [1.1] by quoSt n' vrin"), std::string::npos);
  EXPECT_EQ(roomLines[1], DefaultStyled("unload: <font color=##336699>user<font color=##999999> "
                                        "has idled: <font color=##336699>0d 2h 15m<font "
                                        "color=##999999>"));
  EXPECT_EQ(program->frmMain.lblStatus.caption, "closing drelm");
  EXPECT_THAT(LogMessages(),
              ElementsAre("drelm - version one loaded.", "drelm - version one unloaded"));
  EXPECT_TRUE(program->Ended() && sim.loop.QuitRequested());
  EXPECT_FALSE(program->frmMain.visible || program->frmMain.Timer2.Enabled() ||
               program->frmMain.Timer4.Enabled());
}

TEST_F(MainWindowTest, ExitWithoutTheClientKeepsTheLongestUptimeAsTheRecordAndLogs) {
  std::ptrdiff_t exits = 0;
  for (const char* record : {"14400", "7200", ""}) {  // three hours up: only the first is longer
    SCOPED_TRACE(record);
    sim::Simulator s;
    SettingsStore store(s.registry);
    store.Write(setting::kHandle, "user");
    store.Write(setting::kOss, "true");
    if (*record) store.Write(setting::kCount, record);
    Program p(s.MakePlatform(folder.path()));
    p.Start();
    s.clock.SetUptimeMs(3 * 3600 * 1000ULL);
    p.frmMain.lblExit_Click();
    EXPECT_EQ(store.Read(setting::kCount),
              exits == 0 ? "14400" : std::to_string(UptimeSeconds(s.clock)));
    const std::vector<std::string> logged = LogMessages();
    EXPECT_EQ(std::count(logged.begin(), logged.end(), "drelm - version one unloaded"), ++exits);
  }
}

TEST_F(MainWindowTest, ExitDuringAStartUpPauseUnwindsTheStartUpAtOnce) {
  Store("settings", "handle", "");  // a first start: two pauses before the defaults
  sim.loop.ScheduleOnce(1200, [this] { program->frmMain.lblExit_Click(); });
  StartProgram();
  EXPECT_TRUE(program->Ended());
  EXPECT_THAT(LogMessages(), ElementsAre("drelm - version one unloaded"));
  EXPECT_EQ(Stored("stats", "loads"), "0") << "the start-up must not go on after the end";
  EXPECT_EQ(Stored("settings", "handle"), "");
}

TEST_F(MainWindowTest, SystemTrayHidesTheWindowBehindOneIconRestoresItAndExitTakesItAway) {
  StartProgram();
  program->frmMain.Label4_Click();
  EXPECT_FALSE(program->frmMain.visible);
  EXPECT_TRUE(sim.shell.TrayPresent());
  EXPECT_EQ(sim.shell.TrayTip(), "drelm idle");

  program->frmOptions.Click("cmdWinSysTray");
  EXPECT_TRUE(sim.shell.TrayPresent());
  EXPECT_EQ(sim.shell.TrayAdds(), 2);

  // Only the right button's release over the icon opens the menu.
  for (std::uint32_t message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, 0x0203u, 0x0204u}) {
    program->frmOptions.Form_MouseMove(message);
  }
  sim.user.ExpectPopupMenu(Pick("restore"));
  program->frmOptions.Form_MouseMove(WM_RBUTTONUP);
  ASSERT_EQ(sim.user.Seen().size(), 1u);

  program->frmOptions.Click("mnuRestoreWinSysTray");
  EXPECT_TRUE(program->frmMain.visible);
  EXPECT_FALSE(sim.shell.TrayPresent());

  // An exit from the tray leaves no icon behind.
  program->frmMain.Label4_Click();
  program->frmOptions.Click("cmdExit");
  EXPECT_TRUE(program->Ended());
  EXPECT_FALSE(sim.shell.TrayPresent());
}

}  // namespace
}  // namespace drelm::testing
