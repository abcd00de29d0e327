#include "idle/reasons.h"

#include <algorithm>

#include "core/product_site.h"
#include "core/settings_catalogue.h"
#include "text/ansi.h"

namespace drelm {

namespace {

constexpr char kQuote = '"';

// Occurrences past the point where the text, all of it, would outgrow kMaxExpandedReason stay as
// they are.
std::string ReplaceOnePass(std::string_view text, std::string_view tag, std::string_view value) {
  std::string result;
  std::size_t from = 0;
  std::size_t length = text.size();
  for (std::size_t at = text.find(tag); at != std::string_view::npos; at = text.find(tag, from)) {
    const std::size_t replaced = length - tag.size() + value.size();
    if (value.size() > tag.size() && replaced > kMaxExpandedReason) break;
    length = replaced;
    result.append(text.substr(from, at - from));
    result.append(value);
    from = at + tag.size();
  }
  result.append(text.substr(from));
  return result;
}

std::string SiteLink(std::string_view address, std::string_view name, const std::string& c) {
  std::string link = "< a href=";
  link += kQuote;
  link += address;
  link += kQuote;
  link += ">";
  link += name;
  link += "</a>";
  return link + c;
}

}  // namespace

std::string ExpandReason(std::string_view reason, const ReasonTagValues& values,
                         const std::function<void()>& beforeEachTag) {
  const std::string c = std::string("<font color=#") + kQuote + values.asciiColor + kQuote + ">";
  // "[skin]" has no skin to name: the skins are not chosen anywhere, so the tag keeps what it
  // has always given, the date, which reasons written for it already count on.
  const std::pair<std::string_view, std::string> tags[] = {
      {"[time]", values.time + c},
      {"[date]", values.date + c},
      {"[total]", values.totalDays + "d " + values.totalHours + "h " + values.totalMin + "m " + c},
      {"[skin]", values.date + c},
      {"[drelm]", SiteLink(kProductSiteAddress, "drelm zx", c)},
      {"[twk]", SiteLink(kTwkSiteAddress, "tarnwick warez", c)},
  };
  std::string text = LowerAnsi(reason);
  for (const auto& [tag, value] : tags) {
    if (text.find(tag) == std::string::npos) continue;
    if (beforeEachTag) beforeEachTag();
    text = ReplaceOnePass(text, tag, value);
  }
  return text;
}

ReasonTagValues CurrentReasonTagValues(Clock& clock, const SettingsStore& store,
                                       const std::string& asciiColor) {
  return ReasonTagValues{clock.LongTimeText(),           clock.ShortDateText(),
                         store.Read(setting::kIdleMin),  store.Read(setting::kIdleHours),
                         store.Read(setting::kIdleDays), asciiColor};
}

std::size_t ReasonDrawer::IndexFor(double unit, std::size_t count) {
  const std::int64_t index = RoundHalfEven(unit * static_cast<double>(count));
  return static_cast<std::size_t>(std::clamp<std::int64_t>(index, 0, std::int64_t(count)));
}

double ReasonDrawer::NextUnit(Clock& clock) {
  const auto now = static_cast<std::uint32_t>(clock.SecondsSinceMidnight() * 1000.0) ^
                   static_cast<std::uint32_t>(clock.MonotonicMs());
  generator_.seed(now ^ generator_());
  // 24 bits, like the single-precision generator the draw was written for.
  return static_cast<double>(generator_() >> 8) / 16777216.0;
}

std::string ReasonDrawer::Draw(const std::vector<std::string>& reasons, Clock& clock,
                               const std::function<std::string(const std::string&)>& expand) {
  const bool anyText =
      std::any_of(reasons.begin(), reasons.end(), [](const std::string& r) { return !r.empty(); });
  if (!anyText) return {};
  for (int tries = 0; tries < kReasonDrawMaxTries; ++tries) {
    const std::size_t index = IndexFor(NextUnit(clock), reasons.size());
    // The list can change while an expansion lets window events run; read it afresh.
    if (index >= reasons.size()) continue;
    const std::string entry = reasons[index];
    std::string drawn = expand(entry);
    if (!drawn.empty()) return drawn;
  }
  // A list of mostly empty entries can miss every time; it still has a reason to give.
  for (std::size_t i = 0; i < reasons.size(); ++i) {
    if (reasons[i].empty()) continue;
    const std::string entry = reasons[i];
    std::string drawn = expand(entry);
    if (!drawn.empty()) return drawn;
  }
  return {};
}

}  // namespace drelm
