#include "idle/idle_time_text.h"

namespace drelm {

namespace {

constexpr std::int64_t kSecondsPerMinute = 60;

std::string DaysHoursMinutes(std::int64_t days, std::int64_t hours, std::int64_t minutes) {
  return std::to_string(days) + "d " + std::to_string(hours) + "h " + std::to_string(minutes) + "m";
}

}  // namespace

std::int64_t UptimeSeconds(Clock& clock) {
  // The 64-bit count never turns negative or wraps, however long Windows has run.
  return static_cast<std::int64_t>(clock.UptimeMs() / 1000);
}

std::string UptimeText(Clock& clock) {
  return DurationText(UptimeSeconds(clock));
}

std::string DurationText(std::int64_t seconds) {
  if (seconds < kSecondsPerMinute) return DaysHoursMinutes(0, 0, 0);
  // Whole-number division: exact for any record, where single precision would round a long
  // record's minutes up.
  const std::int64_t totalMinutes = seconds / kSecondsPerMinute;
  const std::int64_t totalHours = totalMinutes / 60;
  const std::int64_t days = totalHours / 24;
  return DaysHoursMinutes(days, totalHours - 24 * days, totalMinutes - 60 * totalHours);
}

}  // namespace drelm
