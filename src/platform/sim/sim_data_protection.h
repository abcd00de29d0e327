// The data protection of a simulated desktop: absent, like on Windows 98 and ME, until a test
// makes it available; then a seal that never holds the secret's bytes as they are and that
// only this protection opens.
#pragma once

#include "platform/data_protection.h"

namespace drelm::sim {

class SimDataProtection : public DataProtection {
 public:
  std::optional<std::string> Protect(std::string_view secret) override;
  std::optional<std::string> Unprotect(std::string_view sealed) override;

  void SetAvailable(bool available) { available_ = available; }

 private:
  bool available_ = false;
};

}  // namespace drelm::sim
