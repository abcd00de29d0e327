#include "standin/standin.h"

#include "platform/winuser_constants.h"
#include "standin/automatic_aol.h"
#include "standin/buddy_list.h"
#include "standin/chat_room.h"
#include "standin/download_manager.h"
#include "standin/instant_messages.h"
#include "standin/mail.h"
#include "standin/sign_on.h"
#include "standin/transfers.h"

namespace drelm::standin {

StandIn::StandIn(WindowHost& host, StandInOptions options) : client_(host, std::move(options)) {}

void StandIn::Launch(int showCmd) {
  client_.Launch(showCmd);
}

void StandIn::StartSignedOn(const std::string& room) {
  client_.StartSignedOn();
  if (!room.empty()) client_.Chat().Enter(room);
}

void StandIn::Exit() {
  client_.Exit();
}

void StandIn::Disconnect() {
  client_.Disconnect();
}

void StandIn::DisconnectAndClose() {
  client_.DisconnectAndClose();
}

void StandIn::FailStarts(int n) {
  client_.FailStarts(n);
}

void StandIn::FailSignOns(int n) {
  client_.SignOnScreen().FailConnections(n);
}

void StandIn::RequirePassword(const std::string& password) {
  client_.MutableOptions().storedPassword = false;
  client_.MutableOptions().password = password;
}

void StandIn::UseStoredPassword() {
  client_.MutableOptions().storedPassword = true;
}

void StandIn::SetScreenName(const std::string& name) {
  client_.MutableOptions().screenName = name;
}

void StandIn::EnterRoom(const std::string& room) {
  client_.Chat().Enter(room);
}

void StandIn::Say(const std::string& member, const std::string& text) {
  client_.Chat().Say(member, text);
}

void StandIn::SetMembers(const std::vector<std::string>& members) {
  client_.Chat().SetMembers(members);
}

void StandIn::FillRoom(const std::string& room, int requests) {
  client_.Chat().FillRoom(room, requests);
}

void StandIn::SetChatLineLimit(std::size_t bytes) {
  client_.Chat().SetLineLimit(bytes);
}

void StandIn::ReceiveIm(const std::string& sender, const std::string& text) {
  client_.Ims().Receive(sender, text);
}

void StandIn::RefuseIms(const std::string& recipient, bool refuse) {
  client_.Ims().Refuse(recipient, refuse);
}

void StandIn::ShowMessageBox(const std::string& text) {
  client_.ShowBox(text);
}

void StandIn::ShowAolPlus() {
  client_.SignOnScreen().ShowAolPlus();
}

void StandIn::SetBuddies(const std::vector<std::string>& buddies) {
  client_.Buddies().SetBuddies(buddies);
}

void StandIn::StartDownload(const std::string& file) {
  client_.TransferWindows().StartDownload(file);
}

void StandIn::SetDownloadProgress(int percent, int minutesLeft) {
  client_.TransferWindows().SetDownloadProgress(percent, Transfers::RemainingText(minutesLeft));
}

void StandIn::FinishDownload() {
  client_.TransferWindows().FinishDownload();
}

void StandIn::StartUpload(const std::string& file) {
  client_.TransferWindows().StartUpload(file);
}

void StandIn::SetUploadProgress(int percent, int minutesLeft) {
  client_.TransferWindows().SetUploadProgress(percent, Transfers::RemainingText(minutesLeft));
}

void StandIn::FinishUpload() {
  client_.TransferWindows().FinishUpload();
}

void StandIn::ShowFileNotFound() {
  client_.TransferWindows().ShowFileNotFound();
}

void StandIn::QueueDownload(const std::string& file) {
  client_.Downloads().Queue(file);
}

void StandIn::AddWaitingMail(const std::string& recipient, const std::string& subject) {
  client_.MailWindows().AddWaiting(MailItem{"", recipient, subject, ""});
}

void StandIn::AddIncomingMail(const std::string& date, const std::string& sender,
                              const std::string& subject, const std::string& attachment) {
  client_.MailWindows().AddIncoming(MailItem{date, sender, subject, attachment});
}

void StandIn::SetAutomaticAolBox(int box, bool checked) {
  client_.Flash().SetBox(box, checked);
}

void StandIn::ShowStatusWindow() {
  client_.Flash().ShowStatus("Automatic AOL session complete.");
}

bool StandIn::SignedOn() const {
  return client_.SignedOn();
}

std::string StandIn::RoomName() const {
  return client_.Chat().RoomName();
}

std::string StandIn::ChatView() const {
  return client_.Chat().ViewText();
}

bool StandIn::ImsOn() const {
  return client_.Ims().ImsOn();
}

std::string StandIn::Privacy() const {
  return client_.Buddies().PrivacyState();
}

std::array<bool, 5> StandIn::AutomaticAolBoxes() const {
  const AutomaticAol& flash = client_.Flash();
  return {flash.Box(1), flash.Box(2), flash.Box(3), flash.Box(4), flash.Box(5)};
}

std::vector<std::string> StandIn::DownloadQueue() const {
  return client_.Downloads().Files();
}

}  // namespace drelm::standin
