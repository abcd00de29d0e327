#include "core/settings_store.h"

#include "text/ansi.h"

namespace drelm {

std::string SettingsStore::ReadSetting(std::string_view section, std::string_view key) const {
  const std::optional<RegistryValue> value =
      registry_.QueryValue(LowerAnsi(section), LowerAnsi(key));
  if (!value || value->type != kRegSz) return {};
  // Text written by other programs usually carries its terminating NUL; the text ends there.
  const std::string& data = value->data;
  return data.substr(0, data.find('\0'));
}

void SettingsStore::WriteSetting(std::string_view section, std::string_view key,
                                 std::string_view value) {
  // Stored without a terminating NUL, as the settings of earlier versions are.
  registry_.SetValue(LowerAnsi(section), LowerAnsi(key), RegistryValue{kRegSz, std::string(value)});
}

}  // namespace drelm
