#include "idle/away_recorder.h"

#include "aol/instant_messages.h"
#include "aol/pressing.h"
#include "core/files.h"
#include "core/pause.h"
#include "text/ansi.h"
#include "text/lines.h"

namespace drelm {

namespace {

std::string TrimmedBlanks(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The conversation of an IM window on one line, as the messages file keeps an entry: each
// message's text without the sender's name before it, the messages apart by a blank.
std::string ImTextForFile(const std::string& conversation, const std::string& sender) {
  const std::string namePrefix = sender + ":";
  std::string text;
  for (const std::string& each : SplitLines(conversation)) {
    std::string line = TrimmedBlanks(each);
    if (LowerAnsi(line).starts_with(namePrefix))
      line = TrimmedBlanks(line.substr(namePrefix.size()));
    if (line.empty()) continue;
    if (!text.empty()) text += ' ';
    text += line;
  }
  return text;
}

}  // namespace

std::string SenderCountKey(std::string_view screenName) {
  std::string key = AfkSenderKey(screenName);
  if (FindSetting(kSectionSettings, key) != nullptr) {
    key = std::string(setting::kAfkSenderKeyPrefix) + "#" + std::string(screenName);
  }
  return key;
}

AwayRecorder::AwayRecorder(AwayRecorderContext context, Wiring& wiring)
    : context_(std::move(context)),
      file_(PathInFolder(context_.programFolder, kAwayMessagesFileName)) {
  context_.Chat1.ChatLine = [this](const std::string& screenName, const std::string& text) {
    Chat1_ChatLine(screenName, text);
  };
  wiring.OnTick(context_.Timer3, [this] { Timer3_Timer(); });
  wiring.Owns(context_.frmAFKMessages);
  wiring.Owns(context_.frmMsg);
}

void AwayRecorder::Record(std::string entry, std::string_view onDiskOnly) {
  // On disk first: the list lives only as long as the program.
  AppendLineDurably(context_.files, file_, entry + std::string(onDiskOnly));
  context_.frmAFKMessages.lstMsgs.items.push_back(std::move(entry));
}

void AwayRecorder::Chat1_ChatLine(const std::string& screenName, const std::string& text) {
  const std::string& handle = context_.globals.UserHandle;
  // A text shorter than the handle compares short and is never taken.
  if (LowerAnsi(std::string_view(text).substr(0, handle.size())) != LowerAnsi(handle)) return;

  SettingsStore& store = context_.store;
  const double max = LeadingDecimal(store.Read(setting::kAfkMax));
  const std::string countKey = SenderCountKey(screenName);
  const std::int64_t count = LeadingNumber(store.ReadSetting(kSectionSettings, countKey));
  if (static_cast<double>(count) >= max) return;

  store.Write(setting::kCountInAfk,
              std::to_string(LeadingNumber(store.Read(setting::kCountInAfk)) + 1));
  store.WriteSetting(kSectionSettings, countKey, std::to_string(count + 1));
  Record("|[chat]|-[" + context_.aol.clock.LongTimeText() + "]- " + screenName + ": " +
         text.substr(handle.size()));
  context_.chat.SendChat(LowerAnsi(screenName) + "message recorded [" + std::to_string(count + 1) +
                         "-" + NumberText(max));
}

void AwayRecorder::Timer3_Timer() {
  AolContext& aol = context_.aol;
  const std::string reason = context_.store.Read(setting::kAfkRea);
  const Hwnd im = FindIncomingIm(aol.windows);
  if (im == 0) {
    // The window is gone; the client may give its handle to a new IM later.
    answeredIm_ = 0;
    return;
  }
  // A window that did not close (a client that hangs or ignores the close) was answered and
  // noted already: answering it on every tick would fill the messages file with one IM.
  if (im == answeredIm_) {
    CloseWindow(aol.windows, im);
    return;
  }
  // Read before the answer: the window may be gone once it is sent.
  const std::string sender = IncomingImSender(aol.windows);
  const std::string text = ImTextForFile(IncomingImText(aol.windows, im), sender);
  answeredIm_ = im;
  SendIm(aol, sender, reason);
  // The list shows who wrote and when; what they wrote is kept in the file.
  Record("|[im]|-[" + aol.clock.LongTimeText() + "]- " + sender + ": ", text);
  Pause(aol.clock, aol.loop, 0);
  CloseWindow(aol.windows, FindIncomingIm(aol.windows));
}

}  // namespace drelm
