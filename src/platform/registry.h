// Typed values under HKEY_CURRENT_USER\Software\VB and VBA Program Settings\drelm\<section>.
// The backend stores what it is given: names as given, data as raw bytes with their type.
// The settings store above it does the lower-casing and the text rules.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace drelm {

inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;

inline constexpr const char* kSettingsRoot = "Software\\VB and VBA Program Settings\\drelm";

struct RegistryValue {
  std::uint32_t type = kRegNone;
  std::string data;  // raw bytes, exactly as stored
  bool operator==(const RegistryValue&) const = default;
};

class Registry {
 public:
  virtual ~Registry() = default;
  // Creates the section's key when missing. False when the store refuses the write.
  virtual bool SetValue(const std::string& section, const std::string& name,
                        const RegistryValue& value) = 0;
  // Empty when the section or the value is missing or cannot be read.
  virtual std::optional<RegistryValue> QueryValue(const std::string& section,
                                                  const std::string& name) = 0;
  // True when the value is gone afterwards, also when there was none.
  virtual bool DeleteValue(const std::string& section, const std::string& name) = 0;
};

}  // namespace drelm
