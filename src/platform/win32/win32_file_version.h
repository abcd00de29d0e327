// A process's program file and the version its version resource carries, for the shell and for
// telling another program's version from its main window.
#pragma once

#include <string>

#include "platform/types.h"

namespace drelm::win32 {

// Full image path of the process (QueryFullProcessImageNameA), empty when it cannot be opened.
std::string ProcessImagePath(ProcessId pid);
// "major.minor.build.revision" of the file's fixed version information, empty without one.
std::string FileVersionOf(const std::string& path);

}  // namespace drelm::win32
