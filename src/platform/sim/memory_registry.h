// The registry in memory, typed like the real one: key and value names compare without regard
// to case, data is kept byte for byte with its type. Tests put foreign types in with SetValue
// and can make the store refuse writes.
#pragma once

#include <map>
#include <utility>

#include "platform/registry.h"

namespace drelm::sim {

class MemoryRegistry : public Registry {
 public:
  bool SetValue(const std::string& section, const std::string& name,
                const RegistryValue& value) override;
  std::optional<RegistryValue> QueryValue(const std::string& section,
                                          const std::string& name) override;
  bool DeleteValue(const std::string& section, const std::string& name) override;

  void SetRefuseWrites(bool refuse) { refuseWrites_ = refuse; }
  // Every value as (section, name) -> value, names lower-cased.
  const std::map<std::pair<std::string, std::string>, RegistryValue>& Values() const {
    return values_;
  }

 private:
  std::map<std::pair<std::string, std::string>, RegistryValue> values_;
  bool refuseWrites_ = false;
};

}  // namespace drelm::sim
