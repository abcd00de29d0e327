// Every line the program posts into the AOL chat room goes through here: the text is dressed in
// the user's chat style (read from the settings store at every line) and put into the room's
// input line. Nothing is reported to the caller; without a chat room nothing is posted.
#pragma once

#include <string>
#include <string_view>

#include "core/settings_store.h"
#include "core/status_log.h"
#include "platform/clock.h"
#include "platform/event_loop.h"
#include "platform/window_system.h"

namespace drelm {

struct ChatStyle {
  std::string leftAscii;
  std::string rightAscii;
  std::string asciiFont;
  std::string mainFont;
  std::string asciiColor;  // written directly after "<font color=#", as stored
  std::string mainColor;
};

ChatStyle ReadChatStyle(const SettingsStore& store);

// The styled chat line for text, as AOL chat HTML.
std::string ComposeChatLine(const ChatStyle& style, std::string_view text);
// The product's advertising line; its middle part names the colour before the face.
std::string ComposeAdvertLine(const ChatStyle& style);

class ChatSender {
 public:
  // win2kMode is the live "two"/"one" value the start-up fills; it is read at every send.
  ChatSender(WindowSystem& windows, EventLoop& loop, Clock& clock, const SettingsStore& store,
             const std::string& win2kMode, StatusLog& log);

  // The quick path for the Windows 2000 mode or AOL 6 and later, the careful path otherwise.
  void SendChat(std::string_view text);
  // Keeps what the user was typing in the chat input and puts it back after the line went out.
  // Gives up (with a log entry) when the chat room goes away or after a bounded number of
  // attempts, instead of trying for ever.
  void SendChatCareful(std::string_view text);
  // The advertising line, sent the quick way without clearing the input first.
  void SendAdvertLine();

 private:
  void SendQuick(const std::string& line);
  // Waits for events until the monotonic deadline or one poll interval, whichever is sooner.
  void WaitBriefly(std::uint64_t deadlineMs);

  WindowSystem& windows_;
  EventLoop& loop_;
  Clock& clock_;
  const SettingsStore& store_;
  const std::string& win2kMode_;
  StatusLog& log_;
};

}  // namespace drelm
