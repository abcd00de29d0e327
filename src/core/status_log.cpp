#include "core/status_log.h"

#include <cstdio>
#include <fstream>
#include <system_error>
#include <utility>

#include "core/files.h"

namespace drelm {

namespace {

std::string TwoDigits(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

}  // namespace

std::string FormatLogEntry(const LocalDateTime& at, std::string_view amDesignator,
                           std::string_view pmDesignator, std::string_view message) {
  const int hour12 = at.hour % 12 == 0 ? 12 : at.hour % 12;
  std::string entry = "<d> |[";
  entry += TwoDigits(at.month) + "-" + TwoDigits(at.day) + "-" + TwoDigits(at.year % 100);
  entry += "]|[";
  entry += TwoDigits(hour12) + ":" + TwoDigits(at.minute) + " ";
  entry += at.hour < 12 ? amDesignator : pmDesignator;
  entry += "]| - ";
  entry += message;
  return entry;
}

StatusLog::StatusLog(Clock& clock, std::filesystem::path programFolder)
    : clock_(clock), path_(std::move(programFolder) / kLogFileName) {}

void StatusLog::WriteLog(std::string_view message) {
  // A new or empty file gets exactly what an append gives: the leading empty line of the file
  // and the empty line between entries are both the line end written before each entry.
  const std::string record =
      "\r\n" + FormatLogEntry(clock_.Now(), clock_.AmDesignator(), clock_.PmDesignator(), message) +
      "\r\n";
  try {
    std::ofstream file;
    // Unbuffered, so the whole entry goes out in one write and two running copies cannot
    // split each other's entries.
    file.rdbuf()->pubsetbuf(nullptr, 0);
    file.open(path_, std::ios::binary | std::ios::app);
    if (!file) return;
    file.write(record.data(), static_cast<std::streamsize>(record.size()));
  } catch (const std::exception&) {
    // Logging never stops a command.
  }
}

void StatusLog::ResetLog() {
  std::error_code error;
  std::filesystem::remove(path_, error);
}

}  // namespace drelm
