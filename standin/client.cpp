#include "standin/client.h"

#include "platform/winuser_constants.h"
#include "standin/automatic_aol.h"
#include "standin/buddy_list.h"
#include "standin/chat_room.h"
#include "standin/download_manager.h"
#include "standin/instant_messages.h"
#include "standin/keywords.h"
#include "standin/mail.h"
#include "standin/sign_on.h"
#include "standin/toolbar.h"
#include "standin/transfers.h"

namespace drelm::standin {

AolClient::AolClient(WindowHost& host, StandInOptions options)
    : host_(host),
      options_(std::move(options)),
      chat_(std::make_unique<ChatRooms>(*this)),
      signOn_(std::make_unique<SignOn>(*this)),
      toolbar_(std::make_unique<Toolbar>(*this)),
      keywords_(std::make_unique<Keywords>(*this)),
      ims_(std::make_unique<InstantMessages>(*this)),
      buddies_(std::make_unique<BuddyList>(*this)),
      transfers_(std::make_unique<Transfers>(*this)),
      downloads_(std::make_unique<DownloadManager>(*this)),
      mail_(std::make_unique<Mail>(*this)),
      flash_(std::make_unique<AutomaticAol>(*this)) {}

AolClient::~AolClient() {
  if (running_ || starting_) host_.EndProcess();
  *alive_ = false;
}

bool AolClient::SignedOn() const {
  return signOn_->SignedOn();
}

std::string AolClient::ScreenName() const {
  return options_.screenName;
}

void AolClient::Later(std::uint32_t delayMs, std::function<void()> action) {
  host_.After(delayMs,
              [this, alive = alive_, generation = generation_, action = std::move(action)] {
                if (!*alive || generation != generation_) return;
                action();
              });
}

void AolClient::Stray(const std::string& what) {
  seen_.strays.push_back(what);
}

WindowId AolClient::Track(WindowId window, bool needsConnection) {
  if (needsConnection) online_.insert(window);
  return window;
}

WindowId AolClient::AddMdiChild(const std::string& caption, bool needsConnection,
                                std::function<void()> onDestroyed, MessageHandler onMessage) {
  auto self = std::make_shared<WindowId>(0);
  *self = host_.Create(NewWindow{"AOL Child", caption, mdi_, WindowKind::kMdiChild,
                                 std::move(onMessage),
                                 [this, self, onDestroyed = std::move(onDestroyed)] {
                                   online_.erase(*self);
                                   if (onDestroyed) onDestroyed();
                                 }});
  return Track(*self, needsConnection);
}

WindowId AolClient::AddTopLevel(const std::string& className, const std::string& caption,
                                bool needsConnection, std::function<void()> onDestroyed,
                                MessageHandler onMessage) {
  auto self = std::make_shared<WindowId>(0);
  *self = host_.Create(NewWindow{className, caption, 0, WindowKind::kTopLevel, std::move(onMessage),
                                 [this, self, onDestroyed = std::move(onDestroyed)] {
                                   online_.erase(*self);
                                   if (onDestroyed) onDestroyed();
                                 }});
  return Track(*self, needsConnection);
}

WindowId AolClient::AddControl(WindowId parent, const std::string& className,
                               const std::string& text, WindowKind kind, MessageHandler onMessage) {
  return host_.Create(NewWindow{className, text, parent, kind, std::move(onMessage), {}});
}

WindowId AolClient::AddIcon(WindowId parent, const std::string& label, std::function<void()> action,
                            IconRelease release, const std::string& className) {
  return AddControl(parent, className, "", WindowKind::kControl,
                    IconHandler(*this, parent, label, release, std::move(action)));
}

WindowId AolClient::AddCheckBox(WindowId parent, const std::string& className,
                                const std::string& label, std::function<void()> onClick) {
  auto armed = std::make_shared<bool>(false);
  return AddControl(
      parent, className, label, WindowKind::kCheckBox,
      [armed, onClick = std::move(onClick)](const Message& m) -> std::optional<LResult> {
        switch (m.msg) {
          case WM_LBUTTONDOWN:
            *armed = true;
            return 0;
          case WM_LBUTTONUP:
            if (*armed && onClick) onClick();
            *armed = false;
            return 0;
          case BM_CLICK:
            if (onClick) onClick();
            return 0;
          default:
            return std::nullopt;
        }
      });
}

void AolClient::ShowBox(const std::string& text, std::function<void()> onOk) {
  seen_.boxesShown.push_back(text);
  host_.ShowMessageBox("America Online", text,
                       [this, alive = alive_, generation = generation_, onOk = std::move(onOk)] {
                         if (!*alive || generation != generation_) return;
                         ++seen_.boxesDismissed;
                         if (onOk) onOk();
                       });
}

}  // namespace drelm::standin
