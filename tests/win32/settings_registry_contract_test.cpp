// The settings store over the real registry must read what it reads over the simulator's, for
// the cases where registries differ in detail: case of names, foreign value types and embedded
// NULs. (The bytes of what the program stores are the first-start scenario's to check.)
#include <gtest/gtest.h>

#include <cstring>

#include "core/settings_store.h"
#include "mirrored_desktop.h"
#include "platform/sim/memory_registry.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_registry.h"
#include "text/ansi.h"

namespace drelm::contract {
namespace {

std::string UpperAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

class SettingsRegistryContract : public ::testing::Test {
 protected:
  void TearDown() override {
    // A section holds values only, no subkeys.
    RegDeleteKeyA(HKEY_CURRENT_USER, win32::Win32Registry::SectionPath(section_).c_str());
  }

  // A value another program put there, on both sides, past the store's rules.
  void PutForeign(const std::string& key, const RegistryValue& value) {
    ASSERT_TRUE(real_.SetValue(section_, key, value));
    ASSERT_TRUE(simulated_.SetValue(section_, key, value));
  }
  void WriteBoth(const std::string& section, const std::string& key, const std::string& value) {
    realStore_.WriteSetting(section, key, value);
    simStore_.WriteSetting(section, key, value);
  }
  void ExpectBothRead(const std::string& section, const std::string& key,
                      const std::string& expected) {
    SCOPED_TRACE(section + "/" + key);
    EXPECT_EQ(realStore_.ReadSetting(section, key), expected);
    EXPECT_EQ(simStore_.ReadSetting(section, key), expected);
  }

  const std::string section_ = LowerAnsi(UniqueName("drelm contract"));
  win32::Win32Registry real_;
  sim::MemoryRegistry simulated_;
  SettingsStore realStore_{real_};
  SettingsStore simStore_{simulated_};
};

TEST_F(SettingsRegistryContract, NamesOfEitherCaseAreOneSettingAndMissingOnesReadEmpty) {
  ExpectBothRead(section_, "nothing here", "");
  WriteBoth(section_, "handle", "bob");
  ExpectBothRead(section_, "HANDLE", "bob");
  ExpectBothRead(UpperAscii(section_), "Handle", "bob");
  WriteBoth(section_, "HANDLE", "carol");
  ExpectBothRead(section_, "handle", "carol");
  ExpectBothRead(section_, "nothing here", "");
  EXPECT_FALSE(real_.QueryValue(section_ + " absent", "handle").has_value());
  // A shorter text written over a longer one leaves no tail.
  WriteBoth(section_, "regrea", "gone to the store for milk");
  WriteBoth(section_, "regrea", "back");
  ExpectBothRead(section_, "regrea", "back");
  WriteBoth(section_, "linkermsg", "");
  EXPECT_TRUE(real_.QueryValue(section_, "linkermsg").has_value()) << "an empty write is a value";
}

TEST_F(SettingsRegistryContract, ForeignTypesReadEmptyAndEmbeddedNulEndsTheText) {
  const std::uint32_t number = 35;
  std::string dword(sizeof number, '\0');
  std::memcpy(dword.data(), &number, sizeof number);
  PutForeign("loads", RegistryValue{kRegDword, dword});
  PutForeign("mb", RegistryValue{kRegBinary, "12"});
  PutForeign("aim", RegistryValue{kRegSz, std::string("abc\0def", 7)});
  PutForeign("handle", RegistryValue{kRegSz, std::string("bob\0", 4)});
  ExpectBothRead(section_, "loads", "");
  ExpectBothRead(section_, "mb", "");
  ExpectBothRead(section_, "aim", "abc");
  ExpectBothRead(section_, "handle", "bob");
}

}  // namespace
}  // namespace drelm::contract
