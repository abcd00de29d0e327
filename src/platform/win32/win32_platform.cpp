#include "platform/win32/win32_platform.h"

#include "platform/win32/win32_api.h"

namespace drelm::win32 {

std::string Win32Platform::ProgramFolder() {
  // The ANSI path is what every file call of the program takes; a longer one grows the buffer.
  std::string path(MAX_PATH, '\0');
  for (int attempt = 0; attempt < 6; ++attempt) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      const std::size_t last = path.find_last_of("\\/");
      if (last == std::string::npos) return {};
      // "C:\" keeps its separator: "C:" alone would be the drive's current folder.
      return path.substr(0, last == 2 && path[1] == ':' ? last + 1 : last);
    }
    path.resize(path.size() * 2);
  }
  return {};
}

}  // namespace drelm::win32
