// The user's data protection: seals a secret so that only the same user, on the same machine,
// can open it again (CryptProtectData on Windows 2000 and later). Windows 98 and ME have none;
// there Protect answers nothing and the caller keeps the secret the way it always did.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace drelm {

class DataProtection {
 public:
  virtual ~DataProtection() = default;
  // The sealed bytes; nothing when the system has no protection or refuses to seal.
  virtual std::optional<std::string> Protect(std::string_view secret) = 0;
  // The secret again; nothing when the bytes are not a seal this user can open here.
  virtual std::optional<std::string> Unprotect(std::string_view sealed) = 0;
};

}  // namespace drelm
