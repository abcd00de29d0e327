// The away reasons of the reasons list as the status scroller posts them: drawn at random, then
// lower-cased with their tags ("[time]", "[date]", "[total]", "[skin]", "[drelm]", "[twk]")
// replaced by what they stand for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings_store.h"
#include "platform/clock.h"

namespace drelm {

inline constexpr std::string_view kTwkSiteAddress = "http://www.tarnwick-warez.example/";

// A list whose entries all expand to nothing would otherwise be drawn from for ever; with at
// least one entry that has text, the chance of this many misses in a row is below 2^-100.
inline constexpr int kReasonDrawMaxTries = 100;

// A value brought in by one tag may hold the tags replaced after it (a colour typed as
// "[twk][twk]"), so each kind of tag could multiply the text; no pass makes it longer than this.
inline constexpr std::size_t kMaxExpandedReason = 64 * 1024;

struct ReasonTagValues {
  std::string time;  // the long time, e.g. "3:04:05 PM"
  std::string date;  // the short date, e.g. "12/6/2026"
  std::string totalMin;
  std::string totalHours;
  std::string totalDays;
  std::string asciiColor;
};

// The reason in lower case with every tag replaced. Each tag is replaced in one pass over the
// text, so a value that itself holds a tag cannot make the expansion run on. beforeEachTag runs
// once before each tag that occurs (the scroller lets waiting window events run there).
std::string ExpandReason(std::string_view reason, const ReasonTagValues& values,
                         const std::function<void()>& beforeEachTag = {});

// The values of the tags now: the clock's time and date, the stored idle totals, the colour.
ReasonTagValues CurrentReasonTagValues(Clock& clock, const SettingsStore& store,
                                       const std::string& asciiColor);

// Picks entries the way the original did: the generator reseeded from the clock before every
// draw, a number in [0, 1) times the count rounded half to even, so the first entry comes half
// as often and one past the last gives nothing and a new draw.
class ReasonDrawer {
 public:
  // The expanded entry drawn; when kReasonDrawMaxTries draws all gave nothing, the first entry
  // that expands to text; empty text when none does.
  std::string Draw(const std::vector<std::string>& reasons, Clock& clock,
                   const std::function<std::string(const std::string&)>& expand);

  // The index for a number in [0, 1): may equal count, which is past the last entry.
  static std::size_t IndexFor(double unit, std::size_t count);

 private:
  double NextUnit(Clock& clock);

  // Reseeding mixes the clock with the previous state, so draws within one instant of a
  // virtual or coarse clock still differ.
  std::mt19937 generator_;
};

}  // namespace drelm
