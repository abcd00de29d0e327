#include "standin/mail.h"

#include <memory>

#include "standin/client.h"
#include "standin/download_manager.h"

namespace drelm::standin {

namespace {

std::vector<std::string> Lines(const std::vector<MailItem>& mails) {
  std::vector<std::string> lines;
  for (const MailItem& mail : mails) lines.push_back(mail.Line());
  return lines;
}

}  // namespace

std::string Mail::OutboxCaption() const {
  return client_.Version() <= 4 ? "Offline Mail" : "Mail Waiting to be Sent";
}

void Mail::OpenOutbox() {
  if (outbox_.window != 0) {
    client_.Host().Activate(outbox_.window);
    return;
  }
  auto self = std::make_shared<WindowId>(0);
  outbox_.window = client_.AddMdiChild(OutboxCaption(), false, [this, self] {
    if (outbox_.window == *self) outbox_ = ListWindow{};
  });
  *self = outbox_.window;
  outbox_.tree = client_.AddControl(outbox_.window, "_AOL_Tree", "", WindowKind::kListBox);
  const char* labels[] = {"Read", "Send Later", "Send All Now", "Delete", "Help"};
  for (const char* label : labels) {
    const std::string name = label;
    std::function<void()> action;
    if (name == "Send Later") action = [this] { ScheduleWaiting(); };
    client_.AddIcon(outbox_.window, name, action, IconRelease::kEither, "_AOL_Icon");
  }
  Refresh();
}

void Mail::OpenMailbox() {
  if (mailbox_.window != 0) {
    client_.Host().Activate(mailbox_.window);
    return;
  }
  auto self = std::make_shared<WindowId>(0);
  mailbox_.window = client_.AddMdiChild("Incoming/Saved Mail", false, [this, self] {
    if (mailbox_.window == *self) mailbox_ = ListWindow{};
  });
  *self = mailbox_.window;
  mailbox_.tree = client_.AddControl(mailbox_.window, "_AOL_Tree", "", WindowKind::kListBox);
  const char* labels[] = {"Read", "Status", "Keep As New", "Delete", "Help"};
  for (const char* label : labels) {
    const std::string name = label;
    std::function<void()> action;
    if (name == "Read") {
      action = [this] {
        const int selected = client_.Host().ListSelection(mailbox_.tree);
        if (selected < 0) {
          client_.Stray("\"Read\" in \"Incoming/Saved Mail\" with no mail selected");
          return;
        }
        // The reader is there when the press returns: the mail is read from the local mailbox.
        OpenReader(selected);
      };
    }
    client_.AddIcon(mailbox_.window, name, action);
  }
  Refresh();
  // A mailbox opens with its first mail selected.
  if (!incoming_.empty()) client_.Host().SetListSelection(mailbox_.tree, 0);
}

void Mail::AddWaiting(const MailItem& mail) {
  waiting_.push_back(mail);
  Refresh();
}

void Mail::AddIncoming(const MailItem& mail) {
  incoming_.push_back(mail);
  Refresh();
}

std::vector<MailItem> Mail::TakeWaiting() {
  std::vector<MailItem> taken;
  taken.swap(waiting_);
  Refresh();
  return taken;
}

void Mail::Refresh() {
  if (outbox_.tree != 0) client_.Host().SetListItems(outbox_.tree, Lines(waiting_));
  if (mailbox_.tree != 0) client_.Host().SetListItems(mailbox_.tree, Lines(incoming_));
}

void Mail::ScheduleWaiting() {
  const int selected = client_.Host().ListSelection(outbox_.tree);
  if (selected < 0 || selected >= static_cast<int>(waiting_.size())) {
    client_.Stray("\"Send Later\" in \"" + OutboxCaption() + "\" with no mail selected");
    return;
  }
  client_.Later(client_.Delay().boxMs, [this] {
    client_.ShowBox("Your mail will be sent in your next Automatic AOL session.");
  });
}

void Mail::OpenReader(int index) {
  if (index < 0 || index >= static_cast<int>(incoming_.size())) return;
  if (reader_.window != 0) client_.Host().Destroy(reader_.window);
  auto self = std::make_shared<WindowId>(0);
  reader_.window = client_.AddMdiChild(incoming_[index].subject, false, [this, self] {
    if (reader_.window == *self) reader_ = ReaderWindow{};
  });
  *self = reader_.window;
  reader_.body = client_.AddControl(reader_.window, "RICHCNTL");
  const char* labels[] = {"Reply",    "Download Later", "Forward", "Reply All",
                          "Previous", "Next",           "Delete"};
  for (const char* label : labels) {
    const std::string name = label;
    std::function<void()> action;
    if (name == "Download Later") {
      action = [this] {
        const MailItem& mail = incoming_[reader_.index];
        if (mail.attachment.empty()) return;  // the button is disabled without a file
        client_.Seen().downloadLater.push_back(mail.attachment);
        client_.Downloads().Queue(mail.attachment);
        client_.Later(client_.Delay().boxMs, [this] {
          client_.ShowBox("The file will be downloaded in your next Automatic AOL session.");
        });
      };
    } else if (name == "Next") {
      action = [this] {
        // Disabled on the last mail.
        if (reader_.index + 1 >= static_cast<int>(incoming_.size())) return;
        ShowInReader(reader_.index + 1);
      };
    }
    client_.AddIcon(reader_.window, name, action);
  }
  ShowInReader(index);
}

void Mail::ShowInReader(int index) {
  reader_.index = index;
  const MailItem& mail = incoming_[index];
  client_.Host().SetText(reader_.window, mail.subject);
  client_.Host().SetText(
      reader_.body, "From: " + mail.peer + "\r\nSubject: " + mail.subject +
                        (mail.attachment.empty() ? std::string() : "\r\nFile: " + mail.attachment));
  if (mailbox_.tree != 0) client_.Host().SetListSelection(mailbox_.tree, index);
}

}  // namespace drelm::standin
