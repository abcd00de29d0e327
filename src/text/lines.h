// Splitting a text file's bytes into lines the way the program's list files are read back.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace drelm {

// Lines ended by CR, LF or CRLF; a last line without an end counts, an end at the very end
// adds no empty line.
std::vector<std::string> SplitLines(std::string_view content);

}  // namespace drelm
