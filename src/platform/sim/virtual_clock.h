// A clock that moves only when told: the event loop advances it to the next due event, tests
// set the date, time of day and uptime they need. Its locale is the United States one unless a
// test gives other designators or formats.
#pragma once

#include "platform/clock.h"

namespace drelm::sim {

class VirtualClock : public Clock {
 public:
  VirtualClock();

  std::uint64_t MonotonicMs() override { return monotonicMs_; }
  double SecondsSinceMidnight() override;
  std::uint64_t UptimeMs() override { return uptimeAtStartMs_ + monotonicMs_; }
  LocalDateTime Now() override;
  std::string AmDesignator() override { return am_; }
  std::string PmDesignator() override { return pm_; }
  std::string LongTimeText() override;
  std::string ShortDateText() override;

  void Advance(std::uint64_t ms) { monotonicMs_ += ms; }
  // Sets the local date and time as of now; later readings move on from it.
  void SetNow(const LocalDateTime& now);
  void SetUptimeMs(std::uint64_t uptimeNow);
  void SetDesignators(std::string am, std::string pm);
  // The long time and short date formats in the control panel's pictures: h, hh (12-hour),
  // H, HH (24-hour), m, mm, s, ss, t, tt (the designator or its first letter), d, dd, M, MM,
  // y, yy, yyyy, and text in single quotes.
  void SetFormats(std::string longTime, std::string shortDate);

 private:
  std::uint64_t monotonicMs_ = 1'000'000;
  std::int64_t epochMsAtZero_ = 0;  // local milliseconds since 1970-01-01 at monotonic 0
  std::uint64_t uptimeAtStartMs_ = 3'600'000;
  std::string am_ = "AM";
  std::string pm_ = "PM";
  std::string longTimeFormat_ = "h:mm:ss tt";
  std::string shortDateFormat_ = "M/d/yyyy";
};

// Civil-calendar conversions (proleptic Gregorian), exposed for the tests.
std::int64_t DaysFromCivil(int year, int month, int day);
LocalDateTime CivilFromLocalMs(std::int64_t localMs);

}  // namespace drelm::sim
