// The panel's own commands besides the toggles: not-available notices, the web sites, the AOL
// status window and exit.

#include <string>
#include <vector>

#include "options_test_fixture.h"
#include "platform/winuser_constants.h"
#include "support/aol_tree.h"

namespace drelm {
namespace {

using CommandTest = testing::OptionsTest;

TEST_F(CommandTest, NotAvailableEntriesShowAnInformationBoxAndWebSitesOpenMinimisedAndLog) {
  const std::string kFinal = "this option will be available in the final release";
  // Upload protection carries a remembered check mark, but choosing it must not flip it.
  options.Item("cmdUploadProtection").checked = true;
  sim.user.ExpectMessageBox(
      "this option is not completely working yet, it will be in next beta release", IDOK);
  options.Click(std::string_view("cmdAutoUpdater"));
  for (const char* item :
       {"cmdFileReNamer", "cmdFlashMailSorter", "cmdLogULstats", "cmdUploadProtection"}) {
    sim.user.ExpectMessageBox(kFinal, IDOK);
    options.Click(std::string_view(item));
    EXPECT_EQ(sim.user.Seen().back().text, kFinal) << item;
  }
  for (const auto& box : sim.user.Seen()) {
    EXPECT_EQ(box.title, "drelm idle by quoSt n' vrin");
    EXPECT_EQ(box.style, MB_OK | MB_ICONINFORMATION);
  }
  EXPECT_TRUE(options.Item("cmdUploadProtection").checked);
  EXPECT_TRUE(sim.registry.Values().empty());

  options.mnuQuostSite_Click();
  options.Click(std::string_view("mnuVrinsSite"));
  const auto& started = sim.shell.Started();
  ASSERT_EQ(started.size(), 2u);
  for (const auto& program : started) {
    EXPECT_EQ(program.path, "explorer");
    EXPECT_EQ(program.showCmd, SW_SHOWMINIMIZED);
    EXPECT_EQ(program.arguments.rfind("http://", 0), 0u) << program.arguments;
  }
  EXPECT_NE(started[0].arguments, started[1].arguments);
  EXPECT_EQ(LogMessages(),
            (std::vector<std::string>{"viewing quoSt's site", "viewing vrin's site"}));
}

TEST_F(CommandTest, StatusWindowHideAndShowUndoEachOtherOnlyForTheFirstTwoChildrenAndAlwaysLog) {
  options.hidestatuswin_Click();  // without the client: nothing to hide, still logged
  options.showstatuswin_Click();
  const testing::AolTree tree = testing::MakeAolFrame(sim.windows, "&What's New In AOL 6.0");
  sim.windows.CreateWindow("AOL Child", "Welcome, Zed!", tree.mdi);
  const Hwnd status = sim.windows.CreateWindow("AOL Child", "FILE TRANSFER STATUS", tree.mdi);
  options.Click(std::string_view("hidestatuswin"));
  EXPECT_FALSE(sim.windows.IsWindowVisible(status));
  options.showstatuswin_Click();
  EXPECT_TRUE(sim.windows.IsWindowVisible(status));
  // A status window third in line is left alone.
  sim.windows.BringToTop(sim.windows.CreateWindow("AOL Child", "Lobby", tree.mdi));
  options.hidestatuswin_Click();
  EXPECT_TRUE(sim.windows.IsWindowVisible(status));
  EXPECT_EQ(LogMessages(),
            (std::vector<std::string>{"status window hidden", "status window unhidden",
                                      "status window hidden", "status window unhidden",
                                      "status window hidden"}));
}

TEST_F(CommandTest, ExitRunsTheMainWindowsExitAndNothingElse) {
  options.Click(options.Item("cmdExit").commandId);
  EXPECT_EQ(exits, 1);
  EXPECT_TRUE(LogMessages().empty());

  FrmOptions unwired{OptionsContext{platform, settings, log, {}}};
  unwired.cmdExit_Click();  // no exit sequence given: nothing happens, nothing breaks
}

}  // namespace
}  // namespace drelm
