#include "standin/transfers.h"

#include <memory>

#include "standin/client.h"

namespace drelm::standin {

std::string Transfers::RemainingText(int minutes) {
  if (minutes < 0) return "Calculating...";
  if (minutes == 0) return "Less than a minute remaining.";
  if (minutes == 1) return "About 1 minute remaining.";
  return "About " + std::to_string(minutes) + " minutes remaining.";
}

void Transfers::Build(Window& into, WindowId window, const std::string& nameText) {
  into.window = window;
  into.name = client_.AddControl(window, "_AOL_Static", nameText);
  into.remaining = client_.AddControl(window, "_AOL_Static", RemainingText(-1));
  client_.AddControl(window, "_AOL_Gauge");
  client_.AddIcon(window, "Finish Later", {});
  client_.AddIcon(window, "Cancel", [this, window] {
    client_.Later(client_.Delay().windowMs, [this, window] { client_.Host().Destroy(window); });
  });
}

void Transfers::StartDownload(const std::string& file) {
  if (download_.window != 0) client_.Host().Destroy(download_.window);
  auto self = std::make_shared<WindowId>(0);
  const WindowId window = client_.AddMdiChild("File Transfer - 0%", true, [this, self] {
    if (download_.window == *self) download_ = Window{};
  });
  *self = window;
  Build(download_, window, "AOL Is Now Downloading " + file);
}

void Transfers::StartUpload(const std::string& file) {
  if (upload_.window != 0) client_.Host().Destroy(upload_.window);
  auto self = std::make_shared<WindowId>(0);
  auto gone = [this, self] {
    if (upload_.window == *self) upload_ = Window{};
  };
  const std::string caption = "File Transfer - 0%";
  const WindowId window = client_.Version() >= 7
                              ? client_.AddMdiChild(caption, true, gone)
                              : client_.AddTopLevel("_AOL_Modal", caption, true, gone);
  *self = window;
  Build(upload_, window, "Now Uploading " + file);
}

void Transfers::Progress(Window& transfer, int percent, const std::string& remaining) {
  if (transfer.window == 0) {
    client_.Stray("transfer progress with no transfer window");
    return;
  }
  client_.Host().SetText(transfer.window, "File Transfer - " + std::to_string(percent) + "%");
  client_.Host().SetText(transfer.remaining, remaining);
}

void Transfers::SetDownloadProgress(int percent, const std::string& remaining) {
  Progress(download_, percent, remaining);
}

void Transfers::SetUploadProgress(int percent, const std::string& remaining) {
  Progress(upload_, percent, remaining);
}

void Transfers::FinishDownload() {
  client_.Host().Destroy(download_.window);
}

void Transfers::FinishUpload() {
  client_.Host().Destroy(upload_.window);
}

void Transfers::ShowFileNotFound() {
  FinishDownload();
  FinishUpload();
  auto self = std::make_shared<WindowId>(0);
  notFound_ = client_.AddTopLevel("_AOL_Modal", "File Transfer", false, [this, self] {
    if (notFound_ == *self) notFound_ = 0;
  });
  *self = notFound_;
  client_.AddControl(notFound_, "_AOL_Static", "File not found.\r");
  const WindowId window = notFound_;
  client_.AddIcon(notFound_, "OK", [this, window] {
    client_.Later(client_.Delay().windowMs, [this, window] { client_.Host().Destroy(window); });
  });
}

}  // namespace drelm::standin
