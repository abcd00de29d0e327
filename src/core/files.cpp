#include "core/files.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <chrono>
#include <exception>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#else
#include <unistd.h>

#include <cerrno>
#endif

#include "platform/winuser_constants.h"
#include "platform/write_steps.h"

namespace drelm {

namespace fs = std::filesystem;

bool FileExists(const fs::path& path) {
  if (path.empty()) return false;
  // A folder is not a file: nothing that asks here could read or play one.
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  return fs::exists(status) && !fs::is_directory(status);
}

void PlaySoundFile(Shell& shell, const fs::path& path) {
  if (!FileExists(path)) return;
  try {
    shell.PlaySound(path.string(), SND_ASYNC | SND_NODEFAULT);
  } catch (const std::exception&) {
    // A path the ANSI code page cannot spell cannot be played either.
  }
}

fs::path ClickSoundPath(const fs::path& programFolder) {
  return programFolder / kClickSoundFileName;
}

namespace {

// A temporary file this old belongs to a writer that died mid-write: no write of these small
// files takes anywhere near as long, so removing it cannot pull one from under a live writer.
constexpr auto kStaleTempAge = std::chrono::minutes(10);

#ifdef _WIN32
int OpenNewFile(const fs::path& path, const fs::path&) {
  return ::_wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                  _S_IREAD | _S_IWRITE);
}
long WritePart(int fd, const char* data, std::size_t size) {
  constexpr std::size_t kMaxPart = std::size_t{1} << 30;
  return ::_write(fd, data, static_cast<unsigned>(size < kMaxPart ? size : kMaxPart));
}
bool SyncFile(int fd) {
  return ::_commit(fd) == 0;
}
bool CloseFile(int fd) {
  return ::_close(fd) == 0;
}
long ProcessId() {
  return ::_getpid();
}
// The C library cannot flush a folder on Windows; NTFS journals the rename itself.
void SyncFolder(const fs::path&) {}
#else
// The new file takes the old one's permissions, so replacing a file the user made private
// does not open it to others.
int OpenNewFile(const fs::path& path, const fs::path& replaced) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  struct stat old {};
  if (fd >= 0 && ::stat(replaced.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
  return fd;
}
long WritePart(int fd, const char* data, std::size_t size) {
  long put = 0;
  do {
    put = ::write(fd, data, size);
  } while (put < 0 && errno == EINTR);
  return put;
}
bool SyncFile(int fd) {
  return ::fsync(fd) == 0;
}
bool CloseFile(int fd) {
  return ::close(fd) == 0;
}
long ProcessId() {
  return ::getpid();
}
// The rename is only on the disk once the folder is; if this fails the new contents still
// stand, they may just not survive a power cut.
void SyncFolder(const fs::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}
#endif

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const long put = WritePart(fd, bytes.data(), bytes.size());
    if (put <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(put));
  }
  return true;
}

fs::path FolderOf(const fs::path& file) {
  return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// Each process writes its own "<name>.<process id>.new", so two running copies never write
// into one temporary file; earlier versions used "<name>.new".
fs::path TempFileFor(const fs::path& file) {
  fs::path temp = file;
  temp += "." + std::to_string(ProcessId()) + ".new";
  return temp;
}

bool IsTempFileOf(const fs::path::string_type& candidate, const fs::path& file) {
  const fs::path::string_type prefix = file.filename().native() + fs::path(".").native();
  const fs::path::string_type suffix = fs::path(".new").native();
  if (candidate == file.filename().native() + suffix) return true;
  if (candidate.size() <= prefix.size() + suffix.size()) return false;
  if (candidate.compare(0, prefix.size(), prefix) != 0) return false;
  if (candidate.compare(candidate.size() - suffix.size(), suffix.size(), suffix) != 0) return false;
  for (std::size_t i = prefix.size(); i < candidate.size() - suffix.size(); ++i) {
    if (candidate[i] < '0' || candidate[i] > '9') return false;
  }
  return true;
}

// What a writer killed mid-write left behind is never read, only swept once it is old.
void RemoveStaleTempFiles(const fs::path& file) {
  std::error_code error;
  const auto now = fs::file_time_type::clock::now();
  for (fs::directory_iterator it(FolderOf(file), error), end; !error && it != end;
       it.increment(error)) {
    if (!IsTempFileOf(it->path().filename().native(), file)) continue;
    std::error_code ignored;
    const auto written = fs::last_write_time(it->path(), ignored);
    if (!ignored && now - written > kStaleTempAge) fs::remove(it->path(), ignored);
  }
}

// Empty for a missing file; nothing when the file is there but cannot be read, since writing
// over it would lose what it holds.
std::optional<std::string> ReadExistingFile(const fs::path& file) {
  std::error_code error;
  const fs::file_type type = fs::status(file, error).type();
  if (type == fs::file_type::not_found) return std::string();
  if (type != fs::file_type::regular) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  try {
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return content;
  } catch (const std::ios_base::failure&) {
    return std::nullopt;  // a read error part-way through
  }
}

}  // namespace

// The order is what makes it whole: the new contents are on the disk before the rename makes
// them the file, and the rename is on the disk before we report success. A kill or a power
// cut at any point leaves the old file or the new one.
bool ReplaceFileContents(const fs::path& file, std::string_view content) {
  const fs::path temp = TempFileFor(file);
  std::error_code ignored;
  // Only a dead writer that had our process id can have left this one.
  fs::remove(temp, ignored);
  WriteStep("create temp");
  const int fd = OpenNewFile(temp, file);
  if (fd < 0) return false;
  WriteStep("write temp");
  bool written = WriteAll(fd, content);
  if (written) {
    WriteStep("flush temp");
    written = SyncFile(fd);
  }
  if (!CloseFile(fd) || !written) {
    fs::remove(temp, ignored);
    return false;
  }
  WriteStep("rename");
  std::error_code error;
  fs::rename(temp, file, error);
  if (error) {
    fs::remove(temp, ignored);
    return false;
  }
  WriteStep("flush folder");
  SyncFolder(FolderOf(file));
  WriteStep("remove stale temps");
  RemoveStaleTempFiles(file);
  return true;
}

// Appending in place would leave a line cut short by a kill or a power cut at the end of the
// file, and nothing could later tell it from a last line typed by hand without its end (editors
// save one that way): it could be neither dropped nor trusted, and the next entry would be glued
// onto it. So the file is replaced whole with the line added, and every state it passes through
// on the disk is the old file or the new one. The messages file holds what people said to an
// absent user, a few lines a session, so the rewrite costs little.
bool AppendLineDurably(const fs::path& file, std::string_view line) {
  std::optional<std::string> content = ReadExistingFile(file);
  if (!content) return false;
  // A last line without its end stays a line of its own.
  if (!content->empty() && content->back() != '\n' && content->back() != '\r') *content += "\r\n";
  content->append(line);
  *content += "\r\n";
  return ReplaceFileContents(file, *content);
}

}  // namespace drelm
