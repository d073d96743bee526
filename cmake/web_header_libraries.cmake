# The header-only libraries the engine and the JSON writer use, for an Emscripten build.
# Emscripten finds packages only inside its own sysroot, and putting the host's /usr/include
# on the include path would put glibc's headers ahead of Emscripten's libc. So each library's
# own folder is linked into a folder that holds nothing else, and only that folder is added.
set(TRELVO_HOST_HEADERS "/usr/include" CACHE PATH "Where the host's header-only libraries are")
set(trelvo_web_headers "${CMAKE_BINARY_DIR}/host-headers")
file(MAKE_DIRECTORY "${trelvo_web_headers}")

function(trelvo_host_header_library target folder)
    if(NOT EXISTS "${TRELVO_HOST_HEADERS}/${folder}")
        message(FATAL_ERROR "${TRELVO_HOST_HEADERS}/${folder} is missing: install its -dev package")
    endif()
    file(CREATE_LINK "${TRELVO_HOST_HEADERS}/${folder}" "${trelvo_web_headers}/${folder}" SYMBOLIC)
    add_library(${target} INTERFACE IMPORTED GLOBAL)
    target_include_directories(${target} SYSTEM INTERFACE "${trelvo_web_headers}")
endfunction()

trelvo_host_header_library(FastFloat::fast_float fast_float)
trelvo_host_header_library(nlohmann_json::nlohmann_json nlohmann)
