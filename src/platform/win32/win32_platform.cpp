#include "platform/win32/win32_platform.h"

#include <string>

#include "platform/win32/win32_api.h"

namespace drelm::win32 {

std::filesystem::path Win32Platform::ProgramFolder() {
  // Wide, so the path is exact whatever the ANSI code page; long paths grow the buffer.
  std::wstring path(MAX_PATH, L'\0');
  for (int attempt = 0; attempt < 6; ++attempt) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return std::filesystem::path(path).parent_path();
    }
    path.resize(path.size() * 2);
  }
  return {};
}

}  // namespace drelm::win32
