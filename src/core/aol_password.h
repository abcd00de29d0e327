// The AOL password that disconnect protection types into "Sign On" in the "set" style. Where
// the system can seal it for the user (Windows 2000 and later) it is kept sealed in
// aolpw/"protected password" and no plain copy is left; where it cannot (Windows 98 and ME) it
// stays plain text in aolpw/password, as earlier versions kept it. A plain value an earlier
// version left is still read, and sealed at the next save.
#pragma once

#include <string>
#include <string_view>

#include "platform/data_protection.h"
#include "platform/registry.h"

namespace drelm {

class AolPassword {
 public:
  AolPassword(Registry& registry, DataProtection& protection)
      : registry_(registry), protection_(protection) {}

  // The sealed password when there is one this user can open, otherwise the plain one; empty
  // when neither is there.
  std::string Read() const;
  // Keeps the password sealed, or plain where sealing is not possible, and removes the other
  // form, so that exactly one copy is left and it is the one Read gives.
  void Write(std::string_view password);

 private:
  Registry& registry_;
  DataProtection& protection_;
};

}  // namespace drelm
