#include "core/status_log.h"

#include <gtest/gtest.h>

namespace drelm {
namespace {

TEST(FormatLogEntry, TwelveHourClockAroundMidnightAndNoonAndTheLocalesDesignators) {
  const struct {
    int hour, minute;
    const char* time;
  } kCases[] = {{0, 30, "12:30 AM"},  {0, 0, "12:00 AM"},  {1, 5, "01:05 AM"},
                {11, 59, "11:59 AM"}, {12, 0, "12:00 PM"}, {12, 30, "12:30 PM"},
                {13, 0, "01:00 PM"},  {23, 59, "11:59 PM"}};
  for (const auto& c : kCases) {
    const LocalDateTime at{2001, 12, 5, c.hour, c.minute, 0, 0};
    EXPECT_EQ(FormatLogEntry(at, "AM", "PM", "m"),
              std::string("<d> |[12-05-01]|[") + c.time + "]| - m")
        << c.hour << ":" << c.minute;
  }
  EXPECT_EQ(FormatLogEntry({2010, 10, 31, 20, 7, 0, 0}, "vorm.", "nachm.", "m"),
            "<d> |[10-31-10]|[08:07 nachm.]| - m");
}

}  // namespace
}  // namespace drelm
