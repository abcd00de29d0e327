// The version a program file's version resource carries, for the shell and for telling another
// program's version from its main window.
#pragma once

#include <string>

namespace drelm::win32 {

// "major.minor.build.revision" of the file's fixed version information, empty without one.
std::string FileVersionOf(const std::string& path);

}  // namespace drelm::win32
