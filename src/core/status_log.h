// The status log beside the program: one entry per command, stamped with the local date and
// time, appended and closed at once so that it can be read while the program runs. A write
// that fails is dropped; the command that logged goes on.
#pragma once

#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/files.h"

namespace drelm {

// "<d> |[mm-dd-yy]|[hh:mm AM]| - message", the 12-hour clock with the locale's designators.
std::string FormatLogEntry(const LocalDateTime& at, std::string_view amDesignator,
                           std::string_view pmDesignator, std::string_view message);

class StatusLog {
 public:
  StatusLog(Clock& clock, Files& files, const std::string& programFolder);

  // Adds one entry: a line end, the entry, a line end. The message is kept as given.
  void WriteLog(std::string_view message);
  // Deletes the log file, if there is one; the next entry starts a new file.
  void ResetLog();

  const std::string& Path() const { return path_; }

 private:
  Clock& clock_;
  Files& files_;
  std::string path_;
};

}  // namespace drelm
