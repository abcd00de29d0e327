#include "standin/sign_on.h"

#include <memory>

#include "standin/client.h"
#include "standin/instant_messages.h"

namespace drelm::standin {

SignOn::SignOn(AolClient& client) : client_(client) {}

void SignOn::Show() {
  if (!client_.Running() || window_ != 0 || phase_ != Phase::kSignedOff) return;
  auto self = std::make_shared<WindowId>(0);
  window_ = client_.AddMdiChild("Sign On", false, [this, self] {
    if (window_ == *self) {
      window_ = 0;
      password_ = 0;
    }
  });
  *self = window_;
  client_.AddControl(window_, "_AOL_Static", "Select Screen Name");
  client_.AddControl(window_, "_AOL_Combobox", client_.ScreenName());
  client_.AddControl(window_, "_AOL_Static", "Enter Password");
  password_ = client_.AddControl(window_, "_AOL_Edit");
  client_.AddIcon(window_, "Setup", {});
  client_.AddIcon(window_, "Access Numbers", {});
  client_.AddIcon(window_, "Help", {});
  client_.AddIcon(
      window_, "Sign On", [this] { Pressed(); },
      client_.Version() >= 6 ? IconRelease::kSpaceUp : IconRelease::kButtonUp);
}

void SignOn::Pressed() {
  if (phase_ != Phase::kSignedOff) return;  // already connecting: AOL ignores further presses
  const StandInOptions& options = client_.Options();
  if (!options.storedPassword && client_.Host().Text(password_) != options.password) {
    ++client_.Seen().failedSignOns;
    client_.Host().SetText(password_, "");
    return;
  }
  phase_ = Phase::kConnecting;
  client_.Later(client_.Delay().connectMs, [this, attempt = ++attempt_] {
    if (attempt != attempt_ || phase_ != Phase::kConnecting) return;
    if (failsLeft_ > 0) {
      --failsLeft_;
      ++client_.Seen().failedSignOns;
      phase_ = Phase::kSignedOff;
      return;
    }
    Connected();
  });
}

void SignOn::Connected() {
  if (window_ != 0) client_.Host().Destroy(window_);
  SignOnNow();
}

void SignOn::SignOnNow() {
  if (phase_ == Phase::kSignedOn) return;
  phase_ = Phase::kSignedOn;
  const std::string name = client_.ScreenName();
  auto self = std::make_shared<WindowId>(0);
  welcome_ = client_.AddMdiChild("Welcome, " + name + "!", true, [this, self] {
    if (welcome_ == *self) welcome_ = 0;
  });
  *self = welcome_;
  client_.AddControl(welcome_, "_AOL_Static", "Welcome, " + name + "!");
  for (const char* label : {"Top News", "Mail Center", "People Connection", "Channels"}) {
    client_.AddIcon(welcome_, label, {});
  }
  client_.Ims().NewSession();
  client_.Seen().signOns.push_back(name);
}

void SignOn::ShowAolPlus() {
  if (aolPlus_ != 0 || phase_ != Phase::kSignedOn) return;
  auto self = std::make_shared<WindowId>(0);
  aolPlus_ = client_.AddMdiChild(" AOL Plus", true, [this, self] {
    if (aolPlus_ == *self) aolPlus_ = 0;
  });
  *self = aolPlus_;
  client_.AddControl(aolPlus_, "_AOL_Static", "AOL Plus");
}

void SignOn::ProcessEnded() {
  phase_ = Phase::kSignedOff;
  ++attempt_;
}

void SignOn::Dropped() {
  phase_ = Phase::kSignedOff;
  ++attempt_;
  client_.Later(client_.Delay().signOnWindowMs, [this] { Show(); });
}

}  // namespace drelm::standin
