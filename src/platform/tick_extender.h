// A 64-bit millisecond count made from a 32-bit one that wraps every 49.7 days (GetTickCount,
// where GetTickCount64 is missing). A reading below the one before is counted as a wrap, so the
// count never goes back as long as it is read at least once per wrap; the program reads it many
// times a minute. Not for several threads at once: its owner serialises the readings.
#pragma once

#include <cstdint>

namespace drelm {

class TickExtender {
 public:
  std::uint64_t Extend(std::uint32_t tick);

 private:
  std::uint64_t wraps_ = 0;
  std::uint32_t last_ = 0;
};

}  // namespace drelm
