# Read by cpack once per generator: the setup program is named apart from the ZIP beside it, and
# installs the files themselves rather than the ZIP's top folder.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
endif()
