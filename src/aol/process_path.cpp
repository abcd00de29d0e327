#include "aol/process_path.h"

#include <cctype>

#include "text/ansi.h"

namespace drelm {

std::string ProcessPathOfWindow(WindowSystem& windows, Shell& shell, Hwnd window) {
  const ProcessId pid = windows.WindowProcessId(window);
  if (pid == 0) return {};
  return shell.ProcessExePath(pid);
}

bool IsFullProgramPath(const std::string& path) {
  constexpr std::string_view kExe = ".exe";
  if (path.size() <= kExe.size() + 3) return false;
  if (LowerAnsi(path.substr(path.size() - kExe.size())) != kExe) return false;
  const bool drive = std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
                     (path[2] == '\\' || path[2] == '/');
  const bool network = path.starts_with("\\\\");
  return drive || network;
}

}  // namespace drelm
