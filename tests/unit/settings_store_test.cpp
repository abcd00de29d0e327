#include "core/settings_store.h"

#include <gtest/gtest.h>

#include "platform/sim/memory_registry.h"

namespace drelm {
namespace {

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
