#include "platform/win32/win32_registry.h"

#include <algorithm>

#include "platform/win32/win32_api.h"

namespace drelm::win32 {

namespace {

// A value that changes size between the size query and the read is asked again, a few times.
constexpr int kReadAttempts = 4;
// Settings are short texts; anything beyond this is not ours to load.
constexpr DWORD kMaxValueBytes = 16u << 20;

class OpenKey {
 public:
  explicit OpenKey(HKEY key) : key_(key) {}
  ~OpenKey() {
    if (key_) RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  HKEY get() const { return key_; }

 private:
  HKEY key_;
};

}  // namespace

std::string Win32Registry::SectionPath(const std::string& section) {
  return std::string(kSettingsRoot) + "\\" + section;
}

bool Win32Registry::SetValue(const std::string& section, const std::string& name,
                             const RegistryValue& value) {
  HKEY raw = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, nullptr,
                      REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &raw,
                      nullptr) != ERROR_SUCCESS) {
    return false;
  }
  OpenKey key(raw);
  if (value.data.size() > kMaxValueBytes) return false;
  return RegSetValueExA(key.get(), name.c_str(), 0, value.type,
                        reinterpret_cast<const BYTE*>(value.data.data()),
                        static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
}

std::optional<RegistryValue> Win32Registry::QueryValue(const std::string& section,
                                                       const std::string& name) {
  HKEY raw = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, KEY_QUERY_VALUE, &raw) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  OpenKey key(raw);
  for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        size > kMaxValueBytes) {
      return std::nullopt;
    }
    std::string data(size, '\0');
    DWORD got = size;
    const LSTATUS status =
        RegQueryValueExA(key.get(), name.c_str(), nullptr, &type,
                         size ? reinterpret_cast<BYTE*>(data.data()) : nullptr, &got);
    if (status == ERROR_MORE_DATA) continue;
    if (status != ERROR_SUCCESS) return std::nullopt;
    data.resize(std::min<DWORD>(got, size));
    return RegistryValue{type, std::move(data)};
  }
  return std::nullopt;
}

bool Win32Registry::DeleteValue(const std::string& section, const std::string& name) {
  HKEY raw = nullptr;
  const LSTATUS opened =
      RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, KEY_SET_VALUE, &raw);
  if (opened == ERROR_FILE_NOT_FOUND) return true;
  if (opened != ERROR_SUCCESS) return false;
  OpenKey key(raw);
  const LSTATUS status = RegDeleteValueA(key.get(), name.c_str());
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

}  // namespace drelm::win32
