#include "text/lines.h"

namespace drelm {

std::vector<std::string> SplitLines(std::string_view content) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < content.size()) {
    std::size_t end = content.find_first_of("\r\n", at);
    if (end == std::string_view::npos) end = content.size();
    lines.emplace_back(content.substr(at, end - at));
    at = end;
    if (at < content.size() && content[at] == '\r') ++at;
    if (at < content.size() && content[at] == '\n') ++at;
  }
  return lines;
}

}  // namespace drelm
