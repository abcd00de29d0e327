// Instant messages. Sending: the "Send Instant Message" window (recipient in an "_AOL_Edit", the
// message in the first "RICHCNTL", Send the ninth "_AOL_Icon"); a sent IM closes the window, a
// refused one brings the "America Online" box and leaves the window open. The recipients
// "$IM_OFF" and "$IM_ON" switch incoming IMs off and on for the session. Receiving: a window
// captioned "Instant Message From: " and the sender, one per sender.
#pragma once

#include <map>
#include <set>
#include <string>

#include "standin/window_host.h"

namespace drelm::standin {

class AolClient;

class InstantMessages {
 public:
  explicit InstantMessages(AolClient& client) : client_(client) {}

  void OpenSend(const std::string& recipient);
  // An IM arrives from sender; it is kept away while IMs are off or the user is invisible to IMs.
  void Receive(const std::string& sender, const std::string& text);
  // IMs to this screen name are refused (not signed on, not accepting IMs).
  void Refuse(const std::string& recipient, bool refuse = true);
  // A new sign-on starts with IMs on.
  void NewSession() { imsOn_ = true; }

  bool ImsOn() const { return imsOn_; }
  WindowId IncomingWindow(const std::string& sender) const;

 private:
  struct SendWindow {
    WindowId to = 0;
    WindowId text = 0;
  };
  void Send(WindowId window);

  AolClient& client_;
  std::map<WindowId, SendWindow> sendWindows_;
  struct Incoming {
    std::string sender;
    WindowId view = 0;
  };
  std::map<WindowId, Incoming> incoming_;
  std::set<std::string> refusing_;
  bool imsOn_ = true;
};

}  // namespace drelm::standin
