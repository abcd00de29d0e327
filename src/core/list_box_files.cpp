#include "core/list_box_files.h"

#include <optional>

#include "core/file_replace.h"
#include "core/files.h"
#include "text/lines.h"

namespace drelm {

void LoadListFromFile(EventLoop& loop, Files& files, const std::string& file, ListBox& list) {
  const std::optional<std::string> content = ReadFileContents(files, file);
  if (!content) return;
  for (std::string& line : SplitLines(*content)) {
    loop.PumpPending();
    list.items.push_back(std::move(line));
  }
}

bool SaveListToFile(Files& files, const std::string& file, const ListBox& list) {
  std::string content;
  for (const std::string& item : list.items) content += item + "\r\n";
  return ReplaceFileContents(files, file, content);
}

}  // namespace drelm
