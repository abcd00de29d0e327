// The chat scanner hosted on the main window as Chat1: between StartScan and StopScan it raises
// ChatLine(screenName, text) once for every line that reaches the current AOL chat room (the
// room's first "RICHCNTL"), never for lines that were there before StartScan, never twice.
//
// How it works. A timer of its own ticks every kChatScanIntervalMs while scanning, so it runs on
// the event loop like every other handler and costs nothing between ticks. A tick finds the room
// afresh and first asks only the text's length (WM_GETTEXTLENGTH); while that stays the same the
// tick ends there. Only when it changes is the text read (WM_GETTEXT, the one read another
// process's control answers) and a RoomTextMark picks out the new lines from the end, anchored
// on the last lines already seen, so a long transcript is never walked again and a top trimmed
// away does not repeat lines. The newest line is passed on once a later line follows it or the
// next tick finds the text unchanged, so a line AOL is still writing is not cut short.
//
// Rooms. Every room open at StartScan counts as read up to then; a room that opens later is
// new, so all its lines count. Switching back to a room resumes after its last line seen. With
// no room open a tick only looks for one. A tick never runs inside its own previous tick, and a
// StopScan inside a ChatLine handler stops the lines still waiting from that tick.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "core/event_runtime.h"
#include "core/form_model.h"
#include "idle/chat_room_text.h"
#include "platform/window_system.h"

namespace drelm {

class ChatScanner {
 public:
  ChatScanner(WindowSystem& windows, EventLoop& loop, EventEntry& entry, std::string name);

  const std::string& Name() const { return name_; }
  void StartScan();
  void StopScan();
  bool Scanning() const { return scanTimer_.Enabled(); }

  // One look at the room; the timer's tick.
  void Scan();

  // The event: the sender's screen name and the line's text, as the room shows them.
  std::function<void(const std::string& screenName, const std::string& text)> ChatLine;

  // The timer behind the scanner, so that ending the program can stop it with the others.
  Timer& ScanTimer() { return scanTimer_; }

 private:
  void MarkOpenRooms();

  WindowSystem& windows_;
  std::string name_;
  Timer scanTimer_;
  std::map<Hwnd, RoomTextMark> rooms_;
  Hwnd current_ = 0;
};

}  // namespace drelm
