# The downloads for users, one pair per Windows build, from
#   cmake --build --preset win64 --target package
#   build/win64/drelm-idle-<version>-win64.zip        a folder with drelm-idle.exe, its click
#                                                    sound add1.wav (played from the program's
#                                                    own folder) and README.txt, for a portable copy
#   build/win64/drelm-idle-<version>-win64-setup.exe  the same files installed per user, with a
#                                                    Start-menu shortcut and an uninstaller
#                                                    (uninstall.exe, built from
#                                                    installer/uninstall.nsi.in)
# The setup program needs makensis (Debian's nsis); without it only the ZIP is made.
if(NOT WIN32 OR NOT TARGET drelm-idle)
  return()
endif()

# The files of the package, by name: the uninstaller removes exactly these (and itself).
set(_drelm_program_files drelm-idle.exe add1.wav README.txt)
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
find_program(DRELM_MAKENSIS makensis)
if(DRELM_MAKENSIS)
  list(APPEND CPACK_GENERATOR NSIS)
  set(CPACK_NSIS_EXECUTABLE ${DRELM_MAKENSIS})
  # Warnings of the setup script fail the package, as compiler warnings fail the build.
  set(CPACK_NSIS_EXECUTABLE_PRE_ARGUMENTS -WX)
else()
  message(STATUS "makensis not found (Debian package nsis): the package target makes the ZIP only")
endif()

set(CPACK_PACKAGE_NAME drelm-idle)
set(CPACK_PACKAGE_VENDOR "quoSt n' vrin")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME drelm-idle-${PROJECT_VERSION}-${_drelm_arch})
# The name per-generator.cmake gives the setup program, for the test that installs it.
set(DRELM_SETUP_FILE ${CMAKE_BINARY_DIR}/${CPACK_PACKAGE_FILE_NAME}-setup.exe)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
# Only the program's own files, whatever else the build may install, and as one package rather
# than one per component.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};program;/")
# The setup program's own script (NSIS.template.in) and the per-generator file name.
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}/installer)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/installer/per-generator.cmake)
# Values the setup script reads besides CPack's own.
set(CPACK_DRELM_ARCH ${_drelm_arch})
set(CPACK_DRELM_VERSION_QUAD
    "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")
set(CPACK_DRELM_ICON ${PROJECT_SOURCE_DIR}/apps/resources/drelm-idle.ico)
set(CPACK_DRELM_INSTALLER_DIR ${CMAKE_CURRENT_LIST_DIR}/installer)
# The uninstaller's script, which the setup program's script builds with makensis.
set(DRELM_UNINSTALL_DELETES "")
foreach(_file IN LISTS _drelm_program_files)
  string(APPEND DRELM_UNINSTALL_DELETES "  Delete \"$INSTDIR\\${_file}\"\n")
endforeach()
set(CPACK_DRELM_UNINSTALL_SCRIPT ${CMAKE_BINARY_DIR}/uninstall.nsi)
configure_file(${CPACK_DRELM_INSTALLER_DIR}/uninstall.nsi.in ${CPACK_DRELM_UNINSTALL_SCRIPT} @ONLY)
include(CPack)
