# The download for users: one ZIP per Windows build holding a folder with drelm-idle.exe, its
# click sound add1.wav (the program plays it from its own folder) and README.txt.
#   cmake --build --preset win64 --target package   ->  build/win64/drelm-idle-<version>-win64.zip
if(NOT WIN32 OR NOT TARGET drelm-idle)
  return()
endif()

install(TARGETS drelm-idle RUNTIME DESTINATION . COMPONENT program)
install(FILES ${PROJECT_SOURCE_DIR}/apps/resources/add1.wav DESTINATION . COMPONENT program)
# Windows line ends, so every Notepad shows it as it was written.
configure_file(${PROJECT_SOURCE_DIR}/docs/user-readme.txt ${CMAKE_BINARY_DIR}/README.txt @ONLY
               NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_BINARY_DIR}/README.txt DESTINATION . COMPONENT program)

if(CMAKE_SYSTEM_PROCESSOR MATCHES "64")
  set(_drelm_arch win64)
else()
  set(_drelm_arch win32)
endif()
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME drelm-idle)
set(CPACK_PACKAGE_VENDOR "quoSt n' vrin")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME drelm-idle-${PROJECT_VERSION}-${_drelm_arch})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
# Only the program's own files, whatever else the build may install.
set(CPACK_COMPONENTS_ALL program)
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)
include(CPack)
