#include "platform/win32/win32_user.h"

#include <algorithm>

#include "platform/win32/win32_api.h"

#include <commdlg.h>

namespace drelm::win32 {

Hwnd Win32User::Owner() const {
  if (owner_ != 0 && ::IsWindow(ToHwnd(owner_))) return owner_;
  return FromHwnd(GetActiveWindow());
}

std::uint32_t Win32User::MessageBox(const std::string& text, const std::string& title,
                                    std::uint32_t style) {
  const int answer = MessageBoxA(ToHwnd(Owner()), text.c_str(), title.c_str(), style);
  // 0 means the box could not be shown; for the program that is the same as Cancel.
  return answer == 0 ? IDCANCEL : static_cast<std::uint32_t>(answer);
}

std::string Win32User::OpenFileDialog(const std::string& title, const std::string& filter) {
  // "Programs|*.exe|All files|*.*" becomes the NUL-separated, doubly terminated list. Blanks
  // around a piece ("aol file) | aol.exe") would make its pattern match nothing, so they go.
  std::string filters;
  std::size_t start = 0;
  while (start <= filter.size()) {
    std::size_t end = filter.find('|', start);
    if (end == std::string::npos) end = filter.size();
    std::string piece = filter.substr(start, end - start);
    piece.erase(0, piece.find_first_not_of(' '));
    piece.erase(piece.find_last_not_of(' ') + 1);
    filters += piece;
    filters += '\0';
    start = end + 1;
  }
  if (!filter.empty() && filter.find('|') == std::string::npos) filters += filters;
  filters += '\0';

  char file[MAX_PATH * 4] = {};
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = ToHwnd(Owner());
  dialog.lpstrFilter = filter.empty() ? nullptr : filters.c_str();
  dialog.lpstrFile = file;
  dialog.nMaxFile = sizeof file;
  dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
  // NOCHANGEDIR: the program's own files are found relative to its folder, not the last browse.
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameA(&dialog)) return {};
  return std::string(file);
}

}  // namespace drelm::win32
