// Stored settings shown on the options menu at start: check rules, value captions, the
// interval, sign-on style, disconnect protection and idle type groups.

#include <string>
#include <vector>

#include "core/settings_catalogue.h"
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
  bool Checked(const char* item) { return options.Item(item).checked; }
  std::string Caption(const char* item) { return options.Item(item).caption; }
};

TEST_F(StoredOptionsTest, FixedIntervalsCheckTheirItemOthersShowTheValueWithoutBlanks) {
  EXPECT_EQ(Apply(), 0) << "missing";
  EXPECT_EQ(Caption("mnuCustom"), "custom -[]-");
  const struct {
    const char* stored;
    std::int64_t seconds;
    const char* checked;  // "" for none
    const char* caption;
  } kCases[] = {
      {"60", 60, "cmdOneMin", "custom -[ ]-"},
      {"120", 120, "cmdTwoMin", "custom -[ ]-"},
      {"180", 180, "cmdThreeMin", "custom -[ ]-"},
      {"90", 90, "", "custom -[90]-"},
      {"", 0, "", "custom -[]-"},
      {"abc", 0, "", "custom -[abc]-"},
      {"90.5", 90, "", "custom -[90.5]-"},
      {"91.5", 92, "", "custom -[91.5]-"},
      {"060", 60, "", "custom -[060]-"},
      {"1e3", 1000, "", "custom -[1e3]-"},
      {"1.5E+1", 15, "", "custom -[1.5E+1]-"},
      {"1e999", 2147483647, "", "custom -[1e999]-"},
      {"99999999999999999999999", 2147483647, "", "custom -[99999999999999999999999]-"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.stored);
    // An earlier check is replaced, whichever it was.
    options.Item(c.checked == std::string("cmdOneMin") ? "cmdThreeMin" : "cmdOneMin").checked =
        true;
    Store("custom settings", "interval", c.stored);
    EXPECT_EQ(Apply(), c.seconds);
    for (const char* item : {"cmdOneMin", "cmdTwoMin", "cmdThreeMin"}) {
      EXPECT_EQ(Checked(item), item == std::string(c.checked)) << item;
    }
    EXPECT_EQ(Caption("mnuCustom"), c.caption);
  }
}

TEST_F(StoredOptionsTest, MissingValuesFollowTheirKeysRule) {
  Apply();
  // not-off rule: missing means checked
  EXPECT_TRUE(Checked("cmdContDown"));
  EXPECT_TRUE(Checked("cmdContUp"));
  EXPECT_TRUE(Checked("mnuEnterpr"));
  EXPECT_TRUE(Checked("cmdEnableAutoUpchat"));
  // on rule and True rule: missing means unchecked, the design check mark included
  EXPECT_FALSE(Checked("cmdKillFileNotFound"));
  EXPECT_FALSE(Checked("cmdKill45Min"));
  EXPECT_FALSE(Checked("mnushort"));
  EXPECT_FALSE(Checked("cmdMultipleReasons"));
  EXPECT_FALSE(Checked("cmdONStartGhost"));
  EXPECT_FALSE(Checked("cmdIMSonAfterStop"));
}

TEST_F(StoredOptionsTest, RulesCompareExactly) {
  const struct {
    const char* section;
    const char* key;
    const char* item;
    const char* stored;
    bool checked;
  } kCases[] = {
      {"settings", "killfnf", "cmdKillFileNotFound", "on", true},
      {"settings", "killfnf", "cmdKillFileNotFound", "On", false},
      {"settings", "killfnf", "cmdKillFileNotFound", "yes", false},
      {"settings", "continuedownloads", "cmdContDown", "off", false},
      {"settings", "continuedownloads", "cmdContDown", "OFF", true},
      {"settings", "continuedownloads", "cmdContDown", "no", true},
      {"custom settings", "auto idle", "cmdAutoIdle", "True", true},
      {"custom settings", "auto idle", "cmdAutoIdle", "true", false},
      {"custom settings", "ghost off stop", "cmdOFFStopGhost", "True", true},
      {"settings", "scrollaim", "mnuScrollAIm", "on", true},
      {"settings", "upload protection", "cmdUploadProtection", "on", true},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.key) + " = " + c.stored);
    Store(c.section, c.key, c.stored);
    Apply();
    EXPECT_EQ(Checked(c.item), c.checked);
  }
}

TEST_F(StoredOptionsTest, SignOnStyleOtherThanStoredMeansSet) {
  Store("settings", "dcpaolstyle", "stored");
  Apply();
  EXPECT_TRUE(Checked("cmdStoredPW"));
  EXPECT_FALSE(Checked("cmdSetPW"));
  EXPECT_EQ(Caption("mnuAolSTyle"), "dcp aol &style -[stored]-");
  for (const char* other : {"set", "Stored", ""}) {
    SCOPED_TRACE(other);
    Store("settings", "dcpaolstyle", other);
    Apply();
    EXPECT_FALSE(Checked("cmdStoredPW"));
    EXPECT_TRUE(Checked("cmdSetPW"));
    EXPECT_EQ(Caption("mnuAolSTyle"), "dcp aol &style -[set]-");
  }
}

TEST_F(StoredOptionsTest, DisconnectProtectionShowsItsStateTwice) {
  Store("settings", "aoldcp", "on");
  Apply();
  EXPECT_TRUE(Checked("cmdDcpAolOpts"));
  EXPECT_EQ(Caption("cmdDcpAolOpts"), "&dcp aol -[ on ]-");
  Store("settings", "aoldcp", "maybe");
  Apply();
  EXPECT_FALSE(Checked("cmdDcpAolOpts"));
  EXPECT_EQ(Caption("cmdDcpAolOpts"), "&dcp aol -[ off ]-");
}

TEST_F(StoredOptionsTest, IdleTypeRecognisesOnlyRegularAndLinker) {
  const struct {
    const char* stored;
    bool regular, linker, afk;
  } kCases[] = {
      {"regular", true, false, false}, {"linker", false, true, false},
      {"afk", false, false, true},     {"AFK", false, false, true},
      {"", false, false, true},        {"Regular", false, false, true},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.stored);
    Store("custom settings", "idletype", c.stored);
    Apply();
    EXPECT_EQ(Checked("cmdRegularIdle"), c.regular);
    EXPECT_EQ(Checked("cmdLinker"), c.linker);
    EXPECT_EQ(Checked("cmdAFKBot"), c.afk);
  }
}

TEST_F(StoredOptionsTest, ValueCaptionsShowTheStoredValues) {
  Store("settings", "shortenuldllength", "20");
  Store("settings", "prtoenter", "twk");
  Store("idler", "days", "1");
  Store("idler", "hours", "2");
  Store("idler", "min", "15");
  Store("stats", "mb", "12.5");
  ApplyStoredOptions(options, settings, "5");
  EXPECT_EQ(Caption("mnushort"), "shorten dl/ul file name -[ 20 ]-");
  EXPECT_EQ(Caption("mnuSetPr"), "&set pr -[ twk ]-");
  EXPECT_EQ(Caption("cmdIdleTime"), "idle time -[ 1d 2h 15m ]-");
  EXPECT_EQ(Caption("cmdLoads"), "loads -[ 5 ]-");
  EXPECT_EQ(Caption("cmdMBUploaded"), "mb u/led -[ 12.5 ]-");
  // The shortening length shows the number as read.
  for (auto [stored, shown] : {std::pair{"abc", "0"}, {"35 chars", "35"}}) {
    Store("settings", "shortenuldllength", stored);
    Apply();
    EXPECT_EQ(Caption("mnushort"), std::string("shorten dl/ul file name -[ ") + shown + " ]-");
  }
}

TEST_F(StoredOptionsTest, StyleCaptionsUseTheDashedFormEvenWhereTheDesignLacksIt) {
  ApplyStyleCaptions(options, {"zed",
                               "\x8B"
                               "d"
                               "\x9B",
                               "<<", "arial narrow", "tahoma", "#336699", "#999999", "drelm me"});
  EXPECT_EQ(Caption("cmdHandle"), "handle -[ zed ]-");
  EXPECT_EQ(Caption("cmdLeftAscii"),
            "left ascii -[ \x8B"
            "d"
            "\x9B ]-");
  EXPECT_EQ(Caption("cmdRightAscii"), "right ascii -[ << ]-");
  EXPECT_EQ(Caption("cmdAsciiFont"), "ascii font -[ arial narrow ]-");
  EXPECT_EQ(Caption("cmdMainFont"), "main font -[ tahoma ]-");
  EXPECT_EQ(Caption("cmdAsciiColor"), "ascii color -[ #336699 ]-");
  EXPECT_EQ(Caption("cmdMainColor"), "main color -[ #999999 ]-");
  EXPECT_EQ(Caption("cmdAim"), "aim -[ drelm me ]-");
}

TEST_F(StoredOptionsTest, FirstStartDefaultsShowAsTheUsualMenu) {
  for (const SettingKey* key : FirstStartDefaults()) settings.Write(*key, *key->firstStart);
  EXPECT_EQ(Apply(), 60);
  for (const char* item : {"mnucontinueUpAfterFileNotFOundKill",
                           "mnuContinueUpAffFnFK",
                           "mnushowstatus",
                           "cmdUploadProtection",
                           "mnuhidestatus",
                           "mnushort",
                           "cmdScrollDlulstatus",
                           "cmdMessageTLTC",
                           "cmdKill45Min",
                           "cmdKillFileNotFound",
                           "mnuScrollAIm",
                           "cmdEnableAutoUpchat",
                           "mnuEnterpr",
                           "cmdContDown",
                           "cmdContUp",
                           "cmdStoredPW",
                           "cmdMultipleReasons",
                           "cmdAutoIdle",
                           "cmdOneMin",
                           "cmdRegularIdle"}) {
    EXPECT_TRUE(Checked(item)) << item;
  }
  for (const char* item : {"cmdSetPW", "cmdDcpAolOpts", "cmdONStartGhost", "cmdIMSoffStop",
                           "cmdLinker", "cmdAFKBot"}) {
    EXPECT_FALSE(Checked(item)) << item;
  }
  EXPECT_EQ(Caption("cmdIdleTime"), "idle time -[ 0d 0h 0m ]-");
  EXPECT_EQ(Caption("mnuSetPr"), "&set pr -[ twk ]-");
  EXPECT_EQ(Caption("cmdDcpAolOpts"), "&dcp aol -[ off ]-");
}

TEST_F(StoredOptionsTest, AToggleSwitchedAndAppliedAgainKeepsItsState) {
  // What a toggle stores must read back as the same check mark at the next start.
  for (const char* item : {"cmdKill45Min", "cmdContDown", "cmdONStartGhost", "mnuhidestatus"}) {
    SCOPED_TRACE(item);
    for (int round = 0; round < 2; ++round) {
      options.Click(std::string_view(item));
      const bool shown = Checked(item);
      options.Item(item).checked = !shown;
      Apply();
      EXPECT_EQ(Checked(item), shown);
    }
  }
}

}  // namespace
}  // namespace drelm
