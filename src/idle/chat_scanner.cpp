#include "idle/chat_scanner.h"

#include <vector>

#include "aol/control_text.h"
#include "aol/window_lookup.h"
#include "core/timeouts.h"
#include "platform/winuser_constants.h"

namespace drelm {

ChatScanner::ChatScanner(WindowSystem& windows, EventLoop& loop, EventEntry& entry,
                         std::string name)
    : windows_(windows),
      name_(std::move(name)),
      scanTimer_(loop, entry, name_ + ".scan", timeouts::kChatScanIntervalMs, false) {
  scanTimer_.Timer_Timer = [this] { Scan(); };
}

void ChatScanner::StartScan() {
  rooms_.clear();
  MarkOpenRooms();
  current_ = FindChatView(windows_);
  scanTimer_.SetEnabled(true);
}

void ChatScanner::StopScan() {
  scanTimer_.SetEnabled(false);
}

void ChatScanner::MarkOpenRooms() {
  const Hwnd mdi = FindAolMdiClient(windows_);
  if (mdi == 0) return;
  const std::string child = "AOL Child";
  for (Hwnd window = windows_.FindWindowEx(mdi, 0, child, std::nullopt); window != 0;
       window = windows_.FindWindowEx(mdi, window, child, std::nullopt)) {
    const Hwnd view = FindNthChild(windows_, window, "RICHCNTL", 1);
    if (view != 0) rooms_[view].TakeAll(GetControlText(windows_, view));
  }
}

void ChatScanner::Scan() {
  if (!Scanning()) return;
  const Hwnd view = FindChatView(windows_);
  if (view == 0) {
    current_ = 0;
    return;
  }
  if (view != current_) {
    // Rooms that closed meanwhile are forgotten, so a later window given the same handle reads
    // as the new room it is.
    std::erase_if(rooms_, [this](const auto& room) { return !windows_.IsWindow(room.first); });
    current_ = view;
  }
  const LResult length = windows_.SendMessage(view, WM_GETTEXTLENGTH, 0, 0);
  const auto known = rooms_.find(view);
  std::vector<std::string> lines;
  if (known != rooms_.end() && length >= 0 &&
      static_cast<std::size_t>(length) == known->second.Length()) {
    lines = known->second.Settled();
  } else {
    const std::size_t size = length > 0 ? static_cast<std::size_t>(length) + 1 : 1;
    lines = rooms_[view].TakeNew(windows_.SendBufferMessage(view, WM_GETTEXT, size, size));
  }
  // The lines are marked as seen before any handler runs, so a handler that waits (and lets
  // other events run) cannot see them delivered again.
  for (const std::string& line : lines) {
    if (!Scanning()) return;
    RoomChatLine parsed;
    if (ParseRoomLine(line, parsed) && ChatLine) ChatLine(parsed.screenName, parsed.text);
  }
}

}  // namespace drelm
