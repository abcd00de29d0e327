// The panel's own commands: the on/off toggles (check mark, stored value and log entry
// together), not-available notices, the web sites, and the AOL status window.

#include <optional>
#include <string>
#include <vector>

#include "options/toggle_table.h"
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

struct ExpectedToggle {
  const char* item;
  const char* section;
  const char* key;
  const char* on;
  const char* off;
  std::optional<std::string> onMessage;
  std::optional<std::string> offMessage;
};

// clang-format off
const ExpectedToggle kExpected[] = {
  {"cmdMessageTLTC", "settings", "killtltc", "on", "off", "kill message to long to complex", "kill message to long to complex"},
  {"cmdKill45Min", "settings", "kill45", "on", "off", "kill 45 min timer enabled", "kill 45 min timer disabled"},
  {"cmdONStartGhost", "custom settings", "ghost on start", "True", "False", "ghost on after start enabled", "ghost on after start disabled"},
  {"cmdONStopGhost", "custom settings", "ghost on stop", "True", "False", "ghost off on stop enabled", "ghost off on stop disabled"},
  {"cmdOFFStopGhost", "custom settings", "ghost off stop", "True", "False", "ghost off off stop enabled", "ghost off off stop disabled"},
  {"cmdIMSoffStart", "custom settings", "ims off start", "True", "False", "ims off at start enabled", "ims off at start disabled"},
  {"cmdIMSoffStop", "custom settings", "ims off stop", "True", "False", "ims off at stop enabled", "ims off at stop disabled"},
  {"cmdIMSonAfterStop", "custom settings", "ims on stop", "True", "False", "ims on at stop enabled", "ims on at stop disabled"},
  {"mnuEnterpr", "settings", "enterpr", "on", "off", "dcp aol - enter private room [on]", "dcp aol - enter private room [off]"},
  {"cmdContUp", "settings", "continueuploads", "on", "off", "dcp aol - continue uploads [on]", "dcp aol - continue uploads [off]"},
  {"cmdContDown", "settings", "continuedownloads", "on", "off", "dcp aol - continue downloads [on]", "dcp aol - continue downloads [off]"},
  {"cmdScrollDlulstatus", "settings", "scrolldlulstatus", "on", "off", std::nullopt, std::nullopt},
  {"cmdEnableAutoUpchat", "settings", "autoupchat", "on", "off", "auto upchat enabled", "auto upchat disabled"},
  {"cmdKillFileNotFound", "settings", "killfnf", "on", "off", "kill file not found enabled", "kill file not found disabled"},
  {"mnuContinueUpAffFnFK", "settings", "contulafterfilenotfound", "on", "off", "continue uploads after file not found kill enabled", "continue uploads after file not found kill disabled"},
  {"mnucontinueUpAfterFileNotFOundKill", "settings", "contdlafterfilenotfound", "on", "off", "continue downloads after file not found kill enabled", "continue downloads after file not found kill disabled"},
  {"mnuhidestatus", "settings", "hidestatus", "on", "off", "hide status on start turned on", "hide status on start turned off"},
  {"mnushowstatus", "settings", "showstatus", "on", "off", "show status on stop turned on", "show status on stop turned off"},
};
// clang-format on

class ToggleTest : public testing::OptionsTest {};

// The store may disagree with the menu (another copy of the program wrote it): the check mark,
// the live state, decides which way a toggle goes.
TEST_F(ToggleTest, EachToggleSwitchedTwiceFromEitherCheckMarkEndsWhereItStarted) {
  EXPECT_EQ(ToggleTable().size(), std::size(kExpected));
  for (const bool startOn : {false, true}) {
    for (const ExpectedToggle& row : kExpected) {
      SCOPED_TRACE(std::string(row.item) + (startOn ? " from on" : " from off"));
      const std::size_t logged = LogMessages().size();
      options.Item(row.item).checked = startOn;
      settings.WriteSetting(row.section, row.key, startOn ? row.off : row.on);
      std::vector<std::string> expectedLog;
      for (const bool on : {!startOn, startOn}) {
        // By name the first time, by command id the second: both routes must reach the toggle.
        ASSERT_TRUE(on != startOn ? options.Click(std::string_view(row.item))
                                  : options.Click(options.Item(row.item).commandId));
        EXPECT_EQ(options.Item(row.item).checked, on);
        EXPECT_EQ(settings.ReadSetting(row.section, row.key), on ? row.on : row.off);
        if (const auto& message = on ? row.onMessage : row.offMessage) {
          expectedLog.push_back(*message);
        }
      }
      const std::vector<std::string> all = LogMessages();
      EXPECT_EQ(
          std::vector<std::string>(all.begin() + static_cast<std::ptrdiff_t>(logged), all.end()),
          expectedLog);
    }
  }
}

}  // namespace
}  // namespace drelm
