// File transfer windows, driven by the script. The download window is an "AOL Child" captioned
// "File Transfer - <n>%" with a gauge and two statics ("AOL Is Now Downloading <file>" and the
// time left). The upload window has the same caption and "Now Uploading <file>"; it is a
// top-level "_AOL_Modal" below AOL 7 and an MDI child in AOL 7. The "File not found." notice is
// an "_AOL_Modal" whose static ends with a carriage return, closed by its "OK" icon.
#pragma once

#include <string>

#include "standin/window_host.h"

namespace drelm::standin {

class AolClient;

class Transfers {
 public:
  explicit Transfers(AolClient& client) : client_(client) {}

  // The time-left text for a number of minutes; below 0 "Calculating...", 0 "Less than a
  // minute remaining.", else "About <n> minute(s) remaining.".
  static std::string RemainingText(int minutes);

  void StartDownload(const std::string& file);
  void SetDownloadProgress(int percent, const std::string& remaining);
  void FinishDownload();
  void StartUpload(const std::string& file);
  void SetUploadProgress(int percent, const std::string& remaining);
  void FinishUpload();
  // The notice; the transfer under way, if any, ends with it.
  void ShowFileNotFound();

  WindowId DownloadWindow() const { return download_.window; }
  WindowId UploadWindow() const { return upload_.window; }
  WindowId FileNotFoundNotice() const { return notFound_; }

 private:
  struct Window {
    WindowId window = 0;
    WindowId name = 0;
    WindowId remaining = 0;
  };
  void Build(Window& into, WindowId window, const std::string& nameText);
  void Progress(Window& transfer, int percent, const std::string& remaining);

  AolClient& client_;
  Window download_;
  Window upload_;
  WindowId notFound_ = 0;
};

}  // namespace drelm::standin
