// Time as the program sees it: a monotonic millisecond count for waits and timers, the time of
// day (the "Timer" of the original, seconds since midnight with fraction), the Windows uptime,
// the local date and time with the locale's AM/PM designators, and the current time and date
// written the way the user's settings write them.
#pragma once

#include <cstdint>
#include <string>

namespace drelm {

struct LocalDateTime {
  int year = 2001;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
  int hour = 0;   // 0..23
  int minute = 0;
  int second = 0;
  int millisecond = 0;
  bool operator==(const LocalDateTime&) const = default;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::uint64_t MonotonicMs() = 0;
  virtual double SecondsSinceMidnight() = 0;
  // Milliseconds since Windows started, never wrapping: GetTickCount64, or where that is missing
  // (before Vista) GetTickCount with its wraps counted from the program's start, so a Windows up
  // for more than 49.7 days when the program started reads a multiple of 49.7 days short.
  virtual std::uint64_t UptimeMs() = 0;
  virtual LocalDateTime Now() = 0;
  virtual std::string AmDesignator() = 0;
  virtual std::string PmDesignator() = 0;
  // Now in the user's long time format and today in the short date format ("3:04:05 PM" and
  // "12/6/2026" with the United States settings, "15:04:05" and "06.12.2026" with German ones).
  virtual std::string LongTimeText() = 0;
  virtual std::string ShortDateText() = 0;
};

}  // namespace drelm
