// The desktop around the program, recorded: tray icon, sounds played, programs started.
// Programs the simulation knows (the stand-in AOL client) are started through launchers
// registered by path; processes have ids and executable paths.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/shell.h"

namespace drelm::sim {

struct SoundPlayed {
  std::string path;
  std::uint32_t flags = 0;
};

struct ProgramStarted {
  std::string path;
  std::string arguments;
  int showCmd = 0;
};

class SimShell : public Shell {
 public:
  bool TrayAdd(const std::string& tip) override;
  bool TrayDelete() override;
  bool TrayPresent() const override { return trayPresent_; }
  bool PlaySound(const std::string& path, std::uint32_t flags) override;
  bool StartProgram(const std::string& pathOrUrl, const std::string& arguments,
                    int showCmd) override;
  // Only programs with a launcher start; anything else is recorded and refused.
  bool StartExecutable(const std::string& exePath, int showCmd) override;
  std::vector<ProcessId> ProcessIds() override;
  std::string ProcessExePath(ProcessId pid) override;
  std::string FileVersion(const std::string& exePath) override;
  Point CursorPos() override { return cursor_; }
  void SetCursorPos(Point at) override { cursor_ = at; }
  Point ScreenSize() override { return screen_; }

  // A launcher runs when a program with this path (compared without regard to case) starts.
  void RegisterLauncher(const std::string& path, std::function<void()> launch);
  ProcessId AddProcess(const std::string& exePath);
  void RemoveProcess(ProcessId pid);
  // The version resource of a program file (paths compared without regard to case).
  void SetFileVersion(const std::string& exePath, const std::string& version);

  const std::vector<SoundPlayed>& Sounds() const { return sounds_; }
  const std::vector<ProgramStarted>& Started() const { return started_; }
  const std::string& TrayTip() const { return trayTip_; }
  int TrayAdds() const { return trayAdds_; }

 private:
  bool trayPresent_ = false;
  std::string trayTip_;
  int trayAdds_ = 0;
  std::vector<SoundPlayed> sounds_;
  std::vector<ProgramStarted> started_;
  std::map<std::string, std::function<void()>> launchers_;
  std::map<ProcessId, std::string> processes_;
  std::map<std::string, std::string> fileVersions_;
  ProcessId nextPid_ = 0x100;
  Point cursor_{400, 300};
  Point screen_{1024, 768};
};

}  // namespace drelm::sim
