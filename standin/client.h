// The stand-in AOL client: one instance of the client's window tree and behaviour for one major
// version, written against WindowHost. It owns one object per window family and the services
// they share: delayed actions that die with the running program, "America Online" boxes, icon
// buttons, MDI children, and the record of what it saw.
#pragma once

#include <functional>
#include <memory>
#include <set>
#include <string>

#include "standin/icon_button.h"
#include "standin/observations.h"
#include "standin/options.h"
#include "standin/window_host.h"

namespace drelm::standin {

class AutomaticAol;
class BuddyList;
class ChatRooms;
class DownloadManager;
class InstantMessages;
class Keywords;
class Mail;
class SignOn;
class Toolbar;
class Transfers;

class AolClient {
 public:
  AolClient(WindowHost& host, StandInOptions options);
  ~AolClient();
  AolClient(const AolClient&) = delete;
  AolClient& operator=(const AolClient&) = delete;

  // The program's life (lifecycle.cpp).
  // Started by its program path: the main window comes after a while, "Sign On" after another.
  void Launch(int showCmd);
  // The main window, signed on, at once: the usual start of a test.
  void StartSignedOn();
  // The process ends; every window goes.
  void Exit();
  bool Running() const { return running_; }
  // The connection drops: the windows that need it close and "Sign On" comes back.
  void Disconnect();
  // The connection drops and the client closes itself instead of showing "Sign On".
  void DisconnectAndClose();
  // The next n starts by program path end before the main window shows.
  void FailStarts(int n) { failStartsLeft_ = n; }

  // Services for the window families.
  WindowHost& Host() { return host_; }
  const StandInOptions& Options() const { return options_; }
  StandInOptions& MutableOptions() { return options_; }
  const Delays& Delay() const { return options_.delays; }
  int Version() const { return options_.version; }
  Observations& Seen() { return seen_; }
  const Observations& Seen() const { return seen_; }
  WindowId Frame() const { return frame_; }
  WindowId Mdi() const { return mdi_; }
  bool SignedOn() const;
  std::string ScreenName() const;

  // Runs action after delayMs unless the program ended (or the client went away) meanwhile.
  void Later(std::uint32_t delayMs, std::function<void()> action);
  void Stray(const std::string& what);

  // An "AOL Child" in the MDI client, active and first. Windows that need the connection close
  // when it drops.
  WindowId AddMdiChild(const std::string& caption, bool needsConnection,
                       std::function<void()> onDestroyed, MessageHandler onMessage = {});
  // A top-level window of the client ("_AOL_Modal").
  WindowId AddTopLevel(const std::string& className, const std::string& caption,
                       bool needsConnection, std::function<void()> onDestroyed,
                       MessageHandler onMessage = {});
  WindowId AddControl(WindowId parent, const std::string& className, const std::string& text = "",
                      WindowKind kind = WindowKind::kControl, MessageHandler onMessage = {});
  WindowId AddIcon(WindowId parent, const std::string& label, std::function<void()> action,
                   IconRelease release = IconRelease::kEither,
                   const std::string& className = "_AOL_Icon");
  // A check box the model switches itself: onClick runs after a button-down and button-up.
  WindowId AddCheckBox(WindowId parent, const std::string& className, const std::string& label,
                       std::function<void()> onClick);
  // The "#32770" box titled "America Online" with an "OK" button.
  void ShowBox(const std::string& text, std::function<void()> onOk = {});

  ChatRooms& Chat() { return *chat_; }
  const ChatRooms& Chat() const { return *chat_; }
  SignOn& SignOnScreen() { return *signOn_; }
  const SignOn& SignOnScreen() const { return *signOn_; }
  Toolbar& Tools() { return *toolbar_; }
  const Toolbar& Tools() const { return *toolbar_; }
  Keywords& Keys() { return *keywords_; }
  const Keywords& Keys() const { return *keywords_; }
  InstantMessages& Ims() { return *ims_; }
  const InstantMessages& Ims() const { return *ims_; }
  BuddyList& Buddies() { return *buddies_; }
  const BuddyList& Buddies() const { return *buddies_; }
  Transfers& TransferWindows() { return *transfers_; }
  const Transfers& TransferWindows() const { return *transfers_; }
  DownloadManager& Downloads() { return *downloads_; }
  const DownloadManager& Downloads() const { return *downloads_; }
  Mail& MailWindows() { return *mail_; }
  const Mail& MailWindows() const { return *mail_; }
  AutomaticAol& Flash() { return *flash_; }
  const AutomaticAol& Flash() const { return *flash_; }

 private:
  void BuildFrame(int showCmd);
  std::optional<LResult> FrameMessage(const Message& m);
  void CloseRequested();
  WindowId Track(WindowId window, bool needsConnection);

  WindowHost& host_;
  StandInOptions options_;
  Observations seen_;
  bool running_ = false;
  bool starting_ = false;
  bool closing_ = false;
  int failStartsLeft_ = 0;
  unsigned generation_ = 0;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  WindowId frame_ = 0;
  WindowId mdi_ = 0;
  std::set<WindowId> online_;

  std::unique_ptr<ChatRooms> chat_;
  std::unique_ptr<SignOn> signOn_;
  std::unique_ptr<Toolbar> toolbar_;
  std::unique_ptr<Keywords> keywords_;
  std::unique_ptr<InstantMessages> ims_;
  std::unique_ptr<BuddyList> buddies_;
  std::unique_ptr<Transfers> transfers_;
  std::unique_ptr<DownloadManager> downloads_;
  std::unique_ptr<Mail> mail_;
  std::unique_ptr<AutomaticAol> flash_;
};

}  // namespace drelm::standin
