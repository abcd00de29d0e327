#include "core/status_log.h"

#include <memory>

#include "core/files.h"
#include "text/ansi.h"

namespace drelm {

std::string FormatLogEntry(const LocalDateTime& at, std::string_view amDesignator,
                           std::string_view pmDesignator, std::string_view message) {
  const int hour12 = at.hour % 12 == 0 ? 12 : at.hour % 12;
  std::string entry = "<d> |[";
  entry +=
      ZeroPadded(at.month, 2) + "-" + ZeroPadded(at.day, 2) + "-" + ZeroPadded(at.year % 100, 2);
  entry += "]|[";
  entry += ZeroPadded(hour12, 2) + ":" + ZeroPadded(at.minute, 2) + " ";
  entry += at.hour < 12 ? amDesignator : pmDesignator;
  entry += "]| - ";
  entry += message;
  return entry;
}

StatusLog::StatusLog(Clock& clock, Files& files, const std::string& programFolder)
    : clock_(clock), files_(files), path_(PathInFolder(programFolder, kLogFileName)) {}

void StatusLog::WriteLog(std::string_view message) {
  // A new or empty file gets exactly what an append gives: the leading empty line of the file
  // and the empty line between entries are both the line end written before each entry.
  const std::string record =
      "\r\n" + FormatLogEntry(clock_.Now(), clock_.AmDesignator(), clock_.PmDesignator(), message) +
      "\r\n";
  // The whole entry goes out in one write, so two running copies cannot split each other's
  // entries. A log that cannot be written drops the entry: logging never stops a command.
  const std::unique_ptr<OpenFile> file = files_.OpenForAppend(path_);
  if (file) file->Write(record);
}

void StatusLog::ResetLog() {
  files_.Remove(path_);
}

}  // namespace drelm
