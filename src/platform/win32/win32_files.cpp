#include "platform/win32/win32_files.h"

#include "platform/win32/win32_api.h"
#include "platform/win32/win32_optional_functions.h"

namespace drelm::win32 {

namespace {

// Windows 98 and ME export it as a stub that fails with ERROR_CALL_NOT_IMPLEMENTED.
constexpr OptionalFunction kMoveFileExA{"kernel32.dll", "MoveFileExA", false};
using MoveFileExAFunction = BOOL(WINAPI*)(LPCSTR, LPCSTR, DWORD);

constexpr DWORD kNoAttributes = 0xFFFFFFFFu;  // INVALID_FILE_ATTRIBUTES
constexpr std::size_t kMaxWrite = std::size_t{1} << 30;
constexpr double kFileTimeUnitsPerSecond = 1e7;

// The file pointer of a handle, set to offset from the start (or from the end with FILE_END).
bool SeekTo(HANDLE file, long long offset, DWORD from) {
  LONG high = static_cast<LONG>(offset >> 32);
  SetLastError(NO_ERROR);
  const DWORD low = SetFilePointer(file, static_cast<LONG>(offset & 0xFFFFFFFF), &high, from);
  return low != 0xFFFFFFFFu || GetLastError() == NO_ERROR;
}

class Win32OpenFile : public OpenFile {
 public:
  Win32OpenFile(HANDLE file, bool append) : file_(file), append_(append) {}
  ~Win32OpenFile() override { Close(); }
  Win32OpenFile(const Win32OpenFile&) = delete;
  Win32OpenFile& operator=(const Win32OpenFile&) = delete;

  // Windows 98 has no append mode: each write goes to the end as it is when the write starts.
  long Write(std::string_view bytes) override {
    if (append_ && !SeekTo(file_, 0, FILE_END)) return -1;
    DWORD written = 0;
    const DWORD size = static_cast<DWORD>(bytes.size() < kMaxWrite ? bytes.size() : kMaxWrite);
    if (!WriteFile(file_, bytes.data(), size, &written, nullptr)) return -1;
    return static_cast<long>(written);
  }
  bool Flush() override { return FlushFileBuffers(file_) != 0; }
  long long Size() override {
    DWORD high = 0;
    SetLastError(NO_ERROR);
    const DWORD low = GetFileSize(file_, &high);
    if (low == 0xFFFFFFFFu && GetLastError() != NO_ERROR) return -1;
    return (static_cast<long long>(high) << 32) | low;
  }
  bool ReadByteAt(long long offset, char& byte) override {
    DWORD got = 0;
    return SeekTo(file_, offset, FILE_BEGIN) && ReadFile(file_, &byte, 1, &got, nullptr) &&
           got == 1;
  }
  bool CutTo(long long size) override {
    return SeekTo(file_, size, FILE_BEGIN) && SetEndOfFile(file_);
  }
  bool Close() override {
    if (file_ == INVALID_HANDLE_VALUE) return true;
    const HANDLE file = file_;
    file_ = INVALID_HANDLE_VALUE;
    return CloseHandle(file) != 0;
  }

 private:
  HANDLE file_;
  bool append_;
};

std::unique_ptr<OpenFile> Wrap(HANDLE file, bool append) {
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<Win32OpenFile>(file, append);
}

unsigned long long Ticks(const FILETIME& time) {
  return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

}  // namespace

// Windows gives a new file the folder's permissions; there is nothing to copy from the old one.
std::unique_ptr<OpenFile> Win32Files::CreateNew(const std::string& path, const std::string&) {
  return Wrap(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                          FILE_ATTRIBUTE_NORMAL, nullptr),
              false);
}

// Others may read and append meanwhile: the log is read while the program runs, and a second
// running copy writes its entries into the same file.
std::unique_ptr<OpenFile> Win32Files::OpenForAppend(const std::string& path) {
  return Wrap(
      CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr),
      true);
}

std::optional<std::string> Win32Files::ReadAll(const std::string& path) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[16384];
  DWORD got = 0;
  bool read = true;
  while ((read = ReadFile(file, buffer, sizeof buffer, &got, nullptr) != 0) && got > 0) {
    bytes.append(buffer, got);
  }
  CloseHandle(file);
  if (!read) return std::nullopt;
  return bytes;
}

bool Win32Files::IsFile(const std::string& path) {
  if (path.empty()) return false;
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != kNoAttributes && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32Files::Remove(const std::string& path) {
  if (DeleteFileA(path.c_str())) return true;
  const DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool Win32Files::Rename(const std::string& from, const std::string& to) {
  return MoveFileA(from.c_str(), to.c_str()) != 0;
}

ReplaceResult Win32Files::ReplaceAtomically(const std::string& from, const std::string& to) {
  const auto moveFileEx = FindOptionalAs<MoveFileExAFunction>(kMoveFileExA);
  if (moveFileEx == nullptr) return ReplaceResult::kUnavailable;
  if (moveFileEx(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return ReplaceResult::kReplaced;
  }
  return GetLastError() == ERROR_CALL_NOT_IMPLEMENTED ? ReplaceResult::kUnavailable
                                                      : ReplaceResult::kFailed;
}

// No Windows call flushes a folder; MOVEFILE_WRITE_THROUGH has put the rename on the disk.
void Win32Files::FlushFolder(const std::string&) {}

std::vector<FolderFile> Win32Files::ListFiles(const std::string& folder) {
  std::vector<FolderFile> files;
  const bool endsInSeparator = !folder.empty() && (folder.back() == '\\' || folder.back() == '/');
  const std::string pattern = folder + (endsInSeparator ? "*" : "\\*");
  WIN32_FIND_DATAA found{};
  const HANDLE search = FindFirstFileA(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return files;
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) continue;
    const double age =
        (static_cast<double>(Ticks(now)) - static_cast<double>(Ticks(found.ftLastWriteTime))) /
        kFileTimeUnitsPerSecond;
    files.push_back({found.cFileName, age});
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return files;
}

unsigned long Win32Files::ProcessId() {
  return GetCurrentProcessId();
}

}  // namespace drelm::win32
