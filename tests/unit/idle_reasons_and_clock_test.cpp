// The reasons' tags, the draw's index, the idle clock's roll-over of labels and totals, the
// duration and uptime texts, and the simulated clock's times and dates in the formats a test gives.
#include <gtest/gtest.h>

#include "core/settings_store.h"
#include "idle/idle_clock.h"
#include "idle/idle_time_text.h"
#include "idle/reasons.h"
#include "platform/sim/memory_registry.h"
#include "platform/sim/virtual_clock.h"

namespace drelm {
namespace {

const ReasonTagValues kValues{"3:04:05 PM", "12/6/2026", "7", "2", "1", "aa"};
constexpr const char* kTimeValue = "3:04:05 PM<font color=#\"aa\">";

// A tag, with text before or after it, in a reason whose expansion comes to length.
std::string ReasonExpandingTo(std::size_t length, bool textAfter) {
  const std::string text(length - std::string(kTimeValue).size(), 'x');
  return textAfter ? "[time]" + text : text + "[time]";
}

TEST(ExpandReasonTest, TagsAnyCaseAndValuesThatHoldTags) {
  constexpr const char* c = "<font color=#\"aa\">";
  struct Case {
    std::string reason;
    std::string expanded;
  };
  const Case cases[] = {
      {"AT LUNCH", "at lunch"},
      {"Back at [TIME]", std::string("back at 3:04:05 PM") + c},
      {"[date] [Skin]", std::string("12/6/2026") + c + " 12/6/2026" + c},
      {"idled [total]!", std::string("idled 1d 2h 7m ") + c + "!"},
      {"[time][time]", std::string("3:04:05 PM") + c + "3:04:05 PM" + c},
      {"see [drelm]",
       std::string("see < a href=\"http://www.drelm-idle.example/\">drelm zx</a>") + c},
      {"[twk]",
       std::string("< a href=\"http://www.tarnwick-warez.example/\">tarnwick warez</a>") + c},
      {"", ""},
  };
  for (const Case& t : cases) EXPECT_EQ(ExpandReason(t.reason, kValues), t.expanded) << t.reason;
  // The expansion may reach its cap, all text around the tag counted, but not pass it.
  for (const bool textAfter : {false, true}) {
    for (const std::size_t length : {kMaxExpandedReason, kMaxExpandedReason + 1}) {
      const std::string reason = ReasonExpandingTo(length, textAfter);
      const bool fits = length <= kMaxExpandedReason;
      EXPECT_EQ(ExpandReason(reason, kValues).size(), fits ? length : reason.size()) << length;
    }
  }

  ReasonTagValues looping = kValues;
  looping.asciiColor = "[time][drelm]";
  looping.time = "[time]";
  int pumps = 0;
  const std::string expanded = ExpandReason("[time] [twk]", looping, [&] { ++pumps; });
  EXPECT_EQ(pumps, 3) << "one pump per tag present, including one a value brought in";
  EXPECT_NE(expanded.find("[time]"), std::string::npos) << "values are not expanded again";
}

TEST(ReasonDrawTest, IndexRoundsHalvesToEvenAndCanPassTheLastEntry) {
  struct Case {
    double unit;
    std::size_t count, index;
  };
  for (const Case& c : {Case{0.0, 3, 0},
                        {0.16, 3, 0},
                        {0.5, 3, 2},
                        {0.5, 1, 0},
                        {0.8, 3, 2},
                        {0.9, 3, 3},
                        {0.75, 2, 2},
                        {0.25, 2, 0},
                        {0.999, 0, 0}}) {
    EXPECT_EQ(ReasonDrawer::IndexFor(c.unit, c.count), c.index) << c.unit << " of " << c.count;
  }
}

TEST(ReasonDrawTest, DrawsThatAllMissAReasonPostTheFirstReasonWithTextInsteadOfNone) {
  sim::VirtualClock clock;
  std::vector<std::string> reasons(100000);
  reasons[70000] = "first";
  reasons[90000] = "second";
  ReasonDrawer drawer;
  EXPECT_EQ(drawer.Draw(reasons, clock, [](const std::string& entry) { return entry; }), "first");
}

TEST(IdleClockTest, LabelsAndTotalsRollOver) {
  struct Case {
    std::vector<std::string> labels, totals, nextLabels, nextTotals;  // minutes, hours, days
  };
  const Case cases[] = {
      {{"12/m", "0/h", "0/d"}, {"5", "0", "0"}, {"13/m", "0/h", "0/d"}, {"6", "0", "0"}},
      {{"59/m", "23/h", "0/d"}, {"59", "23", "4"}, {"0/m", "0/h", "1/d"}, {"0", "0", "5"}},
      {{"59/m", "2/h", "7/d"}, {"59", "2", "0"}, {"0/m", "3/h", "7/d"}, {"0", "3", "0"}},
      {{"0/m", "0/h", "0/d"}, {}, {"1/m", "0/h", "0/d"}, {"1", "0", "0"}},
  };
  const char* keys[] = {"MIN", "HOURS", "DAYS"};
  for (const Case& c : cases) {
    sim::MemoryRegistry registry;
    SettingsStore store(registry);
    for (std::size_t i = 0; i < c.totals.size(); ++i)
      store.WriteSetting("idler", keys[i], c.totals[i]);
    Label mins("lblMins", c.labels[0]), hours("lblHours", c.labels[1]),
        days("lblDays", c.labels[2]);
    AdvanceIdleClock({mins, hours, days}, store);
    EXPECT_EQ((std::vector{mins.caption, hours.caption, days.caption}), c.nextLabels);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(store.ReadSetting("idler", keys[i]), c.nextTotals[i]);
  }
}

TEST(VirtualClockTest, LongTimeAndShortDateFollowTheFormatsGiven) {
  struct Case {
    LocalDateTime now;
    const char* longTime;  // nullptr: the United States formats the clock starts with
    const char* shortDate;
    std::string time, date;
  };
  const Case cases[] = {
      {{2026, 12, 6, 15, 4, 5, 0}, nullptr, nullptr, "3:04:05 PM", "12/6/2026"},
      {{2026, 12, 7, 0, 49, 35, 0}, "HH:mm:ss", "dd.MM.yyyy", "00:49:35", "07.12.2026"},
      {{2009, 3, 4, 9, 5, 7, 0}, "H 'h' m t", "yy-M-d", "9 h 5 A", "09-3-4"},
  };
  for (const Case& c : cases) {
    sim::VirtualClock clock;
    clock.SetNow(c.now);
    if (c.longTime) clock.SetFormats(c.longTime, c.shortDate);
    EXPECT_EQ(clock.LongTimeText(), c.time);
    EXPECT_EQ(clock.ShortDateText(), c.date);
  }
}

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
