// The user's data protection of Windows 2000 and later: CryptProtectData and
// CryptUnprotectData of crypt32.dll, found at run time, so that on Windows 98 and ME (where
// neither exists) both calls answer nothing and the secret stays as it always was.
#pragma once

#include "platform/data_protection.h"

namespace drelm::win32 {

class Win32DataProtection : public DataProtection {
 public:
  std::optional<std::string> Protect(std::string_view secret) override;
  std::optional<std::string> Unprotect(std::string_view sealed) override;
};

}  // namespace drelm::win32
