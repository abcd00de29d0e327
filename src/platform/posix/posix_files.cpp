#include "platform/posix/posix_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>

namespace drelm::posix {

namespace {

class PosixOpenFile : public OpenFile {
 public:
  explicit PosixOpenFile(int fd) : fd_(fd) {}
  ~PosixOpenFile() override { Close(); }
  PosixOpenFile(const PosixOpenFile&) = delete;
  PosixOpenFile& operator=(const PosixOpenFile&) = delete;

  long Write(std::string_view bytes) override {
    long put = 0;
    do {
      put = ::write(fd_, bytes.data(), bytes.size());
    } while (put < 0 && errno == EINTR);
    return put;
  }
  bool Flush() override { return ::fsync(fd_) == 0; }
  long long Size() override {
    struct stat info {};
    return ::fstat(fd_, &info) == 0 ? static_cast<long long>(info.st_size) : -1;
  }
  bool ReadByteAt(long long offset, char& byte) override {
    long got = 0;
    do {
      got = ::pread(fd_, &byte, 1, static_cast<off_t>(offset));
    } while (got < 0 && errno == EINTR);
    return got == 1;
  }
  bool CutTo(long long size) override { return ::ftruncate(fd_, static_cast<off_t>(size)) == 0; }
  bool Close() override {
    if (fd_ < 0) return true;
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

std::unique_ptr<OpenFile> Wrap(int fd) {
  return fd < 0 ? nullptr : std::make_unique<PosixOpenFile>(fd);
}

double SecondsOf(const timespec& time) {
  return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_nsec) / 1e9;
}

}  // namespace

// The new file takes the old one's permissions, so replacing a file the user made private does
// not open it to others.
std::unique_ptr<OpenFile> PosixFiles::CreateNew(const std::string& path,
                                                const std::string& permissionsOf) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  struct stat old {};
  if (fd >= 0 && ::stat(permissionsOf.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
  return Wrap(fd);
}

std::unique_ptr<OpenFile> PosixFiles::OpenForAppend(const std::string& path) {
  return Wrap(::open(path.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0666));
}

std::optional<std::string> PosixFiles::ReadAll(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string bytes;
  char buffer[16384];
  for (;;) {
    const long got = ::read(fd, buffer, sizeof buffer);
    if (got == 0) break;
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      ::close(fd);
      return std::nullopt;
    }
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(fd);
  return bytes;
}

bool PosixFiles::IsFile(const std::string& path) {
  struct stat info {};
  return !path.empty() && ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool PosixFiles::Remove(const std::string& path) {
  return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

bool PosixFiles::Rename(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
    return true;
  }
  // A file system that cannot refuse to replace in the kernel: ask first.
  if (errno != EINVAL && errno != ENOSYS) return false;
  struct stat taken {};
  return ::lstat(to.c_str(), &taken) != 0 && errno == ENOENT &&
         ::rename(from.c_str(), to.c_str()) == 0;
}

ReplaceResult PosixFiles::ReplaceAtomically(const std::string& from, const std::string& to) {
  if (!canReplaceAtomically_) return ReplaceResult::kUnavailable;
  return ::rename(from.c_str(), to.c_str()) == 0 ? ReplaceResult::kReplaced
                                                 : ReplaceResult::kFailed;
}

// A rename is only on the disk once its folder is; if this fails the new name still stands, it
// may just not survive a power cut.
void PosixFiles::FlushFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

std::vector<FolderFile> PosixFiles::ListFiles(const std::string& folder) {
  std::vector<FolderFile> files;
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return files;
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  while (const dirent* entry = ::readdir(dir)) {
    struct stat info {};
    if (::fstatat(::dirfd(dir), entry->d_name, &info, 0) != 0 || S_ISDIR(info.st_mode)) continue;
    files.push_back({entry->d_name, SecondsOf(now) - SecondsOf(info.st_mtim)});
  }
  ::closedir(dir);
  return files;
}

unsigned long PosixFiles::ProcessId() {
  return static_cast<unsigned long>(::getpid());
}

}  // namespace drelm::posix
