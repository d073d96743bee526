# Documents that ship compressed on Linux, as man reads them and Debian's policy asks:
# gzip -9n, without name or time stamp, so that the same text gives the same bytes in every
# build. Windows has no man, and its packages carry no manual pages.
find_program(TRELVO_GZIP gzip)

# trelvo_install_gzipped(FILE DESTINATION [RENAME NAME]): installs FILE (relative to the
# current source folder) as NAME.gz (FILE's name by default) in DESTINATION.
function(trelvo_install_gzipped file destination)
    cmake_parse_arguments(ARG "" "RENAME" "" ${ARGN})
    if(NOT TRELVO_GZIP)
        message(FATAL_ERROR "gzip is needed to install ${file}")
    endif()
    get_filename_component(name ${file} NAME)
    if(ARG_RENAME)
        set(name ${ARG_RENAME})
    endif()
    set(source ${CMAKE_CURRENT_SOURCE_DIR}/${file})
    set(compressed ${CMAKE_CURRENT_BINARY_DIR}/compressed/${name}.gz)
    add_custom_command(OUTPUT ${compressed}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/compressed
        COMMAND ${TRELVO_GZIP} -9 -n -c ${source} > ${compressed}
        DEPENDS ${source}
        COMMENT "Compressing ${file}")
    string(MAKE_C_IDENTIFIER "gzip_${destination}_${name}" target)
    add_custom_target(${target} ALL DEPENDS ${compressed})
    install(FILES ${compressed} DESTINATION ${destination})
endfunction()

# trelvo_install_manual_page(PAGE): the manual page PAGE of the current source folder (say
# trelvo.1), in the section its name ends with; nothing on Windows.
function(trelvo_install_manual_page page)
    if(NOT WIN32)
        string(REGEX MATCH "[0-9]$" section "${page}")
        trelvo_install_gzipped(${page} ${CMAKE_INSTALL_MANDIR}/man${section})
    endif()
endfunction()
