// drelm-idle.exe: the add-on on the real Windows desktop. Its folder is the program's folder,
// where log.txt, drelm-reasons.tmp and add1.wav live; settings are in the registry.
#include <exception>

#include "platform/win32/win32_api.h"
#include "platform/win32/win32_platform.h"
#include "ui/win32/win32_program_host.h"

#include <commctrl.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // With the manifest's common controls 6 the dialogs and buttons get the system's look.
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  try {
    drelm::win32::view::ProgramHost host(drelm::win32::Win32Platform::ProgramFolder());
    return host.Run();
  } catch (const std::exception& error) {
    // Only a desktop that refuses our windows gets here: say so rather than vanish.
    MessageBoxA(nullptr, error.what(), "drelm idle", MB_ICONERROR | MB_OK);
    return 1;
  }
}
