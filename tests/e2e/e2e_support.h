// What the end-to-end drivers share: checks that print one PASS/FAIL line each, waits on a
// condition with a deadline (never a fixed sleep), child processes that are ended when the driver
// lets go of them, the settings key read and written directly, program folders, and screenshots
// taken on the X display by ImageMagick. Runs under Wine as a Windows program.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_tick.h"

namespace drelm::e2e {

// How often a wait looks at its condition again.
inline constexpr DWORD kPollMs = 50;
// A window of a program that was just started, or a box it opens, shows within this.
inline constexpr DWORD kWindowDeadlineMs = 15000;
// A whole start-up, with its one-second pauses (about eight with the AOL client), ends within
// this.
inline constexpr DWORD kStartUpDeadlineMs = 30000;
// The exit sequence has two one-second pauses; the process is gone well within this.
inline constexpr DWORD kExitDeadlineMs = 8000;
// A reply of the stand-in AOL client on its script channel; ImageMagick writing a screenshot.
inline constexpr DWORD kScriptReplyMs = 15000;
inline constexpr DWORD kScreenshotDeadlineMs = 20000;

// Counts failed checks; every check prints one line, so a log shows how far a scenario got.
class Checks {
 public:
  bool Check(bool ok, const std::string& what);
  // Prints a detail line under the last check, when it failed.
  void Detail(const std::string& text);
  // "N passed, N failed", the closing line; the exit code, 0 when everything passed.
  int Finish();

 private:
  ULONGLONG startedAtMs_ = drelm::win32::TickCount64();
  int passed_ = 0;
  int failures_ = 0;
  bool lastFailed_ = false;
};

// Polls condition every kPollMs until it holds or deadlineMs have passed; true when it held.
bool WaitFor(const std::function<bool()>& condition, DWORD deadlineMs);

// A process the driver started. The destructor ends it if it still runs, so a failed scenario
// leaves nothing behind; nothing else is ever ended.
class ChildProcess {
 public:
  ChildProcess() = default;
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ~ChildProcess();

  // Starts exe with its working folder; scripted gives it pipes for stdin and stdout.
  bool Start(const std::string& exe, const std::string& arguments, const std::string& folder,
             bool scripted);
  // One command of the stand-in's line protocol and its reply lines ("ok", "ok <n>" and n rows,
  // "error ..."; "(no reply)" when none came in time).
  std::vector<std::string> Command(const std::string& line);
  bool Running() const { return process_.hProcess && !WaitForExit(0); }
  bool WaitForExit(DWORD ms) const;
  std::optional<DWORD> ExitCode() const;
  DWORD Id() const { return process_.dwProcessId; }
  // User plus kernel time so far, in milliseconds.
  double CpuMs() const;

 private:
  std::string ReadLine();

  PROCESS_INFORMATION process_{};
  HANDLE toChild_ = nullptr;
  HANDLE fromChild_ = nullptr;
  std::string buffered_;
};

// A Unix path (as CMake passes it) on Wine's Z: drive; Windows paths are kept.
std::string WindowsPath(std::string path);
std::string JoinPath(const std::string& folder, const std::string& name);
bool FileExists(const std::string& path);
std::optional<std::string> ReadWholeFile(const std::string& path);
bool WriteWholeFile(const std::string& path, const std::string& bytes);
std::optional<std::uint64_t> FileSize(const std::string& path);
// Bytes made readable in a log: printable ASCII kept, everything else as \xHH, \r, \n.
std::string Visible(const std::string& bytes);

// The program's settings, HKCU\Software\VB and VBA Program Settings\drelm\<section>, raw.
std::optional<RegistryValue> ReadStored(const std::string& section, const std::string& key);
// As the program stores text: REG_SZ, the bytes without a terminating NUL.
bool WriteStored(const std::string& section, const std::string& key, const std::string& value);
// Every stored value's name as "section/key".
std::vector<std::string> StoredNames();
// Deletes the program's whole key, so that the next start is a very first start.
bool ClearStoredSettings();
// A REG_SZ as the program reads it: the text before the first NUL, empty for other types.
std::string StoredText(const std::string& section, const std::string& key);

// A text value of HKEY_CURRENT_USER set (empty: removed) while this lives, then put back as it
// was. Wine reports a Windows version to the programs of a file name by one ("win98", "win2k"...
// as Software\Wine\AppDefaults\<name>, value Version); the user's regional formats are others.
class ScopedUserValue {
 public:
  ScopedUserValue(std::string key, std::string name, const std::string& value);
  ~ScopedUserValue() { Set(before_); }
  ScopedUserValue(const ScopedUserValue&) = delete;
  ScopedUserValue& operator=(const ScopedUserValue&) = delete;
  bool Ok() const { return ok_; }

 private:
  bool Set(const std::optional<std::string>& value);

  std::string key_;
  std::string name_;
  std::optional<std::string> before_;
  bool ok_ = false;
};
inline std::string WineAppDefaults(const std::string& exeName) {
  return "Software\\Wine\\AppDefaults\\" + exeName;
}

// A PNG of the screen area around the windows (with a margin), written by the script (a Unix
// program run through Wine). Waits for the file; true when it came.
bool TakeScreenshot(const std::string& scriptUnixPath, const std::string& pngUnixPath,
                    const std::vector<HWND>& windows, int margin);

}  // namespace drelm::e2e
