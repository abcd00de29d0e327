#include "options/stats_lines.h"

#include "aol/chat_markup.h"

namespace drelm {

namespace {

constexpr std::string_view kDot = " \xB7 ";

}  // namespace

std::string LoadsLine(const DrelmGlobals& g, std::string_view version, std::string_view loads) {
  const std::string accent = FontColor(g.AsciiColor), plain = FontColor(g.MainColor);
  return "user: " + accent + g.UserHandle + plain + std::string(kDot) + "aol: " + accent +
         std::string(version) + plain + std::string(kDot) + "loads: " + accent + std::string(loads);
}

std::string UptimeLine(const DrelmGlobals& g, std::string_view uptime, std::string_view record) {
  const std::string accent = FontColor(g.AsciiColor), plain = FontColor(g.MainColor);
  return "uptime: " + accent + std::string(uptime) + plain + std::string(kDot) + "rec: " + accent +
         std::string(record);
}

}  // namespace drelm
