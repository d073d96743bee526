# Cross-compiles Trelvo for 64-bit Windows with Debian's mingw-w64 (the posix thread model):
#   cmake -S . -B build/windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TRELVO_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TRELVO_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TRELVO_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TRELVO_MINGW_TRIPLET}-windres)

# The programs ship as single files: the C++ runtime, libgcc and winpthread (which the
# posix thread model pulls in) are linked in, so only the system's own DLLs are imported.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Libraries, headers and packages come from the target's tree only, never the host's:
# the host's /usr/include is glibc's, and would shadow mingw's headers.
set(CMAKE_FIND_ROOT_PATH /usr/${TRELVO_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The host's header-only libraries (package, then its folder in /usr/include) serve any
# target. Each is given a prefix of its own in the build tree, holding links to its
# configuration and its headers alone, so that its include folder is not /usr/include. The
# configuration's files are linked one by one: a configuration that finds its prefix from
# the real path of its folder (FastFloat's does) would find /usr through a linked folder.
set(TRELVO_HOST_HEADER_ONLY_PACKAGES nlohmann_json:nlohmann CLI11:CLI FastFloat:fast_float)
foreach(_trelvo_entry IN LISTS TRELVO_HOST_HEADER_ONLY_PACKAGES)
    string(REPLACE ":" ";" _trelvo_entry "${_trelvo_entry}")
    list(GET _trelvo_entry 0 _trelvo_package)
    list(GET _trelvo_entry 1 _trelvo_headers)
    set(_trelvo_prefix ${CMAKE_BINARY_DIR}/host-header-only/${_trelvo_package})
    foreach(_trelvo_config share/cmake/${_trelvo_package} lib/cmake/${_trelvo_package})
        if(EXISTS /usr/${_trelvo_config} AND EXISTS /usr/include/${_trelvo_headers})
            if(IS_SYMLINK ${_trelvo_prefix}/${_trelvo_config})
                file(REMOVE ${_trelvo_prefix}/${_trelvo_config}) # a folder link made before
            endif()
            file(MAKE_DIRECTORY ${_trelvo_prefix}/${_trelvo_config} ${_trelvo_prefix}/include)
            file(GLOB _trelvo_files /usr/${_trelvo_config}/*)
            foreach(_trelvo_file IN LISTS _trelvo_files)
                get_filename_component(_trelvo_name ${_trelvo_file} NAME)
                file(CREATE_LINK ${_trelvo_file} ${_trelvo_prefix}/${_trelvo_config}/${_trelvo_name}
                     SYMBOLIC)
            endforeach()
            file(CREATE_LINK /usr/include/${_trelvo_headers}
                 ${_trelvo_prefix}/include/${_trelvo_headers} SYMBOLIC)
            list(APPEND CMAKE_FIND_ROOT_PATH ${_trelvo_prefix})
            break()
        endif()
    endforeach()
endforeach()
unset(_trelvo_entry)
unset(_trelvo_package)
unset(_trelvo_headers)
unset(_trelvo_prefix)
unset(_trelvo_config)
unset(_trelvo_files)
unset(_trelvo_file)
unset(_trelvo_name)

# Windows executables run on this machine through Wine, in a prefix private to the build.
get_filename_component(TRELVO_WINE_RUN ${CMAKE_CURRENT_LIST_DIR}/../tools/windows/wine-run.sh ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR bash ${TRELVO_WINE_RUN})
