// The panel's on/off toggles: check mark, stored value and log entry together.

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
