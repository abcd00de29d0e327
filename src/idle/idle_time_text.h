// Days, hours and minutes as the statistics show them ("3d 4h 15m"): the time since Windows
// started, and a stored number of seconds such as the uptime record. Seconds are dropped.
#pragma once

#include <cstdint>
#include <string>

#include "platform/clock.h"

namespace drelm {

// Whole seconds since Windows started.
std::int64_t UptimeSeconds(Clock& clock);
// The time since Windows started as d + "d " + h + "h " + m + "m".
std::string UptimeText(Clock& clock);
// seconds as d + "d " + h + "h " + m + "m"; anything below a minute (negative included) reads
// "0d 0h 0m".
std::string DurationText(std::int64_t seconds);

}  // namespace drelm
