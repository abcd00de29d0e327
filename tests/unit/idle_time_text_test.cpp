#include "idle/idle_time_text.h"

#include <gtest/gtest.h>

#include "platform/sim/virtual_clock.h"

namespace drelm {
namespace {

TEST(DurationText, SplitsIntoDaysHoursAndMinutesDroppingSeconds) {
  const std::pair<std::int64_t, const char*> cases[] = {
      {0, "0d 0h 0m"},
      {59, "0d 0h 0m"},
      {-5, "0d 0h 0m"},
      {60, "0d 0h 1m"},
      {100, "0d 0h 1m"},
      {90000, "1d 1h 0m"},
      {3 * 86400 + 4 * 3600 + 15 * 60 + 59, "3d 4h 15m"},
      // 400 days less one second: single precision would round the minutes up to the next day.
      {400LL * 86400 - 1, "399d 23h 59m"},
  };
  for (const auto& [seconds, text] : cases) EXPECT_EQ(DurationText(seconds), text) << seconds;
}

TEST(UptimeText, DropsSecondsAndCarriesDaysPastAMonth) {
  sim::VirtualClock clock;
  clock.SetUptimeMs((86400 + 3600 + 60 + 1) * 1000ULL + 999);
  EXPECT_EQ(UptimeText(clock), "1d 1h 1m");
  EXPECT_EQ(UptimeSeconds(clock), 86400 + 3600 + 60 + 1);
  // Past the 49.7 days where a 32-bit tick count wraps.
  clock.SetUptimeMs(60ULL * 86400 * 1000);
  EXPECT_EQ(UptimeText(clock), "60d 0h 0m");
}

}  // namespace
}  // namespace drelm
