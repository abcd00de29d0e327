// Disconnect protection on real windows: the stand-in AOL client drops its connection while the
// program idles with protection on; drelm-idle.exe closes it, starts aol-standin.exe again by the
// path it recorded, signs on, re-enters the private room and posts the restored line there.
#include <cstdio>

#include "aol/control_text.h"
#include "aol/window_lookup.h"
#include "e2e_scenarios.h"
#include "platform/win32/win32_window_system.h"
#include "program_run.h"
#include "program_windows.h"
#include "text/ansi.h"

namespace drelm::e2e {

namespace {

constexpr WPARAM kCmdStartIdle = 1024;
constexpr const char* kPrivateRoom = "back room";
// Five ticks to notice, the close, the start, the sign-on, ten seconds after it, the room.
constexpr DWORD kRestoreDeadlineMs = 90000;

}  // namespace

int DcpScenario(const E2eSetup& setup) {
  Checks checks;
  checks.Check(ClearStoredSettings() && StoreReturningUser("false") &&
                   WriteStored("settings", "aoldcp", "on") &&
                   WriteStored("settings", "dcpaolstyle", "stored") &&
                   WriteStored("settings", "prtoenter", kPrivateRoom) &&
                   WriteStored("custom settings", "interval", "86400"),
               "a returning user with disconnect protection on is stored");
  // The copy the program starts again by its path takes its set-up from here.
  SetEnvironmentVariableA("AOL_STANDIN_ARGS", "--immediate --version=5");
  const std::string exe = PrepareProgramFolder(setup, "dcp");
  ChildProcess aol;
  ChildProcess program;
  if (!checks.Check(!exe.empty() && StartStandInInRoom(setup, aol, 5) &&
                        program.Start(exe, {}, exe.substr(0, exe.find_last_of('\\')), false),
                    "drelm-idle.exe starts beside the stand-in AOL client in its room")) {
    return checks.Finish();
  }
  const DWORD id = program.Id();
  checks.Check(WaitFor([] { return StoredText("stats", "loads") == "1"; }, kStartUpDeadlineMs),
               "the start-up runs to its end");
  PostMessageA(FindOptionsWindow(id), WM_COMMAND, kCmdStartIdle, 0);
  // The program file of the AOL 5 copy that was started, as the client's process tells it.
  const std::string standIn = LowerAnsi(WindowsPath(StandInExeOfVersion(setup, 5)));
  const std::string standInName = standIn.substr(standIn.find_last_of('\\') + 1);
  checks.Check(WaitFor(
                   [&] {
                     const std::string path = LowerAnsi(StoredText("settings", "last aol path"));
                     return path.ends_with("\\" + standInName);
                   },
                   kWindowDeadlineMs),
               "idling with protection on records the client's full program path");
  checks.Detail("recorded: " + StoredText("settings", "last aol path") + " started: " + standIn);

  const ULONGLONG dropped = drelm::win32::TickCount64();
  aol.Command("disconnect");
  checks.Check(aol.WaitForExit(kRestoreDeadlineMs), "the program closes the dropped client");

  win32::Win32WindowSystem windows;
  std::string roomText;
  const bool restored = WaitFor(
      [&] {
        roomText = GetControlText(windows, FindChatView(windows));
        return roomText.find("auto dcp restored aol") != std::string::npos;
      },
      kRestoreDeadlineMs);
  const ULONGLONG restoredAfter = drelm::win32::TickCount64() - dropped;
  checks.Check(restored,
               "a new client is started by that path, signed on, and the restored line is posted");
  checks.Detail("room text: " + Visible(roomText));
  checks.Check(LowerAnsi(GetCaption(windows, FindChatRoom(windows))) == kPrivateRoom,
               "the restored line is in the private room re-entered after the sign-on");
  if (restored) {
    const std::string figure =
        "disconnect protection, drop to restored line: " + std::to_string(restoredAfter) + " ms\n";
    std::printf("%s", figure.c_str());
    if (setup.figuresFile.ends_with(".txt")) {
      WriteWholeFile(setup.figuresFile.substr(0, setup.figuresFile.size() - 4) + "-dcp.txt",
                     figure);
    }
  }

  PostMessageA(FindOptionsWindow(id), WM_COMMAND, 1139, 0);  // exit
  checks.Check(program.WaitForExit(kExitDeadlineMs), "the program exits");
  // The client the program started is no child of ours: it is closed the way a user closes it.
  PostMessageA(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(FindAolMainWindow(windows))),
               WM_CLOSE, 0, 0);
  checks.Check(WaitFor([&] { return FindAolMainWindow(windows) == 0; }, kExitDeadlineMs),
               "the restarted client closes");
  return checks.Finish();
}

}  // namespace drelm::e2e
