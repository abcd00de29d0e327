#include "aol/chat_sender.h"

#include <algorithm>

#include "aol/chat_markup.h"
#include "aol/control_text.h"
#include "aol/pressing.h"
#include "aol/window_lookup.h"
#include "core/timeouts.h"
#include "platform/winuser_constants.h"

namespace drelm {

namespace {

constexpr WParam kEnterKey = 13;

bool Holds(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// The ascii style: colour, then face, as every line opens and closes.
std::string AsciiStyle(const ChatStyle& style) {
  return FontColor(style.asciiColor) + FontFace(style.asciiFont);
}

}  // namespace

ChatStyle ReadChatStyle(const SettingsStore& store) {
  ChatStyle style;
  style.leftAscii = store.Read(setting::kLeftAscii);
  style.rightAscii = store.Read(setting::kRightAscii);
  style.asciiFont = store.Read(setting::kAsciiFont);
  style.mainFont = store.Read(setting::kMainFont);
  style.asciiColor = store.Read(setting::kAsciiColor);
  style.mainColor = store.Read(setting::kMainColor);
  return style;
}

std::string ComposeChatLine(const ChatStyle& style, std::string_view text) {
  // The opening tags close any underline, italic and bold that AOL carries over from the
  // previous line.
  std::string line = "</u></i></b>" + AsciiStyle(style) + style.leftAscii;
  line += " " + FontFace(style.mainFont) + FontColor(style.mainColor);
  line += text;
  line += " " + AsciiStyle(style) + style.rightAscii;
  return line;
}

std::string ComposeAdvertLine(const ChatStyle& style) {
  std::string line = "</u></i></b>" + AsciiStyle(style) + style.leftAscii;
  line += " " + FontColor(style.mainColor) + FontFace(style.mainFont);
  line += "drelm idle [1.1] by quoSt n' vrin ";
  line += AsciiStyle(style) + style.rightAscii;
  return line;
}

ChatSender::ChatSender(WindowSystem& windows, EventLoop& loop, Clock& clock,
                       const SettingsStore& store, const std::string& win2kMode, StatusLog& log)
    : windows_(windows),
      loop_(loop),
      clock_(clock),
      store_(store),
      win2kMode_(win2kMode),
      log_(log) {}

void ChatSender::SendChat(std::string_view text) {
  if (win2kMode_ == "two" || AolVersionNumber(windows_) >= 6) {
    SendQuick(ComposeChatLine(ReadChatStyle(store_), text));
  } else {
    SendChatCareful(text);
  }
}

void ChatSender::SendQuick(const std::string& line) {
  // No checks and no waits: without a chat room these go to handle 0 and do nothing.
  const Hwnd input = FindChatInput(windows_);
  SetControlText(windows_, input, "");
  SetControlText(windows_, input, line);
  windows_.SendMessage(input, WM_CHAR, kEnterKey, 0);
}

void ChatSender::SendAdvertLine() {
  const std::string line = ComposeAdvertLine(ReadChatStyle(store_));
  const Hwnd input = FindChatInput(windows_);
  SetControlText(windows_, input, line);
  windows_.SendMessage(input, WM_CHAR, kEnterKey, 0);
}

void ChatSender::WaitBriefly(std::uint64_t deadlineMs) {
  const std::uint64_t poll = clock_.MonotonicMs() + timeouts::kChatSendPollMs;
  loop_.WaitForEvents(std::min(deadlineMs, poll));
}

void ChatSender::SendChatCareful(std::string_view text) {
  using namespace timeouts;
  const std::string line = ComposeChatLine(ReadChatStyle(store_), text);
  if (line.empty()) return;
  if (FindChatInput(windows_) == 0 || FindChatRoom(windows_) == 0) return;

  // What the user had typed. A later attempt finds the input cleared or holding our own line;
  // neither replaces the text to give back.
  std::string saved;
  for (int attempt = 1; attempt <= kChatSendMaxAttempts; ++attempt) {
    if (loop_.QuitRequested()) return;
    // A room that closed mid-send would otherwise be retried for ever.
    if (FindChatRoom(windows_) == 0) {
      log_.WriteLog("chat line not sent - the chat room closed");
      return;
    }
    const Hwnd input = FindChatInput(windows_);
    const std::string typed = GetControlText(windows_, input);
    if (attempt == 1 || (!typed.empty() && !Holds(typed, line))) saved = typed;

    if (!typed.empty()) {
      for (int tries = 0; tries < kChatInputClearTries; ++tries) {
        if (GetControlText(windows_, input).empty()) break;
        loop_.PumpPending();
        SetControlText(windows_, input, "");
      }
      loop_.PumpPending();
    }

    SetControlText(windows_, input, line);
    std::uint64_t t0 = clock_.MonotonicMs();
    bool shown = false;
    while (true) {
      if (Holds(GetControlText(windows_, input), line)) {
        shown = true;
        break;
      }
      if (clock_.MonotonicMs() - t0 >= kChatLineShowsMs || input == 0) break;
      WaitBriefly(t0 + kChatLineShowsMs);
      SetControlText(windows_, input, "");
      SetControlText(windows_, input, line);
    }
    if (!shown) continue;

    loop_.PumpPending();
    windows_.SendMessage(input, WM_CHAR, kEnterKey, 0);
    ClickChatSend(windows_);

    t0 = clock_.MonotonicMs();
    while (Holds(GetControlText(windows_, input), line)) {
      if (clock_.MonotonicMs() - t0 > kChatLineLeavesMs) {
        loop_.PumpPending();
        windows_.SendMessage(input, WM_CHAR, kEnterKey, 0);
        ClickChatSend(windows_);
        break;
      }
      WaitBriefly(t0 + kChatLineLeavesMs + 1);
    }

    loop_.PumpPending();
    if (!saved.empty()) {
      SetControlText(windows_, input, saved);
      t0 = clock_.MonotonicMs();
      while (!Holds(GetControlText(windows_, input), saved)) {
        if (clock_.MonotonicMs() - t0 > kChatRestoreShowsMs) {
          SetControlText(windows_, input, saved);
          break;
        }
        WaitBriefly(t0 + kChatRestoreShowsMs + 1);
      }
      loop_.PumpPending();
    }
    return;
  }
  log_.WriteLog("chat line not sent - the chat input did not take it");
}

}  // namespace drelm
