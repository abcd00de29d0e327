// Reading back what the program wrote: a whole file's bytes, and the status log's entries
// without their date and time stamps.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace drelm::testing {

// The file's bytes; empty when it cannot be read.
std::string FileText(const std::filesystem::path& path);
// The messages of the status log's entries, in order.
std::vector<std::string> LogEntryMessages(const std::filesystem::path& logFile);

}  // namespace drelm::testing
