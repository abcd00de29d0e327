// The settings store over the real registry must read what it reads over the simulator's, for
// the cases where registries differ in detail: case of names, empty texts, foreign value types,
// embedded NULs, and bytes above 0x7F that the ANSI calls convert.
#include <gmock/gmock.h>
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

using ::testing::AnyOf;
using ::testing::Eq;

const std::string kDecoration =
    "\x8B"
    "d"
    "\x9B";

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

  // Raw data of a value as the UTF-16 query gives it.
  std::wstring RawWide(const std::string& key) const {
    HKEY hkey = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, win32::Win32Registry::SectionPath(section_).c_str(), 0,
                      KEY_QUERY_VALUE, &hkey) != ERROR_SUCCESS) {
      return L"<no key>";
    }
    const std::wstring name(key.begin(), key.end());
    wchar_t buffer[64] = {};
    DWORD size = sizeof buffer - sizeof(wchar_t);
    DWORD type = 0;
    const LSTATUS status = RegQueryValueExW(hkey, name.c_str(), nullptr, &type,
                                            reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(hkey);
    if (status != ERROR_SUCCESS) return L"<no value>";
    return std::wstring(buffer, size / sizeof(wchar_t));
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
}

TEST_F(SettingsRegistryContract, TextIsStoredAsItsAnsiBytesWithoutATerminatingNul) {
  const struct {
    const char* key;
    std::string text;
    std::wstring wide;  // as text in code page 1252
  } kCases[] = {
      {"handle", "bob", L"bob"},
      {"linkermsg", "", L""},  // an empty write must still create the value
      {"left ascii", kDecoration, L"\u2039d\u203A"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.key);
    WriteBoth(section_, c.key, c.text);
    ExpectBothRead(section_, c.key, c.text);
    // The ANSI bytes and the type are the first-start scenario's to check, through the program.
    // Given the text's length, Windows (and Wine) still add the NUL that follows the buffer, as
    // for a caller that forgot to count it; nothing beyond that may be stored. An empty text
    // stays a zero-length string.
    const std::wstring withNul(c.wide.c_str(), c.wide.size() + 1);
    using WideMatcher = ::testing::Matcher<std::wstring>;
    const WideMatcher stored =
        c.text.empty() ? WideMatcher(Eq(c.wide)) : WideMatcher(AnyOf(Eq(c.wide), Eq(withNul)));
    EXPECT_THAT(RawWide(c.key), stored);
  }
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
