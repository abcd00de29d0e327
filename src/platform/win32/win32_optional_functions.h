// The functions that some of the Windows versions we run on lack (the i686 build starts on
// Windows 98 SE, the x86_64 build on XP x64). Each is found by name the first time it is asked
// for, never imported, so a missing one is a null pointer here instead of a program that Windows
// refuses to load. Every caller has a fallback for null.
//
// The test-only floor build (DRELM_FLOOR_WINDOWS_98) answers null for everything Windows 98 does
// not have, and calls the system a 9x one, so the fallbacks run under any Windows or Wine.
#pragma once

#include "platform/win32/win32_api.h"

namespace drelm::win32 {

// One function some supported Windows lacks: its DLL, its name, and whether Windows 98 SE
// has it working (a stub that only fails counts as missing).
struct OptionalFunction {
  const char* dll;
  const char* name;
  bool onWindows98;
};

// Every function the program looks up, with the first Windows that has it working and who uses
// it; nothing else in the Win32 code calls GetProcAddress.
// Vista: the 64-bit tick (win32_tick.cpp) and the image path query (win32_process_image.cpp).
inline constexpr OptionalFunction kGetTickCount64{"kernel32.dll", "GetTickCount64", false};
inline constexpr OptionalFunction kQueryFullProcessImageNameA{"kernel32.dll",
                                                              "QueryFullProcessImageNameA", false};
// NT 4 with psapi.dll, 2000, XP: the image path of another process (win32_process_image.cpp).
inline constexpr OptionalFunction kGetModuleFileNameExA{"psapi.dll", "GetModuleFileNameExA", false};
// NT only (98 and ME have stubs): the process's creation time (ui/win32/win32_main_window.cpp),
// and the wide sends that read list items across processes under Wine
// (win32_window_system.cpp).
inline constexpr OptionalFunction kGetProcessTimes{"kernel32.dll", "GetProcessTimes", false};
inline constexpr OptionalFunction kSendMessageW{"user32.dll", "SendMessageW", false};
inline constexpr OptionalFunction kSendMessageTimeoutW{"user32.dll", "SendMessageTimeoutW", false};
// Windows 10 1607: the DPI of the monitor a window is on (ui/win32).
inline constexpr OptionalFunction kGetDpiForWindow{"user32.dll", "GetDpiForWindow", false};
inline constexpr OptionalFunction kAdjustWindowRectExForDpi{"user32.dll",
                                                            "AdjustWindowRectExForDpi", false};

// The address of the function, or null where this Windows lacks it (or the floor build
// pretends so). Looked up afresh each call: callers keep what they need.
FARPROC FindOptional(const OptionalFunction& function);

template <typename Fn>
Fn FindOptionalAs(const OptionalFunction& function) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(FindOptional(function)));
}

// True on the NT line (NT 4, 2000, XP and later), false on 95, 98 and ME, whose wide (W)
// functions are stubs.
bool IsWindowsNt();

// True where a window can be message-only (HWND_MESSAGE): 2000 and later, not 98 or ME.
bool HasMessageOnlyWindows();

}  // namespace drelm::win32
