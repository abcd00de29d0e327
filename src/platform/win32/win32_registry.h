// The settings registry of the real desktop: values under HKEY_CURRENT_USER\Software\VB and VBA
// Program Settings\drelm\<section>, through the ANSI advapi32 calls. Data is written with exactly
// the bytes given (a REG_SZ gets no terminating NUL added) and read back as the registry returns
// it; the settings store above decides what the bytes mean.
#pragma once

#include "platform/registry.h"

namespace drelm::win32 {

class Win32Registry : public Registry {
 public:
  bool SetValue(const std::string& section, const std::string& name,
                const RegistryValue& value) override;
  std::optional<RegistryValue> QueryValue(const std::string& section,
                                          const std::string& name) override;
  bool DeleteValue(const std::string& section, const std::string& name) override;

  // The key path of a section below HKEY_CURRENT_USER.
  static std::string SectionPath(const std::string& section);
};

}  // namespace drelm::win32
