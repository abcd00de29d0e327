// Continuing the downloads and uploads a disconnect or a "File not found." notice interrupted:
// the Download Manager's and the outbox's items are queued for the flash session, which is then
// set up and run. After a reconnect one waiting item is enough to continue; after a
// "File not found." kill the failed item is still listed, so it takes two, and the first item is
// pressed for later and every box that raised is answered.
#pragma once

#include <string>

#include "aol/dcp_context.h"

namespace drelm {

class TransferContinuation {
 public:
  explicit TransferContinuation(DcpContext& dcp) : dcp_(dcp) {}

  void ContinueAfterReconnect();
  void ContinueAfterFileNotFound();

  // Whether the last run queued downloads or uploads (cleared when the flash session is set up).
  bool DlQueued() const { return dlQueued_; }
  bool UlQueued() const { return ulQueued_; }

 private:
  struct Mode {
    const char* downloadsItem;
    const char* uploadsItem;
    int minimumCount;
    bool afterKill;
  };
  void Continue(const Mode& mode);
  bool ContinueDownloads(const Mode& mode);
  bool ContinueUploads(const Mode& mode);
  // Presses the first listed item for later (press names the button) until AOL's box comes,
  // then answers every box. Empty when done, else why it gave up.
  std::string PressFirstForLater(Hwnd list, Hwnd icon, const std::string& press);
  // Logs why what ("downloads", "uploads") was not continued; false.
  bool NotContinued(const std::string& what, const std::string& why);
  Hwnd OpenDownloadManager();
  Hwnd OpenOutbox();

  DcpContext& dcp_;
  bool dlQueued_ = false;
  bool ulQueued_ = false;
  bool running_ = false;
};

}  // namespace drelm
