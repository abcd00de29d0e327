#include "core/settings_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "text/ansi.h"

namespace drelm {
namespace {

// The three Windows-1252 bytes of the default decoration.
const std::string kDecorationBytes = {'\x8B', 'd', '\x9B'};

using Name = std::pair<std::string_view, std::string_view>;

std::vector<Name> Names(std::span<const SettingKey* const> keys) {
  std::vector<Name> names;
  for (const SettingKey* key : keys) names.emplace_back(key->section, key->key);
  return names;
}

TEST(SettingsCatalogue, FirstStartWritesTheDefaultsInTheirFixedOrder) {
  const std::vector<Name> expected = {
      {"settings", "handle"},
      {"settings", "left ascii"},
      {"settings", "right ascii"},
      {"settings", "ascii font"},
      {"settings", "main font"},
      {"settings", "ascii color"},
      {"settings", "main color"},
      {"custom settings", "multiple reasons"},
      {"custom settings", "auto idle"},
      {"custom settings", "interval"},
      {"custom settings", "idletype"},
      {"settings", "aoldcp"},
      {"settings", "dcpaolstyle"},
      {"settings", "continuedownloads"},
      {"settings", "continueuploads"},
      {"settings", "prtoenter"},
      {"settings", "enterpr"},
      {"settings", "autoupchat"},
      {"idler", "min"},
      {"idler", "hours"},
      {"idler", "days"},
      {"stats", "loads"},
      {"stats", "mb"},
      {"settings", "scrollaim"},
      {"settings", "aim"},
      {"settings", "killfnf"},
      {"settings", "kill45"},
      {"settings", "regrea"},
      {"settings", "afkrea"},
      {"settings", "linkerrea"},
      {"settings", "killtltc"},
      {"settings", "scrolldlulstatus"},
      {"settings", "shortenuldl"},
      {"settings", "showstatus"},
      {"settings", "afkmax"},
      {"settings", "hidestatus"},
      {"settings", "shortenuldllength"},
      {"settings", "contulafterfilenotfound"},
      {"settings", "contdlafterfilenotfound"},
      {"settings", "upload protection"},
  };
  EXPECT_EQ(Names(FirstStartDefaults()), expected);
  ASSERT_EQ(kDefaultsBeforeFirstStartLog, 35u);
  EXPECT_EQ(FirstStartDefaults()[kDefaultsBeforeFirstStartLog - 1]->key, "afkmax");
  EXPECT_EQ(FirstStartDefaults()[kDefaultsBeforeFirstStartLog]->key, "hidestatus");
}

TEST(SettingsCatalogue, EveryDefaultIsWrittenOnceAndNoKeyWithoutOne) {
  std::set<Name> withDefault;
  for (const SettingKey* key : SettingsCatalogue()) {
    if (key->firstStart) withDefault.insert({key->section, key->key});
  }
  const std::vector<Name> order = Names(FirstStartDefaults());
  EXPECT_EQ(std::set<Name>(order.begin(), order.end()), withDefault);
  EXPECT_EQ(order.size(), withDefault.size()) << "a default is written twice";
}

TEST(SettingsCatalogue, KeysAreUniqueLowerCaseAndInTheFiveSections) {
  const std::set<std::string_view> sections = {"settings", "custom settings", "idler", "stats",
                                               "aolpw"};
  std::set<Name> seen;
  for (const SettingKey* key : SettingsCatalogue()) {
    EXPECT_TRUE(seen.insert({key->section, key->key}).second) << key->key;
    EXPECT_TRUE(sections.contains(key->section)) << key->section;
    EXPECT_EQ(LowerAnsi(key->key), key->key);
  }
  EXPECT_EQ(seen.size(), 52u);
}

TEST(SettingsCatalogue, EveryShownKeyNamesItsMenuItemAndLabel) {
  for (const SettingKey* key : SettingsCatalogue()) {
    switch (key->shownAs) {
      case ShownAs::kOnRule:
      case ShownAs::kNotOffRule:
      case ShownAs::kTrueRule:
        EXPECT_FALSE(key->menuItem.empty()) << key->key;
        break;
      case ShownAs::kValueCaption:
      case ShownAs::kNumberCaption:
      case ShownAs::kOnOffCheckAndCaption:
      case ShownAs::kIdleTimeCaption:
        EXPECT_FALSE(key->menuItem.empty()) << key->key;
        EXPECT_FALSE(key->captionLabel.empty()) << key->key;
        break;
      default:
        break;
    }
  }
}

TEST(SettingsCatalogue, DefaultsHoldTheExactBytesANewUserGets) {
  EXPECT_EQ(setting::kLeftAscii.firstStart, kDecorationBytes);
  EXPECT_EQ(setting::kRightAscii.firstStart->size(), 3u);
  EXPECT_EQ(setting::kHandle.firstStart, "user");
  EXPECT_EQ(setting::kAolDcp.firstStart, "off");
  EXPECT_EQ(setting::kShortenUlDlLength.firstStart, "35");
  EXPECT_FALSE(setting::kOss.firstStart.has_value()) << "the Windows 2000 question decides it";
  EXPECT_FALSE(setting::kPassword.firstStart.has_value());
}

TEST(SettingsCatalogue, CheckRulesTreatMissingAndOddValuesAsDocumented) {
  struct Case {
    std::string_view value;
    bool onRule;
    bool notOffRule;
    bool trueRule;
  };
  const Case cases[] = {
      {"on", true, true, false},    {"off", false, false, false},  {"", false, true, false},
      {"On", false, true, false},   {"OFF", false, true, false},   {"True", false, true, true},
      {"true", false, true, false}, {"False", false, true, false}, {"on ", false, true, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CheckedByOnRule(c.value), c.onRule) << "'" << c.value << "'";
    EXPECT_EQ(CheckedByNotOffRule(c.value), c.notOffRule) << "'" << c.value << "'";
    EXPECT_EQ(CheckedByTrueRule(c.value), c.trueRule) << "'" << c.value << "'";
    EXPECT_EQ(CheckedByRule(ShownAs::kOnRule, c.value), c.onRule);
    EXPECT_EQ(CheckedByRule(ShownAs::kNotOffRule, c.value), c.notOffRule);
    EXPECT_EQ(CheckedByRule(ShownAs::kTrueRule, c.value), c.trueRule);
  }
  EXPECT_FALSE(CheckedByRule(ShownAs::kValueCaption, "on"));
  // Missing continuedownloads shows checked, missing killfnf unchecked.
  EXPECT_TRUE(CheckedByRule(setting::kContinueDownloads.shownAs, ""));
  EXPECT_FALSE(CheckedByRule(setting::kKillFnf.shownAs, ""));
}

TEST(SettingsCatalogue, LookupCaptionAndSenderKeys) {
  EXPECT_EQ(FindSetting("Custom Settings", "AUTO IDLE"), &setting::kAutoIdle);
  EXPECT_EQ(FindSetting("settings", "afkquoSt"), nullptr);
  EXPECT_EQ(FindSetting("stats", "handle"), nullptr);
  EXPECT_EQ(ValueCaption(setting::kHandle.captionLabel, "user"), "handle -[ user ]-");
  EXPECT_EQ(ValueCaption(setting::kPrToEnter.captionLabel, ""), "&set pr -[  ]-");
  EXPECT_EQ(AfkSenderKey("quoSt"), "afkquoSt");
}

}  // namespace
}  // namespace drelm
