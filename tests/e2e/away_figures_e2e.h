// The figures of an away session beside the stand-in AOL client: the program's CPU over a minute
// of idling as the away bot, then over a minute with the client's window thread hung, while the
// program's main window is asked with WM_NULL every quarter second and a menu command is posted
// every five, and each must be answered within a second.
#pragma once

#include <string>
#include <vector>

#include "e2e_support.h"

namespace drelm::e2e {

// The away bot's settings, stored beside a returning user's: a handle, a reason, a short interval.
bool StoreAwayBot();
// Starts idling in the program, which runs beside aol at rest, measures both minutes, checks that
// the status lines come again once the client wakes, and adds the figures to report.
void MeasureAwaySession(ChildProcess& program, ChildProcess& aol, Checks& checks,
                        std::vector<std::string>& report);

}  // namespace drelm::e2e
