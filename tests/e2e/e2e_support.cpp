#include "e2e_support.h"

#include <shlwapi.h>

#include <algorithm>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/win32/win32_registry.h"

namespace drelm::e2e {

namespace {

std::filesystem::path FsPath(const std::string& path) {
  return std::filesystem::path(WindowsPath(path));
}

}  // namespace

bool Checks::Check(bool ok, const std::string& what) {
  const double seconds = static_cast<double>(drelm::win32::TickCount64() - startedAtMs_) / 1000.0;
  std::printf("%s [%5.1f s] %s\n", ok ? "PASS" : "FAIL", seconds, what.c_str());
  std::fflush(stdout);
  lastFailed_ = !ok;
  if (ok) {
    ++passed_;
  } else {
    ++failures_;
  }
  return ok;
}

void Checks::Detail(const std::string& text) {
  if (!lastFailed_) return;
  std::printf("     %s\n", text.c_str());
  std::fflush(stdout);
}

int Checks::Finish() {
  std::printf("%d passed, %d failed\n", passed_, failures_);
  std::fflush(stdout);
  return failures_ == 0 ? 0 : 1;
}

bool WaitFor(const std::function<bool()>& condition, DWORD deadlineMs) {
  const ULONGLONG end = drelm::win32::TickCount64() + deadlineMs;
  while (!condition()) {
    if (drelm::win32::TickCount64() >= end) return false;
    // The driver owns no windows; this only keeps it from spinning.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMs, QS_ALLINPUT);
  }
  return true;
}

ChildProcess::~ChildProcess() {
  if (Running()) {
    TerminateProcess(process_.hProcess, 1);
    WaitForExit(kExitDeadlineMs);
  }
  for (HANDLE handle : {process_.hProcess, process_.hThread, toChild_, fromChild_}) {
    if (handle) CloseHandle(handle);
  }
}

bool ChildProcess::Start(const std::string& exe, const std::string& arguments,
                         const std::string& folder, bool scripted) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  HANDLE childIn = nullptr;
  HANDLE childOut = nullptr;
  if (scripted) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    if (!CreatePipe(&childIn, &toChild_, &inherit, 0)) return false;
    if (!CreatePipe(&fromChild_, &childOut, &inherit, 0)) return false;
    SetHandleInformation(toChild_, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(fromChild_, HANDLE_FLAG_INHERIT, 0);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = childIn;
    startup.hStdOutput = childOut;
    startup.hStdError = childOut;
  }
  std::string commandLine = "\"" + exe + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  const BOOL started =
      CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, scripted ? TRUE : FALSE, 0,
                     nullptr, folder.empty() ? nullptr : folder.c_str(), &startup, &process_);
  if (childIn) CloseHandle(childIn);
  if (childOut) CloseHandle(childOut);
  return started != FALSE;
}

std::vector<std::string> ChildProcess::Command(const std::string& line) {
  const std::string out = line + "\n";
  DWORD written = 0;
  WriteFile(toChild_, out.data(), static_cast<DWORD>(out.size()), &written, nullptr);
  std::vector<std::string> reply{ReadLine()};
  if (reply[0].rfind("ok ", 0) == 0) {
    const int rows = std::atoi(reply[0].c_str() + 3);
    for (int i = 0; i < rows; ++i) reply.push_back(ReadLine());
  }
  return reply;
}

std::string ChildProcess::ReadLine() {
  const ULONGLONG end = drelm::win32::TickCount64() + kScriptReplyMs;
  while (true) {
    const std::size_t newline = buffered_.find('\n');
    if (newline != std::string::npos) {
      std::string line = buffered_.substr(0, newline);
      buffered_.erase(0, newline + 1);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      return line;
    }
    DWORD available = 0;
    if (!PeekNamedPipe(fromChild_, nullptr, 0, nullptr, &available, nullptr)) return "(closed)";
    if (available > 0) {
      char chunk[4096];
      DWORD got = 0;
      if (ReadFile(fromChild_, chunk, sizeof chunk, &got, nullptr)) buffered_.append(chunk, got);
      continue;
    }
    if (drelm::win32::TickCount64() >= end) return "(no reply)";
    Sleep(10);
  }
}

bool ChildProcess::WaitForExit(DWORD ms) const {
  return process_.hProcess && WaitForSingleObject(process_.hProcess, ms) == WAIT_OBJECT_0;
}

std::optional<DWORD> ChildProcess::ExitCode() const {
  DWORD code = 0;
  if (!process_.hProcess || !GetExitCodeProcess(process_.hProcess, &code) || code == STILL_ACTIVE) {
    return std::nullopt;
  }
  return code;
}

double ChildProcess::CpuMs() const {
  FILETIME created{}, exited{}, kernel{}, user{};
  if (!GetProcessTimes(process_.hProcess, &created, &exited, &kernel, &user)) return -1;
  const auto ticks = [](const FILETIME& t) {
    return (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
  };
  return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;
}

std::string WindowsPath(std::string path) {
  if (path.empty() || path[0] != '/') return path;
  std::replace(path.begin(), path.end(), '/', '\\');
  return "Z:" + path;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  return WindowsPath(folder) + "\\" + name;
}

bool FileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(FsPath(path), error);
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::ifstream file(FsPath(path), std::ios::binary);
  if (!file) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(file), {});
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::ofstream file(FsPath(path), std::ios::binary | std::ios::trunc);
  file << bytes;
  return static_cast<bool>(file);
}

std::optional<std::uint64_t> FileSize(const std::string& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(FsPath(path), error);
  if (error) return std::nullopt;
  return size;
}

std::string Visible(const std::string& bytes) {
  std::string out;
  for (const char c : bytes) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
    out += c == '\r'               ? "\\r"
           : c == '\n'             ? "\\n"
           : c == '\\'             ? "\\\\"
           : c >= 0x20 && c < 0x7F ? std::string(1, c)
                                   : std::string(hex);
  }
  return out;
}

std::optional<RegistryValue> ReadStored(const std::string& section, const std::string& key) {
  return win32::Win32Registry().QueryValue(section, key);
}

bool WriteStored(const std::string& section, const std::string& key, const std::string& value) {
  return win32::Win32Registry().SetValue(section, key, RegistryValue{kRegSz, value});
}

std::vector<std::string> StoredNames() {
  std::vector<std::string> names;
  HKEY root = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsRoot, 0, KEY_READ, &root) != ERROR_SUCCESS) {
    return names;
  }
  char section[256];
  for (DWORD i = 0; RegEnumKeyA(root, i, section, sizeof section) == ERROR_SUCCESS; ++i) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, section, 0, KEY_READ, &key) != ERROR_SUCCESS) continue;
    char name[256];
    DWORD length = sizeof name;
    for (DWORD j = 0;
         RegEnumValueA(key, j, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
         ++j, length = sizeof name) {
      names.push_back(std::string(section) + "/" + std::string(name, length));
    }
    RegCloseKey(key);
  }
  RegCloseKey(root);
  return names;
}

bool ClearStoredSettings() {
  // With the subkeys: RegDeleteTreeA is newer than the headers the build compiles with.
  const LSTATUS status = SHDeleteKeyA(HKEY_CURRENT_USER, kSettingsRoot);
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

std::string StoredText(const std::string& section, const std::string& key) {
  const std::optional<RegistryValue> value = ReadStored(section, key);
  if (!value || value->type != REG_SZ) return {};
  return value->data.substr(0, value->data.find('\0'));
}

ScopedUserValue::ScopedUserValue(std::string key, std::string name, const std::string& value)
    : key_(std::move(key)), name_(std::move(name)) {
  char before[1024] = {};
  DWORD size = sizeof before - 1;
  if (RegGetValueA(HKEY_CURRENT_USER, key_.c_str(), name_.c_str(), RRF_RT_REG_SZ, nullptr, before,
                   &size) == ERROR_SUCCESS) {
    before_ = before;
  }
  ok_ = Set(value.empty() ? std::nullopt : std::optional<std::string>(value));
}

bool ScopedUserValue::Set(const std::optional<std::string>& value) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0,
                      KEY_SET_VALUE | KEY_QUERY_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const LSTATUS status = value ? RegSetValueExA(key, name_.c_str(), 0, REG_SZ,
                                                reinterpret_cast<const BYTE*>(value->c_str()),
                                                static_cast<DWORD>(value->size() + 1))
                               : RegDeleteValueA(key, name_.c_str());
  RegCloseKey(key);
  return status == ERROR_SUCCESS || (!value && status == ERROR_FILE_NOT_FOUND);
}

bool TakeScreenshot(const std::string& scriptUnixPath, const std::string& pngUnixPath,
                    const std::vector<HWND>& windows, int margin) {
  std::error_code error;
  std::filesystem::remove(FsPath(pngUnixPath), error);
  RECT area{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), 0, 0};
  for (HWND window : windows) {
    RECT rect{};
    if (!window || !GetWindowRect(window, &rect)) continue;
    area = {std::min(area.left, rect.left - margin), std::min(area.top, rect.top - margin),
            std::max(area.right, rect.right + margin), std::max(area.bottom, rect.bottom + margin)};
  }
  area = {std::max(0L, area.left), std::max(0L, area.top),
          std::min<LONG>(GetSystemMetrics(SM_CXSCREEN), area.right),
          std::min<LONG>(GetSystemMetrics(SM_CYSCREEN), area.bottom)};
  char geometry[64];
  std::snprintf(geometry, sizeof geometry, "%ldx%ld+%ld+%ld", area.right - area.left,
                area.bottom - area.top, area.left, area.top);
  // Wine starts a Unix program given by its Unix path, but does not wait for it: the script
  // writes the picture under another name and renames it when done, and we wait for the name.
  std::string commandLine = "/bin/sh " + scriptUnixPath + " " + pngUnixPath + " " + geometry;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return WaitFor([&] { return FileExists(pngUnixPath); }, kScreenshotDeadlineMs);
}

}  // namespace drelm::e2e
