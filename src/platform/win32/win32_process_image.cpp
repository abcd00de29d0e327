#include "platform/win32/win32_process_image.h"

#include "platform/win32/win32_api.h"
#include "platform/win32/win32_optional_functions.h"

#include <tlhelp32.h>

namespace drelm::win32 {

namespace {

// Longer process lists than this are a snapshot gone wrong.
constexpr int kMaxProcesses = 100000;
// A module snapshot may fail with ERROR_BAD_LENGTH while the process loads or unloads modules;
// it is taken again this many times at most.
constexpr int kSnapshotAttempts = 3;
// Room for the longest path the query may return.
constexpr DWORD kLongestPath = 32768;

// Closes a handle when it goes out of scope.
struct OwnedHandle {
  HANDLE handle;
  ~OwnedHandle() {
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
};

std::string ImageNameQuery(ProcessId pid) {
  using QueryFn = BOOL(WINAPI*)(HANDLE, DWORD, LPSTR, PDWORD);
  static const auto query = FindOptionalAs<QueryFn>(kQueryFullProcessImageNameA);
  if (!query) return {};
  // The limited right is enough for the query, and both came with Vista.
  const OwnedHandle process{OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid)};
  if (!process.handle) return {};
  std::string path(kLongestPath, '\0');
  DWORD size = kLongestPath;
  if (!query(process.handle, 0, path.data(), &size)) return {};
  path.resize(size);
  return path;
}

std::string ModuleFileNameEx(ProcessId pid) {
  using ModuleFileNameFn = DWORD(WINAPI*)(HANDLE, HMODULE, LPSTR, DWORD);
  static const auto moduleFileName = FindOptionalAs<ModuleFileNameFn>(kGetModuleFileNameExA);
  if (!moduleFileName) return {};
  const OwnedHandle process{OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid)};
  if (!process.handle) return {};
  char path[MAX_PATH] = {};
  const DWORD length = moduleFileName(process.handle, nullptr, path, MAX_PATH);
  return std::string(path, length < MAX_PATH ? length : 0);
}

std::string FirstModule(ProcessId pid) {
  HANDLE snapshot = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < kSnapshotAttempts && snapshot == INVALID_HANDLE_VALUE;
       ++attempt) {
    snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
    if (snapshot == INVALID_HANDLE_VALUE && GetLastError() != ERROR_BAD_LENGTH) break;
  }
  const OwnedHandle owned{snapshot};
  if (snapshot == INVALID_HANDLE_VALUE) return {};
  MODULEENTRY32 module{};
  module.dwSize = sizeof module;
  return Module32First(snapshot, &module) ? std::string(module.szExePath) : std::string();
}

std::string ProcessEntry(ProcessId pid) {
  const OwnedHandle snapshot{CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0)};
  if (snapshot.handle == INVALID_HANDLE_VALUE) return {};
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  int seen = 0;
  for (BOOL more = Process32First(snapshot.handle, &entry); more && seen < kMaxProcesses;
       more = Process32Next(snapshot.handle, &entry), ++seen) {
    if (entry.th32ProcessID == pid) return entry.szExeFile;
  }
  return {};
}

}  // namespace

std::string ReadImagePath(ImagePathWay way, ProcessId pid) {
  switch (way) {
    case ImagePathWay::kImageNameQuery:
      return ImageNameQuery(pid);
    case ImagePathWay::kModuleFileNameEx:
      return ModuleFileNameEx(pid);
    case ImagePathWay::kFirstModule:
      return FirstModule(pid);
    case ImagePathWay::kProcessEntry:
      return ProcessEntry(pid);
  }
  return {};
}

std::string ProcessImagePath(ProcessId pid) {
  if (pid == 0) return {};
  return ChooseImagePath([pid](ImagePathWay way) { return ReadImagePath(way, pid); });
}

}  // namespace drelm::win32
