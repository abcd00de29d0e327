#include "core/aol_password.h"

#include <optional>

#include "core/settings_catalogue.h"
#include "core/settings_store.h"

namespace drelm {

namespace {

const std::string kSection(kSectionAolPw);
const std::string kPlainName(setting::kPassword.key);
const std::string kSealedName(setting::kProtectedPasswordName);

}  // namespace

std::string AolPassword::Read() const {
  const std::optional<RegistryValue> sealed = registry_.QueryValue(kSection, kSealedName);
  if (sealed && sealed->type == kRegBinary) {
    if (std::optional<std::string> password = protection_.Unprotect(sealed->data)) {
      return *password;
    }
  }
  return SettingsStore(registry_).Read(setting::kPassword);
}

void AolPassword::Write(std::string_view password) {
  const std::optional<std::string> sealed = protection_.Protect(password);
  if (sealed && registry_.SetValue(kSection, kSealedName, RegistryValue{kRegBinary, *sealed})) {
    registry_.DeleteValue(kSection, kPlainName);
    return;
  }
  // Without a seal the password is kept as earlier versions kept it; a seal left from before
  // would otherwise be read in its place.
  if (registry_.SetValue(kSection, kPlainName, RegistryValue{kRegSz, std::string(password)})) {
    registry_.DeleteValue(kSection, kSealedName);
  }
}

}  // namespace drelm
