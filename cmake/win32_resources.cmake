# The resources every Windows program carries, made from win32/common/program.rc.in: the manifest,
# the version with the program's description, and its icon when the pictures were drawn
# (TRELVO_WIN32_PICTURES_DIR, written by the host tool write_win32_pictures).
#   trelvo_program_resources(TARGET FILE file.exe NAME internal DESCRIPTION "..." ICON x.ico
#                            [SOURCES more.rc...])
# makes the object library TARGET, which the program links.
enable_language(RC)

set(TRELVO_WIN32_PICTURES_DIR "" CACHE PATH
    "Folder holding the toolbar strips and the icons for the Windows programs' resources")

function(trelvo_program_resources target)
    cmake_parse_arguments(ARG "" "FILE;NAME;DESCRIPTION;ICON" "SOURCES" ${ARGN})
    set(PROGRAM_FILE ${ARG_FILE})
    set(PROGRAM_INTERNAL_NAME ${ARG_NAME})
    set(PROGRAM_DESCRIPTION ${ARG_DESCRIPTION})
    set(PROGRAM_ICON ${ARG_ICON})
    set(script ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/win32/common/program.rc.in ${script} @ONLY)
    add_library(${target} OBJECT ${script} ${ARG_SOURCES})
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/win32/common)
    set(depends ${PROJECT_SOURCE_DIR}/win32/common/trelvo.manifest)
    if(TRELVO_WIN32_PICTURES_DIR)
        target_compile_definitions(${target} PRIVATE TRELVO_PICTURES)
        target_include_directories(${target} PRIVATE ${TRELVO_WIN32_PICTURES_DIR})
        list(APPEND depends ${TRELVO_WIN32_PICTURES_DIR}/${ARG_ICON})
    endif()
    set_source_files_properties(${script} ${ARG_SOURCES} PROPERTIES OBJECT_DEPENDS "${depends}")
endfunction()
