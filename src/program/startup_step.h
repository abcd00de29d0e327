// One step of the start-up: whatever it meets (short of the end of the program) the start-up
// goes on with its next step, and the log says what was given up ("start-up skipped the reasons
// list: ...").
#pragma once

#include <functional>
#include <string_view>

#include "core/status_log.h"

namespace drelm {

void StartUpStep(StatusLog& log, std::string_view givenUp, const std::function<void()>& body);

}  // namespace drelm
