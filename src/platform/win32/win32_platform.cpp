#include "platform/win32/win32_platform.h"

#include "platform/file_paths.h"
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
      return FolderOf(path);
    }
    path.resize(path.size() * 2);
  }
  return {};
}

}  // namespace drelm::win32
