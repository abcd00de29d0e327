#include "standin/download_manager.h"

#include <memory>

#include "standin/client.h"

namespace drelm::standin {

void DownloadManager::Open() {
  if (window_ != 0) {
    client_.Host().Activate(window_);
    return;
  }
  auto self = std::make_shared<WindowId>(0);
  window_ = client_.AddMdiChild("Download Manager", false, [this, self] {
    if (window_ == *self) window_ = tree_ = 0;
  });
  *self = window_;
  tree_ = client_.AddControl(window_, "_AOL_Tree", "", WindowKind::kListBox);
  const char* labels[] = {"View Description", "Remove Item",          "Show Files Downloaded",
                          "Download Later",   "Download Preferences", "Help"};
  for (const char* label : labels) {
    const std::string name = label;
    std::function<void()> action;
    if (name == "Download Later") action = [this] { ScheduleSelected(); };
    client_.AddIcon(window_, name, action);
  }
  Refresh();
}

void DownloadManager::Queue(const std::string& file) {
  files_.push_back(file);
  Refresh();
}

std::vector<std::string> DownloadManager::TakeFiles() {
  std::vector<std::string> taken;
  taken.swap(files_);
  scheduled_.clear();
  Refresh();
  return taken;
}

void DownloadManager::Refresh() {
  if (tree_ != 0) client_.Host().SetListItems(tree_, files_);
}

void DownloadManager::ScheduleSelected() {
  const int selected = client_.Host().ListSelection(tree_);
  if (selected < 0 || selected >= static_cast<int>(files_.size())) {
    client_.Stray("\"Download Later\" in \"Download Manager\" with no file selected");
    return;
  }
  scheduled_.push_back(files_[selected]);
  client_.Later(client_.Delay().boxMs, [this] {
    client_.ShowBox("The selected file will be downloaded in your next Automatic AOL session.");
  });
}

}  // namespace drelm::standin
