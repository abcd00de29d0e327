#include "standin/automatic_aol.h"

#include <memory>

#include "platform/winuser_constants.h"
#include "standin/client.h"
#include "standin/download_manager.h"
#include "standin/mail.h"

namespace drelm::standin {

namespace {

constexpr const char* kBoxLabels[] = {
    "Send mail from the outbox", "Get unread mail", "Download files attached to unread mail",
    "Send and receive newsgroup messages", "Download files marked for later download"};

}  // namespace

void AutomaticAol::OpenSetup() {
  if (setup_ != 0) {
    client_.Host().Activate(setup_);
    return;
  }
  auto self = std::make_shared<WindowId>(0);
  setup_ = client_.AddMdiChild("Automatic AOL", false, [this, self] {
    if (setup_ == *self) {
      setup_ = 0;
      boxWindows_.clear();
    }
  });
  *self = setup_;
  boxWindows_.clear();
  for (int n = 1; n <= 5; ++n) {
    boxWindows_.push_back(
        client_.AddCheckBox(setup_, "_AOL_Checkbox", kBoxLabels[n - 1], [this, n] { Toggle(n); }));
  }
  client_.AddIcon(setup_, "Select Screen Names", {});
  client_.AddIcon(setup_, "Run Automatic AOL Now",
                  [this] { client_.Later(client_.Delay().windowMs, [this] { OpenRunNow(); }); });
  client_.AddIcon(setup_, "Schedule Automatic AOL", {});
  client_.AddIcon(setup_, "Help", {});
  ShowBoxes();
}

void AutomaticAol::SetBox(int n, bool checked) {
  boxes_.at(n - 1) = checked;
  ShowBoxes();
}

void AutomaticAol::Toggle(int n) {
  SetBox(n, !Box(n));
}

void AutomaticAol::ShowBoxes() {
  for (std::size_t i = 0; i < boxWindows_.size(); ++i) {
    client_.Host().SetCheckState(boxWindows_[i], boxes_[i] ? BST_CHECKED : BST_UNCHECKED);
  }
}

void AutomaticAol::OpenRunNow() {
  if (runNow_ != 0) {
    client_.Host().Activate(runNow_);
    return;
  }
  auto self = std::make_shared<WindowId>(0);
  runNow_ = client_.AddTopLevel("_AOL_Modal", "Run Automatic AOL Now", false, [this, self] {
    if (runNow_ == *self) runNow_ = 0;
  });
  *self = runNow_;
  const WindowId window = runNow_;
  client_.AddIcon(runNow_, "Begin", [this, window] {
    client_.Later(client_.Delay().windowMs, [this, window] {
      client_.Host().Destroy(window);
      StartSession();
    });
  });
  client_.AddIcon(runNow_, "Set Session", {});
  client_.AddIcon(runNow_, "Cancel", [this, window] {
    client_.Later(client_.Delay().windowMs, [this, window] { client_.Host().Destroy(window); });
  });
  client_.AddControl(runNow_, "_AOL_Static", "Click Begin to run Automatic AOL now.");
}

void AutomaticAol::StartSession() {
  if (running_) return;
  running_ = true;
  FlashSessionRun run;
  run.sendMail = boxes_[0];
  run.downloadFiles = boxes_[4];
  client_.Seen().flashSessions.push_back(run);
  ShowStatus("Automatic AOL is running.");
  client_.Later(client_.Delay().sessionMs, [this] { EndSession(); });
}

void AutomaticAol::ShowStatus(const std::string& text) {
  if (status_ == 0) {
    auto self = std::make_shared<WindowId>(0);
    status_ = client_.AddMdiChild("Automatic AOL Status", false, [this, self] {
      if (status_ == *self) status_ = statusText_ = 0;
    });
    *self = status_;
    statusText_ = client_.AddControl(status_, "_AOL_Static");
    client_.AddIcon(status_, "Stop", {});
  } else {
    client_.Host().Activate(status_);
  }
  client_.Host().SetText(statusText_, text);
}

void AutomaticAol::EndSession() {
  running_ = false;
  FlashSessionRun& run = client_.Seen().flashSessions.back();
  if (run.sendMail) {
    for (const MailItem& mail : client_.MailWindows().TakeWaiting()) {
      run.mailsSent.push_back(mail.subject);
    }
  }
  if (run.downloadFiles) run.filesDownloaded = client_.Downloads().TakeFiles();
  client_.Host().SetText(statusText_, "Automatic AOL session complete.");
}

}  // namespace drelm::standin
