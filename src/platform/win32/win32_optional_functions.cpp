#include "platform/win32/win32_optional_functions.h"

namespace drelm::win32 {

namespace {

#ifdef DRELM_FLOOR_WINDOWS_98
constexpr bool kFloorBuild = true;
#else
constexpr bool kFloorBuild = false;
#endif

}  // namespace

FARPROC FindOptional(const OptionalFunction& function) {
  if (kFloorBuild && !function.onWindows98) return nullptr;
  // A DLL the process already has is not loaded twice; one it lacks is loaded once and kept,
  // since the pointer we hand out lives as long as the program.
  HMODULE module = GetModuleHandleA(function.dll);
  if (module == nullptr) module = LoadLibraryA(function.dll);
  return module == nullptr ? nullptr : GetProcAddress(module, function.name);
}

bool IsWindowsNt() {
  if (kFloorBuild) return false;
  // The high bit of GetVersion is set on the 9x line; it exists on every Windows.
  return (GetVersion() & 0x80000000u) == 0;
}

bool HasMessageOnlyWindows() {
  // NT 5.0 is Windows 2000; the low byte of GetVersion is the major version.
  return IsWindowsNt() && LOBYTE(LOWORD(GetVersion())) >= 5;
}

}  // namespace drelm::win32
