#include "core/settings_store.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "platform/sim/memory_registry.h"

namespace drelm {
namespace {

// The three Windows-1252 bytes of the default decoration.
const std::string kDecorationBytes = {'\x8B', 'd', '\x9B'};

// Keeps names exactly as given, so a store that forgets to lower-case is caught.
class ExactNameRegistry : public Registry {
 public:
  bool SetValue(const std::string& section, const std::string& name,
                const RegistryValue& value) override {
    values[{section, name}] = value;
    return true;
  }
  std::optional<RegistryValue> QueryValue(const std::string& section,
                                          const std::string& name) override {
    auto it = values.find({section, name});
    if (it == values.end()) return std::nullopt;
    return it->second;
  }
  bool DeleteValue(const std::string& section, const std::string& name) override {
    values.erase({section, name});
    return true;
  }
  std::map<std::pair<std::string, std::string>, RegistryValue> values;
};

TEST(SettingsStore, SectionAndKeyAreLowerCasedOnBothReadAndWrite) {
  ExactNameRegistry registry;
  SettingsStore store(registry);
  store.WriteSetting("settings", "handle", "quoSt");
  EXPECT_EQ(store.ReadSetting("settings", "HANDLE"), "quoSt");
  store.WriteSetting("STATS", "LOADS", "4");
  EXPECT_EQ(store.ReadSetting("stats", "loads"), "4");
  EXPECT_TRUE(registry.values.contains({"stats", "loads"}));
  EXPECT_FALSE(registry.values.contains({"STATS", "LOADS"}));
}

TEST(SettingsStore, TextIsStoredAsRegSzWithoutTerminatingNul) {
  ExactNameRegistry registry;
  SettingsStore store(registry);
  store.WriteSetting("settings", "handle", "");
  EXPECT_EQ(registry.values.at({"settings", "handle"}), (RegistryValue{kRegSz, ""}));
  EXPECT_EQ(store.ReadSetting("settings", "handle"), "");

  store.Write(setting::kLeftAscii, kDefaultDecoration);
  EXPECT_EQ(registry.values.at({"settings", "left ascii"}),
            (RegistryValue{kRegSz, kDecorationBytes}));
  EXPECT_EQ(store.Read(setting::kLeftAscii), kDecorationBytes);
}

TEST(SettingsStore, MissingOrForeignValuesReadEmpty) {
  sim::MemoryRegistry registry;
  SettingsStore store(registry);
  EXPECT_EQ(store.ReadSetting("no such section", "handle"), "");
  store.WriteSetting("settings", "aim", "x");
  EXPECT_EQ(store.ReadSetting("settings", "no such key"), "");

  registry.SetValue("settings", "handle", RegistryValue{kRegDword, std::string("\x05\0\0\0", 4)});
  EXPECT_EQ(store.ReadSetting("settings", "handle"), "");
  registry.SetValue("settings", "handle", RegistryValue{kRegBinary, "user"});
  EXPECT_EQ(store.ReadSetting("settings", "handle"), "");
}

TEST(SettingsStore, TextEndsAtTheFirstEmbeddedNul) {
  sim::MemoryRegistry registry;
  SettingsStore store(registry);
  registry.SetValue("settings", "handle", RegistryValue{kRegSz, std::string("abc\0def", 7)});
  EXPECT_EQ(store.ReadSetting("settings", "handle"), "abc");
  // What other programs write: the text with its terminating NUL.
  registry.SetValue("settings", "aim", RegistryValue{kRegSz, std::string("drelm me\0", 9)});
  EXPECT_EQ(store.ReadSetting("settings", "aim"), "drelm me");
}

TEST(SettingsStore, RefusedWriteIsSilentAndLeavesTheOldValue) {
  sim::MemoryRegistry registry;
  SettingsStore store(registry);
  store.WriteSetting("settings", "handle", "old");
  registry.SetRefuseWrites(true);
  EXPECT_NO_THROW(store.WriteSetting("settings", "handle", "new"));
  EXPECT_EQ(store.ReadSetting("settings", "handle"), "old");
}

TEST(SettingsStore, BytesBeyondAsciiAndLineBreaksSurvive) {
  sim::MemoryRegistry registry;
  SettingsStore store(registry);
  const std::string reason = "brb\r\nback \xB7 soon \xFF";
  store.WriteSetting("settings", "regrea", reason);
  EXPECT_EQ(store.ReadSetting("settings", "regrea"), reason);
}

}  // namespace
}  // namespace drelm
