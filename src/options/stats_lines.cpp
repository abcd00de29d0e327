#include "options/stats_lines.h"

namespace drelm {

namespace {

constexpr std::string_view kDot = " \xB7 ";

}  // namespace

std::string LoadsLine(const DrelmGlobals& g, std::string_view version, std::string_view loads) {
  return "user: <font color=#" + g.AsciiColor + ">" + g.UserHandle + "<font color=#" + g.MainColor +
         ">" + std::string(kDot) + "aol: <font color=#" + g.AsciiColor + ">" +
         std::string(version) + "<font color=#" + g.MainColor + ">" + std::string(kDot) +
         "loads: <font color=#" + g.AsciiColor + ">" + std::string(loads);
}

std::string UptimeLine(const DrelmGlobals& g, std::string_view uptime, std::string_view record) {
  return "uptime: <font color=#" + g.AsciiColor + ">" + std::string(uptime) + "<font color=#" +
         g.MainColor + ">" + std::string(kDot) + "rec: <font color=#" + g.AsciiColor + ">" +
         std::string(record);
}

}  // namespace drelm
