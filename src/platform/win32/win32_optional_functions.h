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

}  // namespace drelm::win32
