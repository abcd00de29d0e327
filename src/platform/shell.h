// The rest of the desktop: tray icon, sound, starting programs, processes, cursor and screen.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/types.h"

namespace drelm {

class Shell {
 public:
  virtual ~Shell() = default;
  // One icon per program; Add on an existing icon modifies it.
  virtual bool TrayAdd(const std::string& tip) = 0;
  virtual bool TrayDelete() = 0;
  virtual bool TrayPresent() const = 0;

  // sndPlaySoundA: flags are SND_* values.
  virtual bool PlaySound(const std::string& path, std::uint32_t flags) = 0;

  // Starts a program by path (or a document/URL by association) with a ShowWindow command.
  virtual bool StartProgram(const std::string& pathOrUrl, const std::string& arguments,
                            int showCmd) = 0;
  // Starts exactly this program file: never a document, an association or a program found on a
  // search path. False when there is no such program or it would not start.
  virtual bool StartExecutable(const std::string& exePath, int showCmd) = 0;
  virtual std::vector<ProcessId> ProcessIds() = 0;
  // Full path of the process's executable; only the file name when the system gives no more
  // (a process of another user); empty when unknown.
  virtual std::string ProcessExePath(ProcessId pid) = 0;
  // The file version of an executable's version resource, "major.minor.build.revision" as its
  // fixed file information gives it; empty when the file has none or cannot be read.
  virtual std::string FileVersion(const std::string& exePath) = 0;

  virtual Point CursorPos() = 0;
  virtual void SetCursorPos(Point at) = 0;
  virtual Point ScreenSize() = 0;
};

}  // namespace drelm
