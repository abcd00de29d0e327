// Reading back what the program wrote: a whole file's bytes, and the status log's entries
// without their date and time stamps.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace drelm::testing {

// The file's bytes; empty when it cannot be read.
inline std::string FileText(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

// The messages of the status log's entries, in order.
inline std::vector<std::string> LogEntryMessages(const std::filesystem::path& logFile) {
  const std::string text = FileText(logFile);
  std::vector<std::string> messages;
  constexpr std::string_view kStampEnd = "]| - ";
  for (std::size_t at = 0; (at = text.find(kStampEnd, at)) != std::string::npos;) {
    at += kStampEnd.size();
    messages.push_back(text.substr(at, text.find("\r\n", at) - at));
  }
  return messages;
}

}  // namespace drelm::testing
