// Disconnect protection on real windows: the stand-in AOL client drops its connection while the
// program idles with protection on; drelm-idle.exe closes it, starts aol-standin.exe again by the
// path it recorded, signs on, re-enters the private room and posts the restored line there.
#include <cstdio>

#include "aol/control_text.h"
#include "aol/window_lookup.h"
#include "platform/win32/win32_window_system.h"
#include "scenario.h"
#include "text/ansi.h"

namespace drelm::e2e {

int DcpScenario(const E2eSetup& setup) {
  // Five ticks to notice, the close, the start, the sign-on, ten seconds after it, the room.
  constexpr DWORD kRestoreMs = 90000;
  Scenario s(setup, "dcp",
             {{"settings", "aoldcp", "on"},
              {"settings", "dcpaolstyle", "stored"},
              {"settings", "prtoenter", "back room"},
              {"custom settings", "interval", "86400"}},
             "false");
  // The copy the program starts again by its path takes its set-up from here.
  SetEnvironmentVariableA("AOL_STANDIN_ARGS", "--immediate --version=5");
  if (!s.Start(5) || !s.StartUpEnds()) return s.Finish();
  // The program file of the AOL 5 copy that was started, as the client's process tells it.
  const std::string standIn = LowerAnsi(WindowsPath(StandInExeOfVersion(setup, 5)));
  const std::string standInName = standIn.substr(standIn.find_last_of('\\') + 1);
  win32::Win32WindowSystem windows;
  std::string roomText;
  ULONGLONG dropped = 0;
  s.Run({{CommandNo(1024),
          [&] {
            return LowerAnsi(StoredText("settings", "last aol path")).ends_with("\\" + standInName);
          },
          "idling (1024) with protection on records the client's full program path"},
         {Do([&] {
            dropped = drelm::win32::TickCount64();
            s.aol.Command("disconnect");
          }),
          [&] { return !s.aol.Running(); }, "the program closes the dropped client", kRestoreMs},
         {{},
          [&] {
            roomText = GetControlText(windows, FindChatView(windows));
            return roomText.find("auto dcp restored aol") != std::string::npos;
          },
          "a new client is started by that path, signed on, and the restored line is posted",
          kRestoreMs}});
  std::printf("disconnect protection, drop to restored line: %llu ms\n",
              static_cast<unsigned long long>(drelm::win32::TickCount64() - dropped));
  s.Detail("room text: " + Visible(roomText));
  s.Check(LowerAnsi(GetCaption(windows, FindChatRoom(windows))) == "back room",
          "the restored line is in the private room re-entered after the sign-on");
  PostMessageA(FindOptionsWindow(s.id), WM_COMMAND, 1139, 0);  // exit
  s.Check(s.program.WaitForExit(kExitDeadlineMs), "the program exits");
  // The client the program started is no child of ours: it is closed the way a user closes it.
  PostMessageA(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(FindAolMainWindow(windows))),
               WM_CLOSE, 0, 0);
  s.Check(WaitFor([&] { return FindAolMainWindow(windows) == 0; }, kExitDeadlineMs),
          "the restarted client closes");
  return s.Finish();
}

}  // namespace drelm::e2e
