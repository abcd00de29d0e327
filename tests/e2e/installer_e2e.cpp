// The setup program end to end, in a Wine prefix made for this run alone (installer_e2e.sh): a
// silent install puts the files, the Start-menu shortcut, the uninstall entry and the Run entry
// where a user's own programs go; the program started as the shortcut starts it writes its log
// into its folder; a setup run while it runs changes nothing; an upgrade keeps the user's files
// and settings; a silent uninstall removes exactly what the setup made and keeps the rest.
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>

#include "core/files.h"
#include "e2e_scenarios.h"
#include "program_run.h"
#include "program_windows.h"

namespace drelm::e2e {

namespace {

// A silent setup or uninstall of about 1.5 MB; generous for a machine under load.
constexpr DWORD kSetupDeadlineMs = 120000;
constexpr const char* kUninstallKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\drelm idle";
constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kRunValue = "drelm idle";
constexpr const char* kProgramFiles[] = {"drelm-idle.exe", "add1.wav", "README.txt",
                                         "uninstall.exe"};
// What a user has in the folder besides the program: the status log is written by the program
// itself in the run below.
constexpr const char* kReasons = "work\r\nsleeping, back soon\r\n";
constexpr const char* kOwnFileName = "away messages.txt";
constexpr const char* kOwnFile = "|[chat]|-[ Alice: bob, call me ]\r\n";

std::string KnownFolder(int csidl) {
  char path[MAX_PATH] = {};
  return SHGetFolderPathA(nullptr, csidl, nullptr, 0, path) == S_OK ? path : "";
}

std::optional<std::string> UserText(const char* key, const char* name) {
  char data[1024];
  DWORD size = sizeof data;
  if (RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, data, &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::string(data);
}

std::optional<DWORD> UserNumber(const char* key, const char* name) {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  return value;
}

bool UninstallKeyExists() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kUninstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(key);
  return true;
}

struct Shortcut {
  std::string target;
  std::string folder;
};

std::string Narrow(const wchar_t* text) {
  char out[MAX_PATH * 2] = {};
  WideCharToMultiByte(CP_ACP, 0, text, -1, out, sizeof out, nullptr, nullptr);
  return out;
}

// The shortcut's target and working folder, as the shell reads them when it starts it.
std::optional<Shortcut> ReadShortcut(const std::string& path) {
  IShellLinkW* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&link)))) {
    return std::nullopt;
  }
  std::optional<Shortcut> result;
  IPersistFile* file = nullptr;
  wchar_t widePath[MAX_PATH] = {};
  MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath, MAX_PATH);
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
      SUCCEEDED(file->Load(widePath, STGM_READ))) {
    wchar_t target[MAX_PATH] = {};
    wchar_t folder[MAX_PATH] = {};
    if (SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, 0)) &&
        SUCCEEDED(link->GetWorkingDirectory(folder, MAX_PATH))) {
      result = Shortcut{Narrow(target), Narrow(folder)};
    }
  }
  if (file) file->Release();
  link->Release();
  return result;
}

// Every stored setting, to compare before and after.
std::map<std::string, std::string> SettingsSnapshot() {
  std::map<std::string, std::string> all;
  for (const std::string& section : StoredSections()) {
    for (const std::string& name : StoredNames(section)) {
      const std::optional<StoredValue> value = ReadStored(section, name);
      all[section + "/" + name] = value ? std::to_string(value->type) + ":" + value->data : "?";
    }
  }
  return all;
}

struct Timed {
  std::optional<DWORD> exitCode;  // none when it did not end in time
  double ms = 0;
};

Timed RunToEnd(const std::string& exe, const std::string& arguments) {
  Timed run;
  ChildProcess process;
  if (!process.Start(exe, arguments, {}, false)) return run;
  if (process.WaitForExit(kSetupDeadlineMs)) run.exitCode = process.ExitCode();
  run.ms = static_cast<double>(GetTickCount64() - process.StartedAtMs());
  return run;
}

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

void WriteFigures(const E2eSetup& setup, const std::vector<std::string>& lines) {
  std::ofstream out(std::filesystem::path(WindowsPath(setup.figuresFile)), std::ios::trunc);
  for (const std::string& line : lines) {
    std::printf("figure: %s\n", line.c_str());
    out << line << "\n";
  }
}

std::string SizeLine(const char* name, const std::string& path) {
  const std::optional<std::uint64_t> size = path.empty() ? std::nullopt : FileSize(path);
  if (!size) return std::string(name) + ": not built (" + path + ")";
  char kib[32];
  std::snprintf(kib, sizeof kib, " (%.0f KiB)", static_cast<double>(*size) / 1024.0);
  return std::string(name) + ": " + std::to_string(*size) + " bytes" + kib;
}

std::string TimeLine(const char* name, double ms) {
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%.1f s", ms / 1000.0);
  return std::string(name) + ": " + seconds;
}

}  // namespace

int InstallerScenario(const E2eSetup& setup) {
  Checks checks;
  CoInitialize(nullptr);
  const std::string folder = JoinPath(KnownFolder(CSIDL_LOCAL_APPDATA), "Programs\\drelm idle");
  const std::string exe = JoinPath(folder, "drelm-idle.exe");
  const std::string uninstaller = JoinPath(folder, "uninstall.exe");
  const std::string shortcut = JoinPath(KnownFolder(CSIDL_PROGRAMS), "drelm idle.lnk");
  const std::string setupExe = WindowsPath(setup.setupExe);
  const auto inFolder = [&](std::string_view name) { return JoinPath(folder, std::string(name)); };
  std::vector<std::string> figures = {SizeLine("setup win64", setup.setupExe),
                                      SizeLine("setup win32", setup.setupExeI686)};

  if (!checks.Check(FileExists(setupExe), "the setup program is built: " + setupExe) ||
      !checks.Check(!UninstallKeyExists() && !FileExists(exe), "the prefix has no drelm idle")) {
    return checks.Finish();
  }

  const Timed install = RunToEnd(setupExe, "/S /AUTOSTART=1");
  figures.push_back(TimeLine("silent install", install.ms));
  checks.Check(install.exitCode == std::optional<DWORD>(0), "a silent install succeeds");
  for (const char* name : kProgramFiles) {
    checks.Check(FileExists(inFolder(name)), std::string("installed: ") + inFolder(name));
  }
  checks.Check(FileSize(exe) == FileSize(setup.programExe) && FileSize(exe).has_value(),
               "the installed drelm-idle.exe is the one just built");

  const std::optional<Shortcut> link = ReadShortcut(shortcut);
  checks.Check(link && link->target == exe && link->folder == folder,
               "the Start-menu shortcut starts " + exe + " in its own folder");
  if (link) checks.Detail("shortcut: " + link->target + " in " + link->folder);

  const struct {
    const char* name;
    std::string value;
  } entry[] = {{"DisplayName", "drelm idle"},
               {"DisplayVersion", setup.version},
               {"Publisher", "quoSt n' vrin"},
               {"DisplayIcon", exe},
               {"InstallLocation", folder},
               {"UninstallString", Quoted(uninstaller)},
               {"QuietUninstallString", Quoted(uninstaller) + " /S"}};
  for (const auto& [name, value] : entry) {
    const std::optional<std::string> stored = UserText(kUninstallKey, name);
    checks.Check(stored == value, std::string("uninstall entry ") + name + " = " + value);
    checks.Detail("stored: " + stored.value_or("(none)"));
  }
  const DWORD exeKib = static_cast<DWORD>(FileSize(exe).value_or(0) / 1024);
  checks.Check(UserNumber(kUninstallKey, "EstimatedSize") >= exeKib && exeKib > 0,
               "uninstall entry EstimatedSize counts the program's kilobytes");
  checks.Check(UserText(kRunKey, kRunValue) == Quoted(exe), "/AUTOSTART=1 adds the Run entry");

  checks.Check(StoreReturningUser("true"), "the settings of a returning user are planted");
  ChildProcess program;
  checks.Check(link && program.Start(link->target, {}, link->folder, false),
               "the installed program starts as the shortcut starts it");
  checks.Check(WaitFor([&] { return FindMainWindow(program.Id()) != nullptr; }, kWindowDeadlineMs),
               "its main window appears");

  const Timed refused = RunToEnd(setupExe, "/S");
  checks.Check(refused.exitCode == std::optional<DWORD>(2),
               "a silent setup while drelm idle runs ends with exit code 2, changing nothing");
  checks.Detail("exit code " + (refused.exitCode ? std::to_string(*refused.exitCode) : "none"));
  checks.Check(program.Running() && FileExists(exe), "and leaves the program running");

  Click(FindLabel(FindMainWindow(program.Id()), "x"));
  checks.Check(program.WaitForExit(kExitDeadlineMs), "clicking \"x\" ends the program");
  const std::string logPath = inFolder(kLogFileName);
  const std::optional<std::string> log = ReadWholeFile(logPath);
  checks.Check(log && log->find("drelm - version one unloaded") != std::string::npos,
               "it wrote its log into its install folder: " + logPath);

  // The user's own files, as a program that has run for a while leaves them.
  const std::string reasonsPath = inFolder(kReasonsFileName);
  const std::string ownPath = inFolder(kOwnFileName);
  checks.Check(WriteWholeFile(reasonsPath, kReasons) && WriteWholeFile(ownPath, kOwnFile),
               "a reasons list and a file of the user's are planted");
  const std::map<std::string, std::string> settings = SettingsSnapshot();
  const auto userDataKept = [&](const std::string& when) {
    checks.Check(ReadWholeFile(reasonsPath) == kReasons, when + " keeps the reasons list");
    checks.Check(ReadWholeFile(ownPath) == kOwnFile, when + " keeps the user's own file");
    checks.Check(ReadWholeFile(logPath) == log, when + " keeps log.txt");
    checks.Check(!settings.empty() && SettingsSnapshot() == settings,
                 when + " keeps every setting (" + std::to_string(settings.size()) + ")");
  };

  const Timed upgrade = RunToEnd(setupExe, "/S");
  figures.push_back(TimeLine("silent reinstall", upgrade.ms));
  checks.Check(upgrade.exitCode == std::optional<DWORD>(0), "a silent reinstall succeeds");
  checks.Check(FileExists(exe) && FileExists(uninstaller), "the program is there after it");
  checks.Check(UserText(kRunKey, kRunValue) == Quoted(exe),
               "a reinstall without /AUTOSTART keeps the Run entry as it was");
  userDataKept("the reinstall");

  const ULONGLONG uninstallStart = GetTickCount64();
  const Timed uninstall = RunToEnd(uninstaller, "/S");
  // The uninstaller hands over to a copy of itself, which removes the original.
  checks.Check(
      uninstall.exitCode == std::optional<DWORD>(0) &&
          WaitFor([&] { return !FileExists(uninstaller) && !UninstallKeyExists(); },
                  kSetupDeadlineMs),
      "a silent uninstall (the QuietUninstallString) ends and removes the uninstall entry");
  figures.push_back(
      TimeLine("silent uninstall", static_cast<double>(GetTickCount64() - uninstallStart)));
  for (const char* name : kProgramFiles) {
    checks.Check(!FileExists(inFolder(name)), std::string("removed: ") + name);
  }
  checks.Check(!FileExists(shortcut), "removed: the Start-menu shortcut");
  checks.Check(!UserText(kRunKey, kRunValue), "removed: the Run entry");
  userDataKept("the uninstall");

  // With nothing of the user's left, the folder goes too.
  std::error_code error;
  for (const std::string& path : {reasonsPath, ownPath, logPath}) {
    std::filesystem::remove(path, error);
  }
  checks.Check(
      RunToEnd(setupExe, "/S").exitCode == std::optional<DWORD>(0) && !UserText(kRunKey, kRunValue),
      "a first install without /AUTOSTART adds no Run entry");
  checks.Check(
      RunToEnd(uninstaller, "/S").exitCode == std::optional<DWORD>(0) &&
          WaitFor([&] { return !std::filesystem::exists(folder, error); }, kSetupDeadlineMs),
      "an uninstall with no user files left removes the folder");

  WriteFigures(setup, figures);
  CoUninitialize();
  return checks.Finish();
}

}  // namespace drelm::e2e
