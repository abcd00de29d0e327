#include "core/list_box_files.h"

#include <fstream>
#include <iterator>
#include <string>

namespace drelm {

void LoadListFromFile(EventLoop& loop, const std::filesystem::path& file, ListBox& list) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return;
  const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::size_t at = 0;
  while (at < content.size()) {
    std::size_t end = content.find_first_of("\r\n", at);
    if (end == std::string::npos) end = content.size();
    std::string line = content.substr(at, end - at);
    at = end;
    if (at < content.size() && content[at] == '\r') ++at;
    if (at < content.size() && content[at] == '\n') ++at;
    loop.PumpPending();
    list.items.push_back(std::move(line));
  }
}

}  // namespace drelm
