// The current time and date as the program writes them into chat lines and recorded entries:
// the locale's long time ("3:04:05 PM", the designators from the clock) and short date
// ("12/6/2026"), in the United States patterns the original users saw.
#pragma once

#include <string>

#include "platform/clock.h"

namespace drelm {

std::string LongTimeText(const LocalDateTime& at, const std::string& am, const std::string& pm);
std::string ShortDateText(const LocalDateTime& at);

std::string LongTimeText(Clock& clock);
std::string ShortDateText(Clock& clock);

}  // namespace drelm
