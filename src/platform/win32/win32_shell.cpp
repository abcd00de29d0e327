#include "platform/win32/win32_shell.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/file_paths.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_file_version.h"
#include "platform/win32/win32_process_image.h"
#include "text/ansi.h"

#include <mmsystem.h>
#include <shellapi.h>
#include <tlhelp32.h>

#undef PlaySound

namespace drelm::win32 {

namespace {

constexpr const char* kTrayClass = "drelm idle tray";
constexpr UINT kTrayCallback = WM_APP + 1;
constexpr UINT kTrayIconId = 1;
// Longer process lists than this are a snapshot gone wrong.
constexpr int kMaxProcesses = 100000;

UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageA("TaskbarCreated");
  return message;
}

LRESULT CALLBACK TrayProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* shell = reinterpret_cast<Win32Shell*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (shell && msg == kTrayCallback) {
    shell->OnTrayMessage(static_cast<std::uint32_t>(LOWORD(lParam)));
    return 0;
  }
  if (shell && msg == TaskbarCreatedMessage() && msg != 0) {
    shell->OnTaskbarCreated();
    return 0;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

HICON ProgramIcon() {
  char path[MAX_PATH] = {};
  if (GetModuleFileNameA(nullptr, path, MAX_PATH) > 0) {
    // ExtractIconA answers 1 for a file that is not an executable and NULL for one without icons.
    HICON icon = ExtractIconA(GetModuleHandleA(nullptr), path, 0);
    if (reinterpret_cast<std::uintptr_t>(icon) > 1) return icon;
  }
  return nullptr;
}

bool IsExistingExe(const std::string& path) {
  if (path.size() < 4 || LowerAnsi(path.substr(path.size() - 4)) != ".exe") return false;
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

HICON& TrayIcon() {
  static HICON icon = ProgramIcon();
  return icon;
}

}  // namespace

Win32Shell::Win32Shell() {
  WNDCLASSEXA cls{};
  cls.cbSize = sizeof cls;
  cls.lpfnWndProc = TrayProc;
  cls.hInstance = GetModuleHandleA(nullptr);
  cls.lpszClassName = kTrayClass;
  RegisterClassExA(&cls);  // already there when a second shell is made
  // A hidden top-level window, not a message-only one: only top-level windows hear Explorer's
  // TaskbarCreated broadcast.
  HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, kTrayClass, "", WS_POPUP, 0, 0, 0, 0, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!window) throw std::runtime_error("cannot create the tray icon's window");
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  trayWindow_ = FromHwnd(window);
}

Win32Shell::~Win32Shell() {
  if (trayPresent_) TrayDelete();
  HWND window = ToHwnd(trayWindow_);
  SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  DestroyWindow(window);
}

bool Win32Shell::Notify(std::uint32_t action) {
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof data;
  data.hWnd = ToHwnd(TrayWindow());
  data.uID = kTrayIconId;
  if (action != NIM_DELETE) {
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = owner_ != 0 ? ownerCallback_ : kTrayCallback;
    data.hIcon = TrayIcon() ? TrayIcon() : LoadIconA(nullptr, IDI_APPLICATION);
    const std::size_t length = std::min(trayTip_.size(), sizeof data.szTip - 1);
    trayTip_.copy(data.szTip, length);
  }
  return Shell_NotifyIconA(action, &data) != 0;
}

bool Win32Shell::TrayAdd(const std::string& tip) {
  trayTip_ = tip;
  if (trayPresent_ && Notify(NIM_MODIFY)) return true;
  trayPresent_ = Notify(NIM_ADD);
  return trayPresent_;
}

bool Win32Shell::TrayDelete() {
  if (!trayPresent_) return false;
  trayPresent_ = false;
  return Notify(NIM_DELETE);
}

void Win32Shell::OnTrayMessage(std::uint32_t mouseMsg) {
  if (trayHandler_) trayHandler_(mouseMsg);
}

void Win32Shell::OnTaskbarCreated() {
  if (trayPresent_) trayPresent_ = Notify(NIM_ADD);
}

bool Win32Shell::PlaySound(const std::string& path, std::uint32_t flags) {
  return sndPlaySoundA(path.c_str(), flags) != 0;
}

namespace {

bool CreateProgramProcess(const std::string& exePath, const std::string& arguments, int showCmd) {
  const std::string folder = FolderOf(exePath);
  std::string commandLine = "\"" + exePath + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(showCmd);
  PROCESS_INFORMATION process{};
  // Programs such as the AOL client expect to start in their own folder.
  if (!CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace

bool Win32Shell::StartExecutable(const std::string& exePath, int showCmd) {
  return IsExistingExe(exePath) && CreateProgramProcess(exePath, "", showCmd);
}

bool Win32Shell::StartProgram(const std::string& pathOrUrl, const std::string& arguments,
                              int showCmd) {
  if (pathOrUrl.empty()) return false;
  if (IsExistingExe(pathOrUrl)) return CreateProgramProcess(pathOrUrl, arguments, showCmd);
  // Documents and web addresses go to whatever the desktop associates with them.
  const HINSTANCE result =
      ShellExecuteA(nullptr, "open", pathOrUrl.c_str(),
                    arguments.empty() ? nullptr : arguments.c_str(), nullptr, showCmd);
  return reinterpret_cast<std::intptr_t>(result) > 32;
}

std::vector<ProcessId> Win32Shell::ProcessIds() {
  std::vector<ProcessId> ids;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return ids;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry);
       more && ids.size() < static_cast<std::size_t>(kMaxProcesses);
       more = Process32Next(snapshot, &entry)) {
    ids.push_back(entry.th32ProcessID);
  }
  CloseHandle(snapshot);
  return ids;
}

std::string Win32Shell::ProcessExePath(ProcessId pid) {
  return ProcessImagePath(pid);
}

std::string Win32Shell::FileVersion(const std::string& exePath) {
  return FileVersionOf(exePath);
}

Point Win32Shell::CursorPos() {
  POINT at{};
  if (!GetCursorPos(&at)) return {};
  return Point{at.x, at.y};
}

void Win32Shell::SetCursorPos(Point at) {
  ::SetCursorPos(at.x, at.y);
}

Point Win32Shell::ScreenSize() {
  return Point{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

}  // namespace drelm::win32
