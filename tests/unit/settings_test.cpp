// The settings catalogue (keys, first-start defaults, check rules) and the store that reads and
// writes them as registry text.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "core/settings_catalogue.h"
#include "core/settings_store.h"
#include "platform/sim/memory_registry.h"
#include "text/ansi.h"

namespace drelm {
namespace {

TEST(SettingsCatalogue, FirstStartWritesEachDefaultOnceInItsFixedOrderWithTheLogEntryAfterAfkmax) {
  std::string order;
  for (const SettingKey* key : FirstStartDefaults()) {
    order += std::string(key->section == "settings" ? "" : key->section) + "/" +
             std::string(key->key) + ",";
  }
  EXPECT_EQ(order,
            "/handle,/left ascii,/right ascii,/ascii font,/main font,/ascii color,/main color,"
            "custom settings/multiple reasons,custom settings/auto idle,custom settings/interval,"
            "custom settings/idletype,/aoldcp,/dcpaolstyle,/continuedownloads,/continueuploads,"
            "/prtoenter,/enterpr,/autoupchat,idler/min,idler/hours,idler/days,stats/loads,"
            "stats/mb,/scrollaim,/aim,/killfnf,/kill45,/regrea,/afkrea,/linkerrea,/killtltc,"
            "/scrolldlulstatus,/shortenuldl,/showstatus,/afkmax,/hidestatus,/shortenuldllength,"
            "/contulafterfilenotfound,/contdlafterfilenotfound,/upload protection,");
  EXPECT_EQ(FirstStartDefaults()[kDefaultsBeforeFirstStartLog - 1]->key, "afkmax");
  std::set<std::pair<std::string_view, std::string_view>> seen, withDefault;
  for (const SettingKey* key : SettingsCatalogue()) {
    EXPECT_TRUE(seen.insert({key->section, key->key}).second) << key->key;
    EXPECT_EQ(LowerAnsi(key->key), key->key);
    if (key->firstStart) withDefault.insert({key->section, key->key});
  }
  EXPECT_EQ(withDefault.size(), FirstStartDefaults().size()) << "a default missing or twice";
  EXPECT_EQ(setting::kLeftAscii.firstStart, std::string("\x8B\x64\x9B"));
}

TEST(SettingsCatalogue, CheckRulesTreatMissingAndOddValuesAsTheyShouldAndLookupIgnoresCase) {
  const struct {
    std::string_view value;
    bool onRule, notOffRule, trueRule;
  } kCases[] = {
      {"on", true, true, false},    {"off", false, false, false},  {"", false, true, false},
      {"On", false, true, false},   {"OFF", false, true, false},   {"True", false, true, true},
      {"true", false, true, false}, {"False", false, true, false}, {"on ", false, true, false},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(CheckedByRule(ShownAs::kOnRule, c.value), c.onRule) << "'" << c.value << "'";
    EXPECT_EQ(CheckedByRule(ShownAs::kNotOffRule, c.value), c.notOffRule) << "'" << c.value << "'";
    EXPECT_EQ(CheckedByRule(ShownAs::kTrueRule, c.value), c.trueRule) << "'" << c.value << "'";
  }
  EXPECT_FALSE(CheckedByRule(ShownAs::kValueCaption, "on"));
  EXPECT_EQ(FindSetting("Custom Settings", "AUTO IDLE"), &setting::kAutoIdle);
  EXPECT_EQ(FindSetting("stats", "handle"), nullptr);
  EXPECT_EQ(ValueCaption(setting::kPrToEnter.captionLabel, ""), "&set pr -[  ]-");
  EXPECT_EQ(AfkSenderKey("quoSt"), "afkquoSt");
}

TEST(SettingsStore, TextIsStoredAsRegSzByteForByteAndReadsUpToTheFirstNul) {
  sim::MemoryRegistry registry;
  SettingsStore store(registry);
  const std::string reason = "brb\r\nback \xB7 soon \xFF";
  store.WriteSetting("settings", "regrea", reason);
  EXPECT_EQ(registry.QueryValue("settings", "regrea"), (RegistryValue{kRegSz, reason}));
  EXPECT_EQ(store.ReadSetting("settings", "regrea"), reason);

  registry.SetValue("settings", "handle", RegistryValue{kRegSz, std::string("abc\0def", 7)});
  EXPECT_EQ(store.ReadSetting("settings", "handle"), "abc");
  // What other programs write: the text with its terminating NUL.
  registry.SetValue("settings", "aim", RegistryValue{kRegSz, std::string("drelm me\0", 9)});
  EXPECT_EQ(store.ReadSetting("settings", "aim"), "drelm me");
}

TEST(SettingsStore, MissingOrForeignValuesReadEmptyAndARefusedWriteLeavesTheOldValue) {
  sim::MemoryRegistry registry;
  SettingsStore store(registry);
  EXPECT_EQ(store.ReadSetting("no such section", "handle"), "");
  registry.SetValue("settings", "handle", RegistryValue{kRegDword, std::string("\x05\0\0\0", 4)});
  EXPECT_EQ(store.ReadSetting("settings", "handle"), "");
  registry.SetValue("settings", "handle", RegistryValue{kRegBinary, "user"});
  EXPECT_EQ(store.ReadSetting("settings", "handle"), "");
  store.WriteSetting("settings", "handle", "old");
  registry.SetRefuseWrites(true);
  EXPECT_NO_THROW(store.WriteSetting("settings", "handle", "new"));
  EXPECT_EQ(store.ReadSetting("settings", "handle"), "old");
}

}  // namespace
}  // namespace drelm
