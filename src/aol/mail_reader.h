// The mailbox's list and AOL's mail reader, as the auto-download-later tool walks them, and the
// standard dialogs the client raises on the way.
#pragma once

#include <string>
#include <vector>

#include "platform/window_system.h"

namespace drelm {

// A mailbox line holds tab-separated fields (date, sender, subject): the subject is everything
// after the second tab, a further tab included; a line with fewer than two tabs is taken whole.
// NUL characters are dropped.
std::string MailboxSubject(const std::string& line);
// The lines of the open mailbox's first "_AOL_Tree" (LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT).
std::vector<std::string> MailboxLines(WindowSystem& windows, Hwnd mailbox);
// ShowWindow(SW_MINIMIZE) on "Incoming/Saved Mail"; nothing without it.
void MinimizeIncomingMail(WindowSystem& windows);
// The mailbox's first mail selected and its first "_aol_icon" pressed (sent down and up): that
// mail opens in the reader. The walk starts there whatever an earlier walk left selected.
void OpenFirstMail(WindowSystem& windows);
// The reader (the topmost MDI child) gets its second "_aol_icon" (download later) and then its
// sixth (the next mail) pressed.
void DownloadLaterAndNext(WindowSystem& windows);
// The first button of the first standard dialog ("#32770") of the AOL client's own process,
// pressed; false when the client shows none. Other programs' dialogs, ours included, are left.
bool PressAolDialogButton(WindowSystem& windows);

}  // namespace drelm
