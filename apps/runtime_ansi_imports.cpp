// The C++ runtime's own Windows calls that are wide (W) functions, stubs that only fail on 98 and
// ME, taken over here by ANSI equivalents: each import slot the runtime calls through is defined
// in this file, so the linker takes it instead of the one from kernel32 and the W function is
// never imported. Part of each program, not of a library, for that very reason.
#include <windows.h>

#include <string>

namespace {

// An import slot's symbol: "__imp_" + name on x86_64; i686 adds the leading underscore and the
// stdcall argument size.
#if defined(__x86_64__)
#define DRELM_IMPORT_SLOT(name, argumentBytes) "__imp_" #name
#else
#define DRELM_IMPORT_SLOT(name, argumentBytes) "__imp__" #name "@" #argumentBytes
#endif

// A wide text in the ANSI code page; false when it cannot be converted.
bool ToAnsi(LPCWSTR wide, std::string& ansi) {
  const int bytes = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return false;
  ansi.assign(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, -1, ansi.data(), bytes, nullptr, nullptr);
  return true;
}

// The threads support of the win32 thread model makes its mutexes of unnamed semaphores.
HANDLE WINAPI AnsiCreateSemaphore(LPSECURITY_ATTRIBUTES attributes, LONG initial, LONG maximum,
                                  LPCWSTR name) {
  std::string ansi;
  if (name != nullptr && !ToAnsi(name, ansi)) return nullptr;
  return CreateSemaphoreA(attributes, initial, maximum, name ? ansi.c_str() : nullptr);
}

// The C runtime's stand-in for rand_s, which the old msvcrt.dll lacks, looks for the system's
// random number source by module name.
HMODULE WINAPI AnsiGetModuleHandle(LPCWSTR name) {
  std::string ansi;
  if (name != nullptr && !ToAnsi(name, ansi)) return nullptr;
  return GetModuleHandleA(name ? ansi.c_str() : nullptr);
}

HMODULE WINAPI AnsiLoadLibrary(LPCWSTR name) {
  std::string ansi;
  return name != nullptr && ToAnsi(name, ansi) ? LoadLibraryA(ansi.c_str()) : nullptr;
}

}  // namespace

extern "C" decltype(&AnsiCreateSemaphore)
    const drelmCreateSemaphoreW __asm__(DRELM_IMPORT_SLOT(CreateSemaphoreW,
                                                          16)) = &AnsiCreateSemaphore;
extern "C" decltype(&AnsiGetModuleHandle)
    const drelmGetModuleHandleW __asm__(DRELM_IMPORT_SLOT(GetModuleHandleW,
                                                          4)) = &AnsiGetModuleHandle;
extern "C" decltype(&AnsiLoadLibrary)
    const drelmLoadLibraryW __asm__(DRELM_IMPORT_SLOT(LoadLibraryW, 4)) = &AnsiLoadLibrary;
