// Automatic AOL (flash sessions). "Automatic AOL": five "_AOL_Checkbox" (box 1 sends the waiting
// mail, box 5 downloads the files in the Download Manager; 2 to 4 are other chores) whose state
// the client keeps, and icons of which the second opens "Run Automatic AOL Now", a top-level
// "_AOL_Modal" whose first icon (Begin) starts a session. A session shows the "Automatic AOL
// Status" window, sends and downloads what its boxes say, and reports when it is done.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "standin/window_host.h"

namespace drelm::standin {

class AolClient;

class AutomaticAol {
 public:
  explicit AutomaticAol(AolClient& client) : client_(client) {}

  void OpenSetup();
  void OpenRunNow();
  void StartSession();
  // The status window alone, as a session leaves it behind.
  void ShowStatus(const std::string& text);

  // Box n (1..5) is checked.
  bool Box(int n) const { return boxes_.at(n - 1); }
  void SetBox(int n, bool checked);
  bool SessionRunning() const { return running_; }
  WindowId Setup() const { return setup_; }
  WindowId RunNow() const { return runNow_; }
  WindowId StatusWindow() const { return status_; }

 private:
  void Toggle(int n);
  void ShowBoxes();
  void EndSession();

  AolClient& client_;
  std::array<bool, 5> boxes_{};
  std::vector<WindowId> boxWindows_;
  WindowId setup_ = 0;
  WindowId runNow_ = 0;
  WindowId status_ = 0;
  WindowId statusText_ = 0;
  bool running_ = false;
};

}  // namespace drelm::standin
