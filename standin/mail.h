// Mail windows. The outbox ("Offline Mail" in AOL 4, "Mail Waiting to be Sent" from AOL 5): an
// "_AOL_Tree" of waiting mails whose second icon schedules the selected one and answers with the
// "America Online" box. "Incoming/Saved Mail": an "_AOL_Tree" of tab-separated lines (date,
// sender, subject) whose first icon opens the selected mail in the reader. The reader: an
// "AOL Child" captioned with the subject; its second icon marks the mail's file for download
// later (into the Download Manager) and answers with the "America Online" box, its sixth shows
// the next mail.
#pragma once

#include <string>
#include <vector>

#include "standin/window_host.h"

namespace drelm::standin {

class AolClient;

struct MailItem {
  std::string date;
  std::string peer;  // sender of an incoming mail, recipient of a waiting one
  std::string subject;
  std::string attachment;  // a file, or empty
  std::string Line() const { return date + "\t" + peer + "\t" + subject; }
};

class Mail {
 public:
  explicit Mail(AolClient& client) : client_(client) {}

  void OpenOutbox();
  void OpenMailbox();
  void AddWaiting(const MailItem& mail);
  void AddIncoming(const MailItem& mail);
  std::vector<MailItem> TakeWaiting();

  const std::vector<MailItem>& Waiting() const { return waiting_; }
  const std::vector<MailItem>& Incoming() const { return incoming_; }
  std::string OutboxCaption() const;
  WindowId Outbox() const { return outbox_.window; }
  WindowId Mailbox() const { return mailbox_.window; }
  WindowId Reader() const { return reader_.window; }
  int ReaderMail() const { return reader_.index; }

 private:
  struct ListWindow {
    WindowId window = 0;
    WindowId tree = 0;
  };
  struct ReaderWindow {
    WindowId window = 0;
    WindowId body = 0;
    int index = -1;
  };
  void Refresh();
  void ScheduleWaiting();
  void OpenReader(int index);
  void ShowInReader(int index);

  AolClient& client_;
  std::vector<MailItem> waiting_;
  std::vector<MailItem> incoming_;
  ListWindow outbox_;
  ListWindow mailbox_;
  ReaderWindow reader_;
};

}  // namespace drelm::standin
