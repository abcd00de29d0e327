#include "platform/sim/memory_registry.h"

#include "text/ansi.h"

namespace drelm::sim {

bool MemoryRegistry::SetValue(const std::string& section, const std::string& name,
                              const RegistryValue& value) {
  if (refuseWrites_) return false;
  values_[{LowerAnsi(section), LowerAnsi(name)}] = value;
  return true;
}

std::optional<RegistryValue> MemoryRegistry::QueryValue(const std::string& section,
                                                        const std::string& name) {
  auto it = values_.find({LowerAnsi(section), LowerAnsi(name)});
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

bool MemoryRegistry::DeleteValue(const std::string& section, const std::string& name) {
  if (refuseWrites_) return false;
  values_.erase({LowerAnsi(section), LowerAnsi(name)});
  return true;
}

}  // namespace drelm::sim
