#include <functional>

#include "aol/client_windows.h"
#include "aol/window_lookup.h"
#include "program_fixture.h"

namespace drelm::testing {
namespace {

class AolTweakCommandsTest : public ProgramTest {
 protected:
  void Run(const std::string& item) {
    ASSERT_TRUE(program->frmOptions.Click(program->frmOptions.Item(item).commandId)) << item;
    sim.loop.RunFor(500);
  }
  Hwnd UploadWindow() {
    return sim.windows.FindWindow(std::string("_AOL_Modal"), std::string("File Transfer - 0%"));
  }
};

const char* const kAllCommands[][2] = {
    {"cmdAOLWait", "killed wait"},
    {"cmdAOLGlyph", "killed glyph"},
    {"cmdAOLModal", "killed modal"},
    {"cmdIMSoff", "im's off"},
    {"cmdIMSon", "im's on"},
    {"cmdGhostOn", "ghost on"},
    {"cmdGhostOff", "ghost off"},
    {"cmdHIDEAOL", "aol hidden"},
    {"cmdSHOWAOL", "aol unhidden"},
    {"cmdHideWelcome", "welcome hidden"},
    {"cmdShowWelcome", "welcome unhidden"},
    {"cmdAolPlusHide", "aol plus hidden"},
    {"cmdAolPlusShow", "aol plus unhidden"},
    {"cmdUpchatOn", "upchat on"},
    {"cmdUpchatOff", "upchat off"},
};

TEST_F(AolTweakCommandsTest, EveryCommandByItsIdActsOnTheClientAndLogsItsMessage) {
  StoreReturningUser();
  OpenAolWithChatRoom(6);
  StartProgram();
  aol->ShowAolPlus();
  aol->ShowFileNotFound();
  aol->StartUpload("song.mp3");
  WindowSystem& ws = sim.windows;
  const std::map<std::string, std::function<bool()>> effects = {
      {"cmdAOLWait", [&] { return aol->Seen().escapes == 1; }},
      {"cmdAOLGlyph", [&] { return FindToolbarGlyph(ws) == 0; }},
      {"cmdAOLModal",
       [&] {
         return ws.FindWindow(std::string("_AOL_Modal"), std::string("File Transfer")) == 0 &&
                UploadWindow() != 0;
       }},
      {"cmdIMSoff", [&] { return !aol->ImsOn(); }},
      {"cmdIMSon", [&] { return aol->ImsOn(); }},
      {"cmdGhostOn", [&] { return aol->Privacy() == "invisible"; }},
      {"cmdGhostOff", [&] { return aol->Privacy() == "visible"; }},
      {"cmdHIDEAOL", [&] { return !ws.IsWindowVisible(FindAolMainWindow(ws)); }},
      {"cmdSHOWAOL", [&] { return ws.IsWindowVisible(FindAolMainWindow(ws)); }},
      {"cmdHideWelcome", [&] { return !ws.IsWindowVisible(FindWelcomeWindow(ws)); }},
      {"cmdShowWelcome", [&] { return ws.IsWindowVisible(FindWelcomeWindow(ws)); }},
      {"cmdAolPlusHide", [&] { return !ws.IsWindowVisible(FindAolPlusWindow(ws)); }},
      {"cmdAolPlusShow", [&] { return ws.IsWindowVisible(FindAolPlusWindow(ws)); }},
      {"cmdUpchatOn", [&] { return ws.ShowState(UploadWindow()) == SW_SHOWMINIMIZED; }},
      {"cmdUpchatOff", [&] { return ws.ShowState(UploadWindow()) == SW_SHOWNORMAL; }},
  };
  for (const auto& [item, message] : kAllCommands) {
    Run(item);
    EXPECT_TRUE(effects.at(item)()) << item;
    EXPECT_EQ(LogMessages().back(), message);
  }
}

TEST_F(AolTweakCommandsTest, WithoutTheClientEveryCommandStillLogsAndNoneWaits) {
  StoreReturningUser();
  StartProgram();
  const std::uint64_t start = sim.clock.MonotonicMs();
  for (const auto& [item, message] : kAllCommands) {
    ASSERT_TRUE(program->frmOptions.Click(program->frmOptions.Item(item).commandId));
    EXPECT_EQ(LogMessages().back(), message);
  }
  EXPECT_EQ(sim.clock.MonotonicMs(), start);
}

TEST_F(AolTweakCommandsTest, TheTrayMenuRunsThem) {
  StoreReturningUser();
  OpenAolWithChatRoom(7);
  StartProgram();
  const MenuCommandId ghostOn = program->frmOptions.Item("cmdGhostOn").commandId;
  sim.user.ExpectPopupMenu([ghostOn](const std::vector<PopupMenuItem>&) { return ghostOn; });
  program->frmOptions.Form_MouseMove(kTrayRightButtonUp);
  EXPECT_EQ(aol->Privacy(), "invisible");
  EXPECT_EQ(LogMessages().back(), "ghost on");
}

}  // namespace
}  // namespace drelm::testing
