#include "core/files.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

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

bool ReplaceFileContents(const std::filesystem::path& file, std::string_view content) {
  std::filesystem::path temp = file;
  temp += ".new";
  std::error_code ignored;
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.flush();
    if (!out) {
      out.close();
      std::filesystem::remove(temp, ignored);
      return false;
    }
  }
  std::error_code error;
  std::filesystem::rename(temp, file, error);
  if (error) std::filesystem::remove(temp, ignored);
  return !error;
}

namespace {

// Flushes the C library's buffer and then the system's, so the bytes are on the disk.
bool FlushToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
#ifdef _WIN32
  return _commit(_fileno(file)) == 0;
#else
  return ::fsync(::fileno(file)) == 0;
#endif
}

bool WriteAll(std::FILE* file, std::string_view bytes) {
  return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

}  // namespace

bool AppendLineDurably(const std::filesystem::path& file, std::string_view line) {
  std::FILE* out = nullptr;
  try {
    out = std::fopen(file.string().c_str(), "ab");
  } catch (const std::exception&) {
    return false;  // a path the ANSI code page cannot spell
  }
  if (out == nullptr) return false;
  const bool written = WriteAll(out, line) && WriteAll(out, "\r\n") && FlushToDisk(out);
  return std::fclose(out) == 0 && written;
}

}  // namespace drelm
