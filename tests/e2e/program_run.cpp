#include "program_run.h"

#include <filesystem>
#include <system_error>

#include "aol/window_lookup.h"
#include "core/files.h"
#include "core/settings_catalogue.h"
#include "core/status_log.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_window_system.h"
#include "program_windows.h"
#include "standin/script_protocol.h"

namespace drelm::e2e {

std::string PrepareProgramFolder(const E2eSetup& setup, const std::string& scenario) {
  const std::string folder = JoinPath(setup.workFolder, scenario);
  if (!MakeEmptyFolder(folder)) return {};
  const std::string exe = JoinPath(folder, "drelm-idle.exe");
  std::error_code error;
  std::filesystem::copy_file(WindowsPath(setup.programExe), exe, error);
  if (error) return {};
  if (!setup.clickSound.empty() && FileExists(setup.clickSound)) {
    std::filesystem::copy_file(WindowsPath(setup.clickSound),
                               JoinPath(folder, std::string(kClickSoundFileName)), error);
  }
  return exe;
}

bool StoreReturningUser(const std::string& oss) {
  bool ok = true;
  for (const SettingKey* key : FirstStartDefaults()) {
    ok = WriteStored(std::string(key->section), std::string(key->key),
                     std::string(*key->firstStart)) &&
         ok;
  }
  return WriteStored(std::string(setting::kOss.section), std::string(setting::kOss.key), oss) && ok;
}

LocalDateTime LocalNow() {
  return win32::Win32Clock().Now();
}

std::int64_t UptimeSecondsNow() {
  return static_cast<std::int64_t>(drelm::win32::TickCount64() / 1000);
}

bool LogHolds(const std::string& log, const std::vector<std::string>& messages,
              const std::vector<LocalDateTime>& candidates) {
  win32::Win32Clock clock;
  const std::string am = clock.AmDesignator();
  const std::string pm = clock.PmDesignator();
  // The file opens with a line end; each entry is followed by one, and entries are parted by an
  // empty line.
  std::size_t at = 0;
  for (std::size_t i = 0; i < messages.size(); ++i) {
    if (log.compare(at, 2, "\r\n") != 0) return false;
    at += 2;
    bool matched = false;
    for (const LocalDateTime& when : candidates) {
      const std::string entry = FormatLogEntry(when, am, pm, messages[i]) + "\r\n";
      if (log.compare(at, entry.size(), entry) == 0) {
        at += entry.size();
        matched = true;
        break;
      }
    }
    if (!matched) return false;
  }
  return at == log.size();
}

std::string StandInExeOfVersion(const E2eSetup& setup, int version) {
  const std::string plain = setup.standInExe;
  const std::size_t dot = plain.rfind(".exe");
  if (dot == std::string::npos) return plain;
  return plain.substr(0, dot) + "-" + std::to_string(version) + plain.substr(dot);
}

bool StartStandInInRoom(const E2eSetup& setup, ChildProcess& aol, int version) {
  const std::string arguments = "--script --immediate \"--screen-name=" + std::string(kScreenName) +
                                "\" \"--room=" + kRoomName + "\"";
  if (!aol.Start(WindowsPath(StandInExeOfVersion(setup, version)), arguments, {}, true)) {
    return false;
  }
  win32::Win32WindowSystem windows;
  return WaitFor([&] { return FindChatRoom(windows) != 0; }, kWindowDeadlineMs);
}

std::vector<std::string> LinesFromUser(ChildProcess& aol) {
  std::vector<std::string> lines;
  const std::vector<std::string> reply = aol.Command("transcript");
  for (std::size_t i = 1; i < reply.size(); ++i) {
    const std::vector<std::string> fields = standin::SplitCommand(reply[i]);
    if (fields.size() == 3 && fields[1] == kScreenName) lines.push_back(fields[2]);
  }
  return lines;
}

std::string StartBesideStandIn(const E2eSetup& setup, const std::string& scenario, int aolVersion,
                               ChildProcess& aol, ChildProcess& program) {
  const std::string exe = PrepareProgramFolder(setup, scenario);
  if (exe.empty() || !StartStandInInRoom(setup, aol, aolVersion) ||
      !program.Start(exe, {}, exe.substr(0, exe.find_last_of('\\')), false)) {
    return {};
  }
  return exe;
}

bool StartUpEnded(ChildProcess& aol) {
  return WaitFor([] { return StoredText("stats", "loads") == "1"; }, kStartUpDeadlineMs) &&
         WaitFor([&] { return LinesFromUser(aol).size() == 3; }, kWindowDeadlineMs);
}

bool EndByX(ChildProcess& program, ChildProcess& aol) {
  Click(FindLabel(FindMainWindow(program.Id()), "x"));
  const bool ended = program.WaitForExit(kExitDeadlineMs);
  aol.Command("exit");
  aol.WaitForExit(kExitDeadlineMs);
  return ended;
}

std::string StandInRows(ChildProcess& aol, const std::string& verb) {
  const std::vector<std::string> reply = aol.Command(verb);
  std::string rows;
  for (std::size_t i = 1; i < reply.size(); ++i) rows += (i > 1 ? "|" : "") + reply[i];
  return rows;
}

bool StandInStateIs(ChildProcess& aol, const std::string& name, const std::string& value) {
  return ("|" + StandInRows(aol, "state") + "|").find("|" + name + "\t" + value + "|") !=
         std::string::npos;
}

std::string DescribeLabels(DWORD processId) {
  std::string text;
  for (const std::string& label : LabelTexts(FindMainWindow(processId))) {
    if (!text.empty()) text += "|";
    text += label;
  }
  return "labels: " + text;
}

}  // namespace drelm::e2e
