# What ships beside the programs, and the packages CPack makes from the install rules: on
# Linux the Debian package, on Windows the zip and the setup program. Every package holds
# exactly what `cmake --install` installs, so a file added to an install rule reaches each.
#   cpack --config build/release/CPackConfig.cmake     dist: tools/build-deb.sh
#   cpack --config build/windows/CPackConfig.cmake     dist: tools/build-windows.sh
set(TRELVO_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR}/packaging)

# The README and the example decks: in the documentation folder on Linux, beside the
# programs on Windows, where README.txt has CR LF line ends, as every Windows editor reads.
if(WIN32)
    # Copied as it is, line ends aside: no configure_file, which would replace @NAME@ in it.
    file(READ README.md readme)
    string(REPLACE "\n" "\r\n" readme "${readme}")
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/README.txt "${readme}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS README.md)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt DESTINATION ${TRELVO_INSTALL_DOCDIR})
else()
    install(FILES README.md DESTINATION ${TRELVO_INSTALL_DOCDIR})
endif()
install(DIRECTORY examples/ DESTINATION ${TRELVO_INSTALL_DOCDIR}/examples)

set(CPACK_PACKAGE_NAME trelvo)
set(CPACK_PACKAGE_VENDOR Trelvo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Trelvo maintainers <maintainers@users.noreply.c-seed-e2f748d7.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "static analysis of pin-jointed trusses")
set(CPACK_PACKAGE_DESCRIPTION [=[
Trelvo analyses pin-jointed trusses in one, two or three dimensions by the
direct stiffness method: displacements at the nodes, and stress and internal
force in each bar, from a deck of nodes, supports, loads and bars.
.
The package holds trelvo, the desktop program that is its own deck editor;
Vantrel37.exe, the 3D results viewer; and trelvo-batch, the analysis from the
command line.]=])
# The shipped programs carry no debug information; it stays in the build tree.
set(CPACK_STRIP_FILES ON)
# Only the install rules decide what ships, never the source tree.
set(CPACK_SOURCE_GENERATOR "")

if(WIN32)
    set(CPACK_GENERATOR ZIP NSIS)
    # The file names and folder layout of each: cmake/packaging/generator_settings.cmake.
    set(CPACK_PROJECT_CONFIG_FILE ${TRELVO_PACKAGING_DIR}/generator_settings.cmake)
    # NSIS.template.in there is the setup program's script.
    set(CPACK_MODULE_PATH ${TRELVO_PACKAGING_DIR})
    if(TRELVO_WIN32_PICTURES_DIR)
        set(CPACK_NSIS_MUI_ICON ${TRELVO_WIN32_PICTURES_DIR}/trelvo.ico)
    endif()
else()
    # Debian's policy: the copyright file and a changelog in the documentation folder, and
    # why a deliberate exception to its checks is one.
    install(FILES ${TRELVO_PACKAGING_DIR}/copyright DESTINATION ${TRELVO_INSTALL_DOCDIR})
    # A version without a Debian revision is a native package's, whose changelog is
    # changelog.gz; its newest entry must be this version's.
    file(STRINGS ${TRELVO_PACKAGING_DIR}/changelog changelog_top LIMIT_COUNT 1)
    if(NOT changelog_top MATCHES "^trelvo \\(${PROJECT_VERSION}\\) ")
        message(FATAL_ERROR "cmake/packaging/changelog has no entry for ${PROJECT_VERSION} "
            "on its first line: add one for this version")
    endif()
    trelvo_install_gzipped(cmake/packaging/changelog ${TRELVO_INSTALL_DOCDIR})
    install(FILES ${TRELVO_PACKAGING_DIR}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME trelvo)

    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION science)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    # The libraries the programs link (Qt 6, the C++ runtime), as dpkg-shlibdeps finds them.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
endif()

include(CPack)
