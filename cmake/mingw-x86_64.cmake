# Cross-compiling for Windows (x86_64) with Debian's MinGW-w64, its win32 threads variant: the
# programs link no threads library (winpthread), whose imports the oldest supported Windows lack.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(_triple x86_64-w64-mingw32)
# GCC 12's win32 threads variant has no std::thread: threads are CreateThread's.
find_program(DRELM_MINGW_CXX NAMES ${_triple}-g++-win32 REQUIRED)
find_program(DRELM_MINGW_CC NAMES ${_triple}-gcc-win32 REQUIRED)
set(CMAKE_C_COMPILER ${DRELM_MINGW_CC})
set(CMAKE_CXX_COMPILER ${DRELM_MINGW_CXX})
set(CMAKE_RC_COMPILER ${_triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
find_program(DRELM_WINE NAMES wine64 wine PATHS /usr/lib/wine)
if(DRELM_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${DRELM_WINE})
endif()
# GCC 12 warns -Wrestrict inside libstdc++ for "literal" + std::string at -O2 and above (GCC bug
# 105329), a false alarm that -Werror would turn into a failed Release build.
add_compile_options(-Wno-restrict)
