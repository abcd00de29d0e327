#include "platform/sim/sim_shell.h"

#include "text/ansi.h"

namespace drelm::sim {

bool SimShell::TrayAdd(const std::string& tip) {
  trayPresent_ = true;
  trayTip_ = tip;
  ++trayAdds_;
  return true;
}

bool SimShell::TrayDelete() {
  const bool was = trayPresent_;
  trayPresent_ = false;
  return was;
}

bool SimShell::PlaySound(const std::string& path, std::uint32_t flags) {
  sounds_.push_back({path, flags});
  return true;
}

bool SimShell::StartProgram(const std::string& pathOrUrl, const std::string& arguments,
                            int showCmd) {
  started_.push_back({pathOrUrl, arguments, showCmd});
  auto it = launchers_.find(LowerAnsi(pathOrUrl));
  if (it == launchers_.end()) return false;
  std::function<void()> launch = it->second;
  launch();
  return true;
}

bool SimShell::StartExecutable(const std::string& exePath, int showCmd) {
  return StartProgram(exePath, "", showCmd);
}

std::vector<ProcessId> SimShell::ProcessIds() {
  std::vector<ProcessId> ids;
  for (const auto& [pid, path] : processes_) ids.push_back(pid);
  return ids;
}

std::string SimShell::ProcessExePath(ProcessId pid) {
  auto it = processes_.find(pid);
  return it == processes_.end() ? std::string() : it->second;
}

std::string SimShell::FileVersion(const std::string& exePath) {
  auto it = fileVersions_.find(LowerAnsi(exePath));
  return it == fileVersions_.end() ? std::string() : it->second;
}

void SimShell::SetFileVersion(const std::string& exePath, const std::string& version) {
  fileVersions_[LowerAnsi(exePath)] = version;
}

void SimShell::RegisterLauncher(const std::string& path, std::function<void()> launch) {
  launchers_[LowerAnsi(path)] = std::move(launch);
}

ProcessId SimShell::AddProcess(const std::string& exePath) {
  const ProcessId pid = nextPid_;
  nextPid_ += 4;
  processes_[pid] = exePath;
  return pid;
}

void SimShell::RemoveProcess(ProcessId pid) {
  processes_.erase(pid);
}

}  // namespace drelm::sim
