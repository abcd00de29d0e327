// The reasons' tags, the draw's index, the idle clock's roll-over of labels and totals and the
// duration texts.
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
  // A value holding its own tag ends instead of growing for ever.
  ReasonTagValues looping = kValues;
  looping.asciiColor = "[time][drelm]";
  looping.time = "[time]";
  int pumps = 0;
  const std::string expanded = ExpandReason("[time] [twk]", looping, [&] { ++pumps; });
  EXPECT_EQ(pumps, 3) << "one pump per tag present, including one a value brought in";
  EXPECT_NE(expanded.find("[time]"), std::string::npos) << "values are not expanded again";
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

}  // namespace
}  // namespace drelm
