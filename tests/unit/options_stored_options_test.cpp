// Stored settings shown on the options menu at start: check rules, value captions, the
// interval, sign-on style, disconnect protection and idle type groups.

#include <string>
#include <vector>

#include "options/stored_options.h"
#include "options_test_fixture.h"

namespace drelm {
namespace {

class StoredOptionsTest : public testing::OptionsTest {
 protected:
  void Store(const char* section, const char* key, const char* value) {
    settings.WriteSetting(section, key, value);
  }
  std::int64_t Apply() { return ApplyStoredOptions(options, settings, "5"); }
  bool Checked(const std::string& item) { return options.Item(item).checked; }
  std::string Caption(const char* item) { return options.Item(item).caption; }
};

TEST_F(StoredOptionsTest, EachKeysRuleAndEachGroupComparesExactlyAndMissingFollowsTheRule) {
  Apply();
  for (const char* item : {"cmdContDown", "cmdContUp", "mnuEnterpr", "cmdEnableAutoUpchat"}) {
    EXPECT_TRUE(Checked(item)) << item << " missing: the not-off rule checks it";
  }
  for (const char* item : {"cmdKillFileNotFound", "cmdKill45Min", "mnushort", "cmdONStartGhost"}) {
    EXPECT_FALSE(Checked(item)) << item << " missing: the on and True rules leave it unchecked";
  }
  const struct {
    const char* section;
    const char* key;
    const char* stored;
    const char* item;
    bool checked;
  } kCases[] = {
      {"settings", "killfnf", "on", "cmdKillFileNotFound", true},
      {"settings", "continuedownloads", "off", "cmdContDown", false},
      {"settings", "continuedownloads", "OFF", "cmdContDown", true},
      {"custom settings", "auto idle", "True", "cmdAutoIdle", true},
      {"custom settings", "ghost off stop", "True", "cmdOFFStopGhost", true},
      {"settings", "upload protection", "on", "cmdUploadProtection", true},
      {"settings", "aoldcp", "on", "cmdDcpAolOpts", true},
      {"settings", "dcpaolstyle", "stored", "cmdStoredPW", true},
      {"settings", "dcpaolstyle", "stored", "cmdSetPW", false},
      {"settings", "dcpaolstyle", "Stored", "cmdSetPW", true},
      {"settings", "dcpaolstyle", "", "cmdSetPW", true},
      {"custom settings", "idletype", "regular", "cmdRegularIdle", true},
      {"custom settings", "idletype", "linker", "cmdLinker", true},
      {"custom settings", "idletype", "linker", "cmdRegularIdle", false},
      {"custom settings", "idletype", "AFK", "cmdAFKBot", true},
      {"custom settings", "idletype", "Regular", "cmdRegularIdle", false},
      {"custom settings", "idletype", "Regular", "cmdAFKBot", true},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.key) + " = " + c.stored + ": " + c.item);
    Store(c.section, c.key, c.stored);
    Apply();
    EXPECT_EQ(Checked(c.item), c.checked);
  }
}

}  // namespace
}  // namespace drelm
