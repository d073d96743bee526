# Read by cpack for each generator (CPACK_PROJECT_CONFIG_FILE): the Windows packages' names,
# as the README and the setup program's check know them.
if(CPACK_GENERATOR STREQUAL "ZIP")
    # The files at the top of the zip, as in the folder the setup program installs.
    set(CPACK_PACKAGE_FILE_NAME "trelvo-${CPACK_PACKAGE_VERSION}-win64")
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
elseif(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "trelvo-${CPACK_PACKAGE_VERSION}-setup")
endif()
