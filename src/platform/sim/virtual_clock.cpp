#include "platform/sim/virtual_clock.h"

#include <string_view>
#include <utility>

namespace drelm::sim {

namespace {

std::string FormatPicture(std::string_view picture, const LocalDateTime& at, std::string_view am,
                          std::string_view pm) {
  std::string out;
  std::size_t i = 0;
  while (i < picture.size()) {
    const char letter = picture[i];
    if (letter == '\'') {
      const std::size_t end = picture.find('\'', i + 1);
      out += picture.substr(i + 1, end == std::string_view::npos ? end : end - i - 1);
      i = end == std::string_view::npos ? picture.size() : end + 1;
      continue;
    }
    std::size_t run = 1;
    while (i + run < picture.size() && picture[i + run] == letter) ++run;
    i += run;
    const std::string_view designator = at.hour < 12 ? am : pm;
    if (letter == 't') {
      out += run >= 2 ? designator : designator.substr(0, 1);
      continue;
    }
    if (letter == 'y' && run >= 3) {
      out += std::to_string(at.year);
      continue;
    }
    const int value = letter == 'h'   ? (at.hour + 11) % 12 + 1
                      : letter == 'H' ? at.hour
                      : letter == 'm' ? at.minute
                      : letter == 's' ? at.second
                      : letter == 'd' ? at.day
                      : letter == 'M' ? at.month
                      : letter == 'y' ? at.year % 100
                                      : -1;
    if (value < 0) {
      out.append(run, letter);
      continue;
    }
    if (run >= 2 && value < 10) out += '0';
    out += std::to_string(value);
  }
  return out;
}

}  // namespace

std::int64_t DaysFromCivil(int year, int month, int day) {
  const std::int64_t y = year - (month <= 2 ? 1 : 0);
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t mp = (month + 9) % 12;
  const std::int64_t doy = (153 * mp + 2) / 5 + day - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

LocalDateTime CivilFromLocalMs(std::int64_t localMs) {
  constexpr std::int64_t kDayMs = 86'400'000;
  std::int64_t days = localMs / kDayMs;
  std::int64_t msOfDay = localMs % kDayMs;
  if (msOfDay < 0) {
    msOfDay += kDayMs;
    --days;
  }
  const std::int64_t z = days + 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  LocalDateTime t;
  t.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  t.year = static_cast<int>(yoe + era * 400 + (t.month <= 2 ? 1 : 0));
  t.hour = static_cast<int>(msOfDay / 3'600'000);
  t.minute = static_cast<int>(msOfDay / 60'000 % 60);
  t.second = static_cast<int>(msOfDay / 1000 % 60);
  t.millisecond = static_cast<int>(msOfDay % 1000);
  return t;
}

VirtualClock::VirtualClock() {
  SetNow(LocalDateTime{2001, 12, 5, 16, 5, 0, 0});
}

void VirtualClock::SetNow(const LocalDateTime& now) {
  const std::int64_t localMs = DaysFromCivil(now.year, now.month, now.day) * 86'400'000 +
                               now.hour * 3'600'000LL + now.minute * 60'000LL +
                               now.second * 1000LL + now.millisecond;
  epochMsAtZero_ = localMs - static_cast<std::int64_t>(monotonicMs_);
}

void VirtualClock::SetFormats(std::string longTime, std::string shortDate) {
  longTimeFormat_ = std::move(longTime);
  shortDateFormat_ = std::move(shortDate);
}

std::string VirtualClock::LongTimeText() {
  return FormatPicture(longTimeFormat_, Now(), am_, pm_);
}

std::string VirtualClock::ShortDateText() {
  return FormatPicture(shortDateFormat_, Now(), am_, pm_);
}

void VirtualClock::SetUptimeMs(std::uint64_t uptimeNow) {
  uptimeAtStartMs_ = uptimeNow - monotonicMs_;
}

void VirtualClock::SetDesignators(std::string am, std::string pm) {
  am_ = std::move(am);
  pm_ = std::move(pm);
}

LocalDateTime VirtualClock::Now() {
  return CivilFromLocalMs(epochMsAtZero_ + static_cast<std::int64_t>(monotonicMs_));
}

double VirtualClock::SecondsSinceMidnight() {
  const LocalDateTime t = Now();
  return t.hour * 3600.0 + t.minute * 60.0 + t.second + t.millisecond / 1000.0;
}

}  // namespace drelm::sim
