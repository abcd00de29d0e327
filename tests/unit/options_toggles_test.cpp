// Switching the on/off options of the menu: check mark, stored value and log entry together.

#include <optional>
#include <string>
#include <vector>

#include "options/toggle_table.h"
#include "options_test_fixture.h"

namespace drelm {
namespace {

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

std::vector<std::string> Messages(std::initializer_list<const std::optional<std::string>*> list) {
  std::vector<std::string> out;
  for (const auto* message : list) {
    if (*message) out.push_back(**message);
  }
  return out;
}

class ToggleTest : public testing::OptionsTest {
 protected:
  std::string Stored(const ExpectedToggle& row) {
    return settings.ReadSetting(row.section, row.key);
  }
};

TEST_F(ToggleTest, EachToggleSwitchedTwiceFromOffEndsWhereItStarted) {
  for (const ExpectedToggle& row : kExpected) {
    SCOPED_TRACE(row.item);
    const std::size_t logged = LogMessages().size();
    options.Item(row.item).checked = false;
    settings.WriteSetting(row.section, row.key, row.off);

    ASSERT_TRUE(options.Click(std::string_view(row.item)));
    EXPECT_TRUE(options.Item(row.item).checked);
    EXPECT_EQ(Stored(row), row.on);
    ASSERT_TRUE(options.Click(options.Item(row.item).commandId));
    EXPECT_FALSE(options.Item(row.item).checked);
    EXPECT_EQ(Stored(row), row.off);

    const std::vector<std::string> all = LogMessages();
    const std::vector<std::string> added(all.begin() + static_cast<std::ptrdiff_t>(logged),
                                         all.end());
    EXPECT_EQ(added, Messages({&row.onMessage, &row.offMessage}));
  }
}

TEST_F(ToggleTest, EachToggleSwitchedTwiceFromOnEndsWhereItStarted) {
  for (const ExpectedToggle& row : kExpected) {
    SCOPED_TRACE(row.item);
    const std::size_t logged = LogMessages().size();
    options.Item(row.item).checked = true;
    settings.WriteSetting(row.section, row.key, row.on);

    options.Click(std::string_view(row.item));
    EXPECT_FALSE(options.Item(row.item).checked);
    EXPECT_EQ(Stored(row), row.off);
    options.Click(std::string_view(row.item));
    EXPECT_TRUE(options.Item(row.item).checked);
    EXPECT_EQ(Stored(row), row.on);

    const std::vector<std::string> all = LogMessages();
    const std::vector<std::string> added(all.begin() + static_cast<std::ptrdiff_t>(logged),
                                         all.end());
    EXPECT_EQ(added, Messages({&row.offMessage, &row.onMessage}));
  }
}

TEST_F(ToggleTest, TheCheckMarkDecidesTheDirectionNotTheStoredValue) {
  // The store may disagree with the menu (another copy of the program wrote it); the live
  // state is the check mark.
  options.Item("cmdKill45Min").checked = false;
  settings.WriteSetting("settings", "kill45", "on");
  options.Click(std::string_view("cmdKill45Min"));
  EXPECT_TRUE(options.Item("cmdKill45Min").checked);
  EXPECT_EQ(settings.ReadSetting("settings", "kill45"), "on");
  EXPECT_EQ(LogMessages(), std::vector<std::string>{"kill 45 min timer enabled"});
}

TEST_F(ToggleTest, FreshKillFileNotFoundIsCheckedSoTheFirstChoiceSwitchesItOff) {
  options.Click(std::string_view("cmdKillFileNotFound"));
  EXPECT_FALSE(options.Item("cmdKillFileNotFound").checked);
  EXPECT_EQ(settings.ReadSetting("settings", "killfnf"), "off");
  EXPECT_EQ(LogMessages(), std::vector<std::string>{"kill file not found disabled"});
}

TEST_F(ToggleTest, MessageTooLongLogsTheSameEntryBothWaysAndStatusScrollLogsNothing) {
  options.Click(std::string_view("cmdMessageTLTC"));
  options.Click(std::string_view("cmdMessageTLTC"));
  options.Click(std::string_view("cmdScrollDlulstatus"));
  EXPECT_EQ(settings.ReadSetting("settings", "scrolldlulstatus"), "on");
  options.Click(std::string_view("cmdScrollDlulstatus"));
  EXPECT_EQ(settings.ReadSetting("settings", "scrolldlulstatus"), "off");
  EXPECT_EQ(LogMessages(), (std::vector<std::string>{"kill message to long to complex",
                                                     "kill message to long to complex"}));
}

TEST_F(ToggleTest, EveryToggleIsCoveredAndAgreesWithTheCatalogueOnItsItem) {
  // A toggle storing under another item's key would carry the wrong state across runs.
  EXPECT_EQ(ToggleTable().size(), std::size(kExpected));
  for (const ToggleRow& row : ToggleTable()) {
    SCOPED_TRACE(std::string(row.item));
    EXPECT_EQ(row.setting->menuItem, row.item);
  }
}

}  // namespace
}  // namespace drelm
