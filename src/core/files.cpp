#include "core/files.h"

#include <exception>
#include <system_error>

#include "platform/winuser_constants.h"

namespace drelm {

bool FileExists(const std::filesystem::path& path) {
  if (path.empty()) return false;
  // A folder is not a file: nothing that asks here could read or play one.
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  return std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

void PlaySoundFile(Shell& shell, const std::filesystem::path& path) {
  if (!FileExists(path)) return;
  try {
    shell.PlaySound(path.string(), SND_ASYNC | SND_NODEFAULT);
  } catch (const std::exception&) {
    // A path the ANSI code page cannot spell cannot be played either.
  }
}

std::filesystem::path ClickSoundPath(const std::filesystem::path& programFolder) {
  return programFolder / kClickSoundFileName;
}

}  // namespace drelm
