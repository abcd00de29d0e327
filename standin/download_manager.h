// The "Download Manager": an "_AOL_Tree" list of the files waiting to be downloaded and six
// icons; the fourth schedules the selected file for the next Automatic AOL session and answers
// with the "America Online" box. The queue outlives the window and the program.
#pragma once

#include <string>
#include <vector>

#include "standin/window_host.h"

namespace drelm::standin {

class AolClient;

class DownloadManager {
 public:
  explicit DownloadManager(AolClient& client) : client_(client) {}

  void Open();
  void Queue(const std::string& file);
  const std::vector<std::string>& Files() const { return files_; }
  std::vector<std::string> TakeFiles();
  const std::vector<std::string>& Scheduled() const { return scheduled_; }
  WindowId Window() const { return window_; }

 private:
  void Refresh();
  void ScheduleSelected();

  AolClient& client_;
  std::vector<std::string> files_;
  std::vector<std::string> scheduled_;
  WindowId window_ = 0;
  WindowId tree_ = 0;
};

}  // namespace drelm::standin
