#include "scenario.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "aol/window_lookup.h"
#include "core/files.h"
#include "core/settings_catalogue.h"
#include "core/status_log.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_window_system.h"
#include "standin/script_protocol.h"

namespace drelm::e2e {

namespace {

// A new folder named after the scenario with the program (and its click sound) copied in; the
// program's path inside it, empty when the copy failed.
std::string PrepareProgramFolder(const E2eSetup& setup, const std::string& name) {
  const std::string folder = JoinPath(setup.workFolder, name);
  const std::string exe = JoinPath(folder, "drelm-idle.exe");
  std::error_code error;
  std::filesystem::remove_all(folder, error);
  if (!std::filesystem::create_directories(folder, error) ||
      !std::filesystem::copy_file(WindowsPath(setup.programExe), exe, error)) {
    return {};
  }
  if (!setup.clickSound.empty() && FileExists(setup.clickSound)) {
    std::filesystem::copy_file(WindowsPath(setup.clickSound),
                               JoinPath(folder, std::string(kClickSoundFileName)), error);
  }
  return exe;
}

// The stand-in AOL client of that version, signed on as kScreenName in kRoomName, scripted.
bool StartStandInInRoom(const E2eSetup& setup, ChildProcess& aol, int version) {
  const std::string arguments = "--script --immediate \"--screen-name=" + std::string(kScreenName) +
                                "\" \"--room=" + kRoomName + "\"";
  if (!aol.Start(WindowsPath(StandInExeOfVersion(setup, version)), arguments, {}, true)) {
    return false;
  }
  win32::Win32WindowSystem windows;
  return WaitFor([&] { return FindChatRoom(windows) != 0; }, kWindowDeadlineMs);
}

}  // namespace

std::string Styled(const std::string& text) {
  return "</u></i></b><font color=##336699><font face=\"arial narrow\">\x8B"
         "d\x9B <font face=\"arial narrow\"><font color=##999999>" +
         text + " <font color=##336699><font face=\"arial narrow\">\x8B" + "d\x9B";
}

std::string Lit(const std::string& value) {
  return "<font color=##336699>" + value + "<font color=##999999>";
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

bool LogHolds(const std::string& log, const std::vector<std::string>& messages,
              const LocalDateTime& since) {
  win32::Win32Clock clock;
  const LocalDateTime candidates[] = {since, clock.Now()};
  // The file opens with a line end; each entry is followed by one, and entries are parted by an
  // empty line.
  std::size_t at = 0;
  for (const std::string& message : messages) {
    if (log.compare(at, 2, "\r\n") != 0) return false;
    at += 2;
    bool matched = false;
    for (const LocalDateTime& when : candidates) {
      const std::string entry =
          FormatLogEntry(when, clock.AmDesignator(), clock.PmDesignator(), message) + "\r\n";
      if (!matched && log.compare(at, entry.size(), entry) == 0) {
        at += entry.size();
        matched = true;
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

std::vector<std::string> LinesFromUser(ChildProcess& aol) {
  std::vector<std::string> lines;
  const std::vector<std::string> reply = aol.Command("transcript");
  for (std::size_t i = 1; i < reply.size(); ++i) {
    const std::vector<std::string> fields = standin::SplitCommand(reply[i]);
    if (fields.size() == 3 && fields[1] == kScreenName) lines.push_back(fields[2]);
  }
  return lines;
}

std::size_t LinesHolding(ChildProcess& aol, const std::string& part) {
  return static_cast<std::size_t>(std::ranges::count_if(
      LinesFromUser(aol), [&](const auto& line) { return line.find(part) != std::string::npos; }));
}

std::string StandInRows(ChildProcess& aol, const std::string& verb) {
  const std::vector<std::string> reply = aol.Command(verb);
  std::string rows;
  for (std::size_t i = 1; i < reply.size(); ++i) rows += (i > 1 ? "|" : "") + reply[i];
  return rows;
}

Scenario::Scenario(const E2eSetup& given, const std::string& name, const Stored& values,
                   const char* oss)
    : setup(given) {
  bool ok = ClearStoredSettings() && (!oss || StoreReturningUser(oss));
  for (const auto& [section, key, value] : values) ok = WriteStored(section, key, value) && ok;
  exe = PrepareProgramFolder(setup, name);
  folder = exe.substr(0, exe.find_last_of('\\'));
  Check(ok && !exe.empty(),
        std::string(oss ? "a returning user's settings are stored" : "no settings are stored") +
            "; a fresh folder holds the program");
}

bool Scenario::Start(int aolVersion) {
  const bool ok = !exe.empty() && (aolVersion == 0 || StartStandInInRoom(setup, aol, aolVersion)) &&
                  program.Start(exe, {}, folder, false);
  id = program.Id();
  return Check(ok, aolVersion == 0 ? "drelm-idle.exe starts"
                                   : "drelm-idle.exe starts beside the stand-in AOL " +
                                         std::to_string(aolVersion) + " client in its room");
}

bool Scenario::StartUpEnds(const char* loads) {
  const std::string want = loads;
  const bool ended =
      WaitFor([&] { return StoredText("stats", "loads") == want; }, kStartUpDeadlineMs) &&
      (!aol.Running() ||
       WaitFor([&] { return (seen_ = LinesFromUser(aol).size()) >= 3; }, kWindowDeadlineMs));
  return Check(ended, "the start-up runs to its end (stats/loads \"" + want + "\")");
}

bool Scenario::Run(const std::vector<Step>& steps) {
  bool all = true;
  for (const Step& step : steps) {
    if (step.act) step.act(*this);
    all = Check(!step.until || WaitFor(step.until, step.deadlineMs), step.what) && all;
  }
  return all;
}

bool Scenario::ExitByX() {
  Click(FindLabel(FindMainWindow(id), "x"));
  const bool ended = program.WaitForExit(kExitDeadlineMs) && program.ExitCode() == 0u;
  if (aol.Running()) {
    aol.Command("exit");
    aol.WaitForExit(kExitDeadlineMs);
  }
  return Check(ended, "clicking \"x\" ends the program with exit code 0");
}

Expect Scenario::Line(const std::string& line) {
  return [this, line] { return std::ranges::count(LinesFromUser(aol), line) > 0; };
}

Expect Scenario::NewLines(const std::vector<std::string>& lines) {
  return [this, lines] {
    const std::vector<std::string> all = LinesFromUser(aol);
    if (all.size() < seen_ || std::vector<std::string>(all.begin() + seen_, all.end()) != lines) {
      return false;
    }
    seen_ = all.size();
    return true;
  };
}

Expect Scenario::AolState(const std::string& name, const std::string& value) {
  return [this, name, value] {
    return ("|" + StandInRows(aol, "state") + "|").find("|" + name + "\t" + value + "|") !=
           std::string::npos;
  };
}

Expect Scenario::Shown(const char* className, const char* caption) {
  return [this, className, caption] {
    window = FindProgramWindow(id, className, caption);
    return window && IsWindowVisible(window);
  };
}

}  // namespace drelm::e2e
