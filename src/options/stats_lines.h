// The two statistics lines that the start-up's advertising and "brag stats" post: the handle,
// the AOL version and the loads; the Windows uptime and its record. Labels in the text colour,
// values in the decoration colour, separated by middle dots.
#pragma once

#include <string>
#include <string_view>

#include "core/drelm_globals.h"

namespace drelm {

// "user: <handle> · aol: <version> · loads: <loads>", each value in the decoration colour.
std::string LoadsLine(const DrelmGlobals& globals, std::string_view version,
                      std::string_view loads);
// "uptime: <uptime> · rec: <record>", each value in the decoration colour.
std::string UptimeLine(const DrelmGlobals& globals, std::string_view uptime,
                       std::string_view record);

}  // namespace drelm
