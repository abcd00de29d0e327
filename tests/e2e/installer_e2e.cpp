// The setup program end to end, in a Wine prefix made for this run alone (installer_e2e.sh): a
// silent install puts the files, the Start-menu shortcut, the uninstall entry and the Run entry
// where a user's own programs go; the program started as the shortcut starts it writes its log
// into its folder; a setup or uninstall run while it runs changes nothing and says so in its exit
// code; an upgrade keeps the user's files and settings; a silent uninstall removes exactly what
// the setup made and keeps the rest. Last, with Wine reporting Windows 98 to the setup program,
// the install goes where 98 and ME have room for it.
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cstdio>
#include <filesystem>
#include <map>

#include "core/files.h"
#include "scenario.h"

namespace drelm::e2e {

namespace {

// A silent setup or uninstall of about 1.5 MB; generous for a machine under load.
constexpr DWORD kSetupDeadlineMs = 120000;
constexpr const char* kUninstallKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\drelm idle";
constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kProgramFiles[] = {"drelm-idle.exe", "add1.wav", "README.txt",
                                         "uninstall.exe"};
constexpr const char* kReasons = "work\r\nsleeping, back soon\r\n";
constexpr const char* kAwayMessages = "|[chat]|-[ Alice: bob, call me ]\r\n";

std::string KnownFolder(int csidl) {
  char path[MAX_PATH] = {};
  return SHGetFolderPathA(nullptr, csidl, nullptr, 0, path) == S_OK ? path : "";
}

// A REG_SZ, or a REG_DWORD as decimal text.
std::optional<std::string> RegValue(HKEY root, const char* key, const char* name) {
  char data[1024] = {};
  DWORD size = sizeof data;
  DWORD type = 0;
  if (RegGetValueA(root, key, name, RRF_RT_REG_SZ | RRF_RT_REG_DWORD, &type, data, &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  return type == REG_DWORD ? std::to_string(*reinterpret_cast<DWORD*>(data)) : data;
}

// The shortcut's target and working folder, as the shell reads them when it starts it.
std::optional<std::pair<std::string, std::string>> ReadShortcut(const std::string& path) {
  std::optional<std::pair<std::string, std::string>> result;
  IShellLinkA* link = nullptr;
  IPersistFile* file = nullptr;
  char target[MAX_PATH] = {};
  char folder[MAX_PATH] = {};
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link))) &&
      SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
      SUCCEEDED(file->Load(std::wstring(path.begin(), path.end()).c_str(), STGM_READ)) &&
      SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, 0)) &&
      SUCCEEDED(link->GetWorkingDirectory(folder, MAX_PATH))) {
    result.emplace(target, folder);
  }
  if (file) file->Release();
  if (link) link->Release();
  return result;
}

std::map<std::string, std::string> SettingsSnapshot() {
  std::map<std::string, std::string> all;
  for (const std::string& name : StoredNames()) {
    const std::size_t slash = name.find('/');
    all[name] = StoredText(name.substr(0, slash), name.substr(slash + 1));
  }
  return all;
}

// The exit code, none when it did not end in time.
std::optional<DWORD> RunToEnd(const std::string& exe, const std::string& arguments) {
  ChildProcess process;
  if (!process.Start(exe, arguments, {}, false) || !process.WaitForExit(kSetupDeadlineMs)) {
    return std::nullopt;
  }
  return process.ExitCode();
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
  const std::string quotedExe = "\"" + exe + "\"";
  const auto runEntry = [] { return RegValue(HKEY_CURRENT_USER, kRunKey, "drelm idle"); };
  const auto installed = [] {
    return RegValue(HKEY_CURRENT_USER, kUninstallKey, "DisplayName").has_value();
  };
  if (!checks.Check(FileExists(setupExe), "the setup program is built: " + setupExe) ||
      !checks.Check(!installed() && !FileExists(exe), "the prefix has no drelm idle")) {
    return checks.Finish();
  }

  const ULONGLONG installStart = drelm::win32::TickCount64();
  checks.Check(RunToEnd(setupExe, "/S /AUTOSTART=1") == 0u, "a silent install succeeds");
  const double installSeconds =
      static_cast<double>(drelm::win32::TickCount64() - installStart) / 1000;
  for (const char* name : kProgramFiles) {
    checks.Check(FileExists(JoinPath(folder, name)), "installed: " + JoinPath(folder, name));
  }
  checks.Check(
      FileSize(exe) && FileSize(exe) == FileSize(setup.programExe),
      "the installed drelm-idle.exe is the one just built (else: build the package target)");
  const auto link = ReadShortcut(shortcut);
  checks.Check(link == std::pair(exe, folder), "the Start-menu shortcut starts it in its folder");
  if (link) checks.Detail("shortcut: " + link->first + " in " + link->second);
  const std::pair<const char*, std::string> kEntry[] = {
      {"DisplayName", "drelm idle"},
      {"DisplayVersion", setup.version},
      {"Publisher", "quoSt n' vrin"},
      {"DisplayIcon", exe},
      {"InstallLocation", folder},
      {"UninstallString", "\"" + uninstaller + "\""},
      {"QuietUninstallString", "\"" + uninstaller + "\" /S"}};
  for (const auto& [name, value] : kEntry) {
    const std::optional<std::string> stored = RegValue(HKEY_CURRENT_USER, kUninstallKey, name);
    checks.Check(stored == value, std::string("uninstall entry ") + name + " = " + value);
    checks.Detail("stored: " + stored.value_or("(none)"));
  }
  checks.Check(
      std::stoul(RegValue(HKEY_CURRENT_USER, kUninstallKey, "EstimatedSize").value_or("0")) >=
          FileSize(exe).value_or(1u << 30) / 1024,
      "uninstall entry EstimatedSize counts at least the program's KiB");
  checks.Check(runEntry() == quotedExe, "/AUTOSTART=1 adds the Run entry");

  checks.Check(StoreReturningUser("true"), "the settings of a returning user are planted");
  ChildProcess program;
  checks.Check(
      link && program.Start(link->first, {}, link->second, false) &&
          WaitFor([&] { return FindMainWindow(program.Id()) != nullptr; }, kWindowDeadlineMs),
      "the installed program, started as the shortcut starts it, shows its window");
  for (const auto& [name, path] :
       {std::pair("setup", setupExe), std::pair("uninstall", uninstaller)}) {
    const std::optional<DWORD> refused = RunToEnd(path, "/S");
    checks.Check(refused == 2u && program.Running() && FileExists(exe) && installed(),
                 std::string("a silent ") + name +
                     " while drelm idle runs ends with exit code 2, changing nothing");
    checks.Detail("exit code " + (refused ? std::to_string(*refused) : "none"));
  }
  Click(FindLabel(FindMainWindow(program.Id()), "x"));
  checks.Check(program.WaitForExit(kExitDeadlineMs), "clicking \"x\" ends the program");
  const std::string logPath = JoinPath(folder, std::string(kLogFileName));
  const std::optional<std::string> log = ReadWholeFile(logPath);
  checks.Check(log && log->find("drelm - version one unloaded") != std::string::npos,
               "it wrote its log into its install folder");

  // The user's own files, as a program that has run for a while leaves them.
  const std::string reasonsPath = JoinPath(folder, std::string(kReasonsFileName));
  const std::string awayPath = JoinPath(folder, std::string(kAwayMessagesFileName));
  checks.Check(WriteWholeFile(reasonsPath, kReasons) && WriteWholeFile(awayPath, kAwayMessages),
               "a reasons list and recorded away messages are planted");
  const std::map<std::string, std::string> settings = SettingsSnapshot();
  const auto userDataKept = [&](const std::string& when) {
    checks.Check(ReadWholeFile(reasonsPath) == kReasons &&
                     ReadWholeFile(awayPath) == kAwayMessages && ReadWholeFile(logPath) == log,
                 when + " keeps the reasons list, the away messages and log.txt");
    checks.Check(!settings.empty() && SettingsSnapshot() == settings,
                 when + " keeps every setting (" + std::to_string(settings.size()) + ")");
  };

  checks.Check(RunToEnd(setupExe, "/S") == 0u && FileExists(exe), "a silent reinstall succeeds");
  checks.Check(runEntry() == quotedExe, "without /AUTOSTART it keeps the Run entry as it was");
  userDataKept("the reinstall");

  // The uninstaller ends with its outcome; a copy of it removes its own file right after.
  checks.Check(
      RunToEnd(uninstaller, "/S") == 0u &&
          WaitFor([&] { return !FileExists(uninstaller) && !installed(); }, kSetupDeadlineMs),
      "a silent uninstall removes the uninstall entry");
  for (const char* name : kProgramFiles) {
    checks.Check(!FileExists(JoinPath(folder, name)), std::string("removed: ") + name);
  }
  checks.Check(!FileExists(shortcut) && !runEntry(), "removed: the shortcut and the Run entry");
  userDataKept("the uninstall");

  std::error_code error;
  for (const std::string& path : {reasonsPath, awayPath, logPath}) {
    std::filesystem::remove(path, error);
  }
  checks.Check(RunToEnd(setupExe, "/S") == 0u && !runEntry(),
               "a first install without /AUTOSTART adds no Run entry");
  checks.Check(
      RunToEnd(uninstaller, "/S") == 0u &&
          WaitFor([&] { return !std::filesystem::exists(folder, error); }, kSetupDeadlineMs),
      "an uninstall with no user files left removes the folder");

  // Reporting Windows 98 to the setup program and the uninstaller: Program Files, and the
  // machine's list of programs.
  const std::string setupName = setupExe.substr(setupExe.find_last_of('\\') + 1);
  const ScopedUserValue setupOn98(WineAppDefaults(setupName), "Version", "win98");
  const ScopedUserValue uninstallOn98(WineAppDefaults("uninstall.exe"), "Version", "win98");
  checks.Check(RunToEnd(setupExe, "/S") == 0u, "a silent install reporting Windows 98 succeeds");
  const std::string sharedFolder =
      RegValue(HKEY_LOCAL_MACHINE, kUninstallKey, "InstallLocation").value_or("");
  checks.Check(
      !installed() && (sharedFolder == JoinPath(KnownFolder(CSIDL_PROGRAM_FILES), "drelm idle") ||
                       sharedFolder == JoinPath(KnownFolder(CSIDL_PROGRAM_FILESX86), "drelm idle")),
      "on 98 it installs into Program Files and lists it among the machine's programs");
  checks.Detail("folder: " + sharedFolder);
  checks.Check(FileExists(JoinPath(sharedFolder, "drelm-idle.exe")) &&
                   RunToEnd(JoinPath(sharedFolder, "uninstall.exe"), "/S") == 0u &&
                   WaitFor(
                       [&] {
                         return !std::filesystem::exists(sharedFolder, error) &&
                                !RegValue(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName");
                       },
                       kSetupDeadlineMs),
               "and its uninstaller removes the folder and the machine's entry");

  char figures[256];
  std::snprintf(figures, sizeof figures,
                "setup win64: %llu bytes\nsetup win32: %llu bytes\n"
                "silent install under Wine: %.1f s\n",
                static_cast<unsigned long long>(FileSize(setup.setupExe).value_or(0)),
                static_cast<unsigned long long>(FileSize(setup.setupExeI686).value_or(0)),
                installSeconds);
  std::printf("%s", figures);
  WriteWholeFile(setup.figuresFile, figures);
  CoUninitialize();
  return checks.Finish();
}

}  // namespace drelm::e2e
