#include "core/date_time_text.h"

#include "text/ansi.h"

namespace drelm {

std::string LongTimeText(const LocalDateTime& at, const std::string& am, const std::string& pm) {
  const int hour12 = at.hour % 12 == 0 ? 12 : at.hour % 12;
  std::string result =
      std::to_string(hour12) + ":" + ZeroPadded(at.minute, 2) + ":" + ZeroPadded(at.second, 2);
  const std::string& designator = at.hour < 12 ? am : pm;
  if (!designator.empty()) result += " " + designator;
  return result;
}

std::string ShortDateText(const LocalDateTime& at) {
  return std::to_string(at.month) + "/" + std::to_string(at.day) + "/" + std::to_string(at.year);
}

std::string LongTimeText(Clock& clock) {
  return LongTimeText(clock.Now(), clock.AmDesignator(), clock.PmDesignator());
}

std::string ShortDateText(Clock& clock) {
  return ShortDateText(clock.Now());
}

}  // namespace drelm
