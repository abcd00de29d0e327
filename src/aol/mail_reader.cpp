#include "aol/mail_reader.h"

#include "aol/client_windows.h"
#include "aol/mailbox.h"
#include "aol/window_lookup.h"
#include "platform/winuser_constants.h"
#include "text/ansi.h"

namespace drelm {

namespace {

void SendPress(WindowSystem& windows, Hwnd button) {
  windows.SendMessage(button, WM_LBUTTONDOWN, 0, 0);
  windows.SendMessage(button, WM_LBUTTONUP, 0, 0);
}

}  // namespace

std::string MailboxSubject(const std::string& line) {
  const std::size_t first = line.find('\t');
  const std::size_t second = first == std::string::npos ? first : line.find('\t', first + 1);
  const std::string subject = second == std::string::npos ? line : line.substr(second + 1);
  return ReplaceAll(subject, std::string(1, '\0'), "");
}

std::vector<std::string> MailboxLines(WindowSystem& windows, Hwnd mailbox) {
  std::vector<std::string> lines;
  const Hwnd tree = FindNthChild(windows, mailbox, "_AOL_Tree", 1);
  if (tree == 0) return lines;
  const LResult count = windows.SendMessage(tree, LB_GETCOUNT, 0, 0);
  for (LResult i = 0; i < count; ++i) {
    const LResult length = windows.SendMessage(tree, LB_GETTEXTLEN, static_cast<WParam>(i), 0);
    if (length < 0) continue;  // LB_ERR: the item went while we read
    lines.push_back(windows.SendBufferMessage(tree, LB_GETTEXT, static_cast<WParam>(i),
                                              static_cast<std::size_t>(length) + 1));
  }
  return lines;
}

void MinimizeIncomingMail(WindowSystem& windows) {
  const Hwnd mailbox = FindIncomingMail(windows);
  if (mailbox != 0) windows.ShowWindow(mailbox, SW_MINIMIZE);
}

void OpenFirstMail(WindowSystem& windows) {
  const Hwnd mailbox = FindIncomingMail(windows);
  windows.SendMessage(FindNthChild(windows, mailbox, "_AOL_Tree", 1), LB_SETCURSEL, 0, 0);
  SendPress(windows, FindNthChild(windows, mailbox, "_aol_icon", 1));
}

void DownloadLaterAndNext(WindowSystem& windows) {
  const Hwnd reader = FindNthChild(windows, FindAolMdiClient(windows), "aol child", 1);
  if (reader == 0) return;
  SendPress(windows, FindNthChild(windows, reader, "_aol_icon", 2));
  SendPress(windows, FindNthChild(windows, reader, "_aol_icon", 6));
}

bool PressAolDialogButton(WindowSystem& windows) {
  const std::string dialogClass = "#32770";
  for (Hwnd box = windows.FindWindowEx(0, 0, dialogClass, std::nullopt); box != 0;
       box = windows.FindWindowEx(0, box, dialogClass, std::nullopt)) {
    if (!BelongsToAolClient(windows, box)) continue;
    const Hwnd button = FindNthChild(windows, box, "button", 1);
    if (button == 0) continue;
    SendPress(windows, button);
    return true;
  }
  return false;
}

}  // namespace drelm
