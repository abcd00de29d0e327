#include "core/list_box_files.h"

#include <fstream>
#include <iterator>
#include <string>

#include "core/files.h"
#include "text/lines.h"

namespace drelm {

void LoadListFromFile(EventLoop& loop, const std::filesystem::path& file, ListBox& list) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return;
  const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  for (std::string& line : SplitLines(content)) {
    loop.PumpPending();
    list.items.push_back(std::move(line));
  }
}

bool SaveListToFile(const std::filesystem::path& file, const ListBox& list) {
  std::string content;
  for (const std::string& item : list.items) content += item + "\r\n";
  return ReplaceFileContents(file, content);
}

}  // namespace drelm
