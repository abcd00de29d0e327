// The settings catalogue's check rules and lookup, and the store that reads and writes settings
// as registry text.
#include <gtest/gtest.h>

#include "core/settings_catalogue.h"
#include "core/settings_store.h"
#include "platform/sim/memory_registry.h"

namespace drelm {
namespace {

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
