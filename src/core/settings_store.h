// Text settings kept across runs, addressed as section/key. Section and key compare without
// regard to case; a missing, unreadable or non-text value reads as empty text, and a write the
// store refuses is lost without a word, so callers never handle errors here.
#pragma once

#include <string>
#include <string_view>

#include "core/settings_catalogue.h"
#include "platform/registry.h"

namespace drelm {

class SettingsStore {
 public:
  explicit SettingsStore(Registry& registry) : registry_(registry) {}

  std::string ReadSetting(std::string_view section, std::string_view key) const;
  void WriteSetting(std::string_view section, std::string_view key, std::string_view value);

  std::string Read(const SettingKey& setting) const {
    return ReadSetting(setting.section, setting.key);
  }
  void Write(const SettingKey& setting, std::string_view value) {
    WriteSetting(setting.section, setting.key, value);
  }

 private:
  Registry& registry_;
};

}  // namespace drelm
