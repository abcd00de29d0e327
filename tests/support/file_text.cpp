#include "support/file_text.h"

#include <fstream>
#include <iterator>
#include <string_view>

namespace drelm::testing {

std::string FileText(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

std::vector<std::string> LogEntryMessages(const std::filesystem::path& logFile) {
  const std::string text = FileText(logFile);
  std::vector<std::string> messages;
  constexpr std::string_view kStampEnd = "]| - ";
  std::size_t at = 0;
  while ((at = text.find(kStampEnd, at)) != std::string::npos) {
    at += kStampEnd.size();
    const std::size_t end = text.find("\r\n", at);
    messages.push_back(text.substr(at, end - at));
  }
  return messages;
}

}  // namespace drelm::testing
