// The settings catalogue's check rules and lookup, and the store that reads and writes settings
// as registry text.
#include <gtest/gtest.h>

#include "core/settings_catalogue.h"
#include "core/settings_store.h"
#include "platform/sim/memory_registry.h"

namespace drelm {
namespace {

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

TEST(SettingsStore, TextIsStoredAsRegSzByteForByteReadsUpToTheFirstNulAndOtherTypesReadEmpty) {
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
  registry.SetValue("settings", "handle", RegistryValue{kRegDword, std::string("\x05\0\0\0", 4)});
  EXPECT_EQ(store.ReadSetting("settings", "handle"), "");
  registry.SetValue("settings", "handle", RegistryValue{kRegBinary, "user"});
  EXPECT_EQ(store.ReadSetting("settings", "handle"), "");
}

}  // namespace
}  // namespace drelm
