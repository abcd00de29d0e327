#include <gmock/gmock.h>

#include <functional>

#include "aol/client_windows.h"
#include "aol/window_lookup.h"
#include "program_fixture.h"
#include "standin/buddy_list.h"
#include "standin/transfers.h"

namespace drelm::testing {
namespace {

class AolTweakCommandsTest : public ProgramTest {
 protected:
  struct Command {
    const char* item;
    const char* logged;
    std::function<bool()> done;  // what the command did to the client
    std::function<void()> before = {};
  };

  bool Run(const char* item) {
    showMark = sim.windows.ShowCalls().size();
    return program->frmOptions.Click(program->frmOptions.Item(item).commandId);
  }
  std::vector<sim::SimWindowSystem::ShowCall> ShowsSinceRun() const {
    const auto& all = sim.windows.ShowCalls();
    return {all.begin() + static_cast<std::ptrdiff_t>(showMark), all.end()};
  }
  Hwnd Modal(const char* caption) {
    return sim.windows.FindWindow(std::string("_AOL_Modal"), std::string(caption));
  }
  bool Visible(Hwnd (*find)(WindowSystem&)) { return sim.windows.IsWindowVisible(find(ws)); }
  int ShowState(Hwnd window) { return ws.ShowState(window); }

  WindowSystem& ws = sim.windows;
  std::size_t showMark = 0;
  Hwnd notice = 0, uploadWindow = 0;
  const char* upload = "File Transfer - 0%";
  const std::vector<Command> commands = {
      {"cmdAOLWait", "killed wait", [this] { return aol->Seen().escapes == 1; }},
      {"cmdAOLGlyph", "killed glyph", [this] { return FindToolbarGlyph(ws) == 0; }},
      {"cmdAOLModal", "killed modal",
       [this] { return !ws.IsWindow(notice) && ws.IsWindow(uploadWindow); },
       // An upload just begun shows no percentage yet.
       [this] { sim.windows.SetText(uploadWindow, "File Transfer"); }},
      {"cmdIMSoff", "im's off", [this] { return !aol->ImsOn(); }},
      {"cmdIMSon", "im's on", [this] { return aol->ImsOn(); }},
      {"cmdGhostOn", "ghost on",
       [this] {
         return aol->Client().Buddies().SavedWho() == standin::BuddyList::kBlockAll &&
                aol->Client().Buddies().SavedScope() == standin::BuddyList::kBuddyListOnly;
       }},
      {"cmdGhostOff", "ghost off", [this] { return aol->Privacy() == "visible"; }},
      {"cmdHIDEAOL", "aol hidden", [this] { return !Visible(FindAolMainWindow); }},
      {"cmdSHOWAOL", "aol unhidden", [this] { return Visible(FindAolMainWindow); }},
      {"cmdHideWelcome", "welcome hidden", [this] { return !Visible(FindWelcomeWindow); }},
      {"cmdShowWelcome", "welcome unhidden", [this] { return Visible(FindWelcomeWindow); }},
      {"cmdAolPlusHide", "aol plus hidden", [this] { return !Visible(FindAolPlusWindow); }},
      {"cmdAolPlusShow", "aol plus unhidden", [this] { return Visible(FindAolPlusWindow); }},
      {"cmdUpchatOn", "upchat on",
       [this] {
         // Hidden before it is minimised, so it ends minimised but visible on the task bar.
         const Hwnd modal = Modal(upload), main = FindAolMainWindow(ws);
         EXPECT_THAT(ShowsSinceRun(), ::testing::ElementsAreArray<sim::SimWindowSystem::ShowCall>(
                                          {{modal, SW_HIDE},
                                           {modal, SW_MINIMIZE},
                                           {main, SW_SHOW},
                                           {main, SW_SHOWMAXIMIZED}}));
         return ws.IsWindowVisible(modal) && ShowState(modal) == SW_SHOWMINIMIZED &&
                ShowState(main) == SW_SHOWMAXIMIZED;
       },
       [this] { sim.windows.SetText(uploadWindow, upload); }},
      {"cmdUpchatOff", "upchat off", [this] { return ShowState(Modal(upload)) == SW_SHOWNORMAL; }},
  };
};

TEST_F(AolTweakCommandsTest, EveryCommandByItsIdActsOnTheClientAndLogsItsMessage) {
  StartBesideAol6Room();
  program->frmMain.Timer2.SetEnabled(false);  // the notice is for "aol modal" to close
  aol->ShowAolPlus();
  aol->ShowFileNotFound();
  aol->StartUpload("song.mp3");
  notice = aol->Client().TransferWindows().FileNotFoundNotice();
  uploadWindow = aol->Client().TransferWindows().UploadWindow();
  for (const Command& command : commands) {
    if (command.before) command.before();
    ASSERT_TRUE(Run(command.item));
    sim.loop.RunFor(500);
    EXPECT_TRUE(command.done()) << command.item;
    EXPECT_EQ(LogMessages().back(), command.logged);
  }
}

}  // namespace
}  // namespace drelm::testing
