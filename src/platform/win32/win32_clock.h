// The real clock: the 64-bit tick (win32_tick.h) for monotonic time and uptime, the local time of
// day and date, and the AM/PM designators, long time and short date formats of the user's locale.
#pragma once

#include "platform/clock.h"

namespace drelm::win32 {

class Win32Clock : public Clock {
 public:
  std::uint64_t MonotonicMs() override;
  double SecondsSinceMidnight() override;
  std::uint64_t UptimeMs() override;
  LocalDateTime Now() override;
  std::string AmDesignator() override;
  std::string PmDesignator() override;
  std::string LongTimeText() override;
  std::string ShortDateText() override;
};

}  // namespace drelm::win32
