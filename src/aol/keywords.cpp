#include "aol/keywords.h"

#include "aol/client_windows.h"
#include "aol/control_text.h"
#include "aol/window_lookup.h"
#include "platform/winuser_constants.h"

namespace drelm {

namespace {

constexpr WParam kBlank = ' ';
constexpr WParam kEnter = '\r';

}  // namespace

Hwnd FindKeywordBox(WindowSystem& windows) {
  const Hwnd combo = FindNthChild(windows, FindAolToolbar(windows), "_AOL_Combobox", 1);
  return FindNthChild(windows, combo, "Edit", 1);
}

void GoKeyword(WindowSystem& windows, const std::string& keyword) {
  const Hwnd box = FindKeywordBox(windows);
  if (box == 0) return;
  // Only AOL 4 wants the blank first. AOL 5 and 6 take it after the text, and so do AOL 7 and a
  // client whose version cannot be read: the later clients all type the newer way, and sending
  // nothing would leave every keyword-driven operation waiting for a window that never comes.
  if (AolVersion(windows) == "4") {
    windows.SendMessage(box, WM_CHAR, kBlank, 0);
    SetControlText(windows, box, keyword);
  } else {
    SetControlText(windows, box, keyword);
    windows.SendMessage(box, WM_CHAR, kBlank, 0);
  }
  windows.SendMessage(box, WM_CHAR, kEnter, 0);
}

void EnterPrivateRoom(WindowSystem& windows, const std::string& roomName) {
  GoKeyword(windows, "aol://2719:2-2-" + roomName);
}

}  // namespace drelm
