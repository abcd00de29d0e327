#include "standin/instant_messages.h"

#include <memory>

#include "standin/buddy_list.h"
#include "standin/client.h"
#include "text/ansi.h"

namespace drelm::standin {

namespace {

// Screen names compare without blanks and case, as AOL compares them.
std::string Normalised(const std::string& name) {
  std::string result;
  for (char c : name) {
    if (c != ' ') result += c;
  }
  return LowerAnsi(result);
}

constexpr const char* kSendIcons[] = {"Text Color", "Background Color", "Bold", "Italic",
                                      "Underline",  "Font Size",        "Link", "Smiley",
                                      "Send",       "Available?"};

}  // namespace

void InstantMessages::OpenSend(const std::string& recipient) {
  auto self = std::make_shared<WindowId>(0);
  const WindowId window = client_.AddMdiChild("Send Instant Message", true,
                                              [this, self] { sendWindows_.erase(*self); });
  *self = window;
  SendWindow parts;
  client_.AddControl(window, "_AOL_Static", "To:");
  parts.to = client_.AddControl(window, "_AOL_Edit", recipient);
  parts.text = client_.AddControl(window, "RICHCNTL");
  for (const char* label : kSendIcons) {
    const std::string name = label;
    std::function<void()> action;
    if (name == "Send") action = [this, window] { Send(window); };
    client_.AddIcon(window, name, action);
  }
  sendWindows_[window] = parts;
}

void InstantMessages::Send(WindowId window) {
  auto it = sendWindows_.find(window);
  if (it == sendWindows_.end()) return;
  WindowHost& host = client_.Host();
  const std::string recipient = host.Text(it->second.to);
  const std::string text = host.Text(it->second.text);
  client_.Later(client_.Delay().imSendMs, [this, window, recipient, text] {
    if (!sendWindows_.contains(window)) return;
    const std::string name = Normalised(recipient);
    Observations& seen = client_.Seen();
    if (name == "$im_off" || name == "$im_on") {
      imsOn_ = name == "$im_on";
      seen.imSwitches.push_back(InstantMessage{recipient, text});
      client_.Host().Destroy(window);
      return;
    }
    if (name.empty() || text.empty()) {
      client_.Stray("IM send with " + std::string(name.empty() ? "no recipient" : "no text"));
      return;
    }
    if (refusing_.contains(name)) {
      seen.imsRefused.push_back(InstantMessage{recipient, text});
      client_.ShowBox(recipient +
                      " is not currently signed on or is not accepting Instant "
                      "Messages.");
      return;
    }
    seen.imsSent.push_back(InstantMessage{recipient, text});
    client_.Host().Destroy(window);
  });
}

void InstantMessages::Refuse(const std::string& recipient, bool refuse) {
  if (refuse) {
    refusing_.insert(Normalised(recipient));
  } else {
    refusing_.erase(Normalised(recipient));
  }
}

WindowId InstantMessages::IncomingWindow(const std::string& sender) const {
  for (const auto& [window, incoming] : incoming_) {
    if (Normalised(incoming.sender) == Normalised(sender)) return window;
  }
  return 0;
}

void InstantMessages::Receive(const std::string& sender, const std::string& text) {
  Observations& seen = client_.Seen();
  if (!client_.SignedOn() || !imsOn_ || client_.Buddies().BlocksIms()) {
    seen.imsBlocked.push_back(InstantMessage{sender, text});
    return;
  }
  seen.imsReceived.push_back(InstantMessage{sender, text});
  WindowHost& host = client_.Host();
  const std::string line = "\r\n" + sender + ":\t" + text;
  if (const WindowId existing = IncomingWindow(sender)) {
    // The conversation goes on in its window, which comes to the front.
    host.Activate(existing);
    const WindowId view = incoming_[existing].view;
    host.SetText(view, host.Text(view) + line);
    return;
  }
  auto self = std::make_shared<WindowId>(0);
  const WindowId window = client_.AddMdiChild("Instant Message From: " + sender, true,
                                              [this, self] { incoming_.erase(*self); });
  *self = window;
  const WindowId view = client_.AddControl(window, "RICHCNTL", line);
  client_.AddControl(window, "RICHCNTL");
  for (const char* label : {"Warn", "Block", "Add Buddy", "Get Info", "Send"}) {
    client_.AddIcon(window, label, {});
  }
  incoming_[window] = Incoming{sender, view};
}

}  // namespace drelm::standin
