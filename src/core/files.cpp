#include "core/files.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <chrono>
#include <exception>
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
int OpenForAppend(const fs::path& path) {
  return ::_wopen(path.c_str(), _O_RDWR | _O_CREAT | _O_APPEND | _O_BINARY | _O_NOINHERIT,
                  _S_IREAD | _S_IWRITE);
}
long long SeekTo(int fd, long long offset, int whence) {
  return ::_lseeki64(fd, offset, whence);
}
bool ReadByte(int fd, char& byte) {
  return ::_read(fd, &byte, 1) == 1;
}
bool CutTo(int fd, long long size) {
  return ::_chsize_s(fd, size) == 0;
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
int OpenForAppend(const fs::path& path) {
  return ::open(path.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
}
long long SeekTo(int fd, long long offset, int whence) {
  return ::lseek(fd, static_cast<off_t>(offset), whence);
}
bool ReadByte(int fd, char& byte) {
  long got = 0;
  do {
    got = ::read(fd, &byte, 1);
  } while (got < 0 && errno == EINTR);
  return got == 1;
}
bool CutTo(int fd, long long size) {
  return ::ftruncate(fd, static_cast<off_t>(size)) == 0;
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

// A file that holds text and whose last byte ends no line: a line typed by hand without its
// end (editors save one that way), or one cut short by a power cut mid-write.
bool EndsMidLine(int fd, long long size) {
  char last = 0;
  return size > 0 && SeekTo(fd, size - 1, SEEK_SET) == size - 1 && ReadByte(fd, last) &&
         last != '\n' && last != '\r';
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

// The entry goes to the end of the file in one write and is on the disk before we return. A
// kill cannot stop the kernel half-way through one write of a line this short, so the file holds
// the entry or not; a write the disk cut short is taken back. Replacing the whole file for every
// entry would be as safe but costs a read and a rewrite of everything recorded so far, which
// grows all session long, and the file is never cleared. A last line without its end, typed by
// hand or torn by a power cut, stays a line of its own instead of being glued to the entry.
bool AppendLineDurably(const fs::path& file, std::string_view line) {
  WriteStep("open for append");
  const int fd = OpenForAppend(file);
  if (fd < 0) return false;
  const long long size = SeekTo(fd, 0, SEEK_END);
  bool written = size >= 0;
  if (written) {
    std::string entry = EndsMidLine(fd, size) ? "\r\n" : "";
    entry.append(line).append("\r\n");
    WriteStep("append line");
    const long put = WritePart(fd, entry.data(), entry.size());
    written = put == static_cast<long>(entry.size());
    if (!written && put > 0) CutTo(fd, size);
  }
  if (written) {
    WriteStep("flush line");
    written = SyncFile(fd);
  }
  return CloseFile(fd) && written;
}

}  // namespace drelm
