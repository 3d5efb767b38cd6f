# The header-only libraries of the command-line program as targets:
# CLI11::CLI11 and utf8cpp::utf8cpp (UTF8-CPP, whose header is included as
# <utf8.h>), seen in every folder (the tests check against UTF8-CPP too).
# A native build finds them through their packages' CMake files. A cross
# compiler must not search /usr/include, whose C library headers are the
# build machine's: it gets a folder in the build tree with links to these
# libraries' own folders there and nothing else.
include_guard(GLOBAL)

if(NOT CMAKE_CROSSCOMPILING)
    find_package(CLI11 REQUIRED CONFIG GLOBAL)
    find_package(utf8cpp REQUIRED CONFIG GLOBAL)
    # UTF8-CPP 3 (Debian 12) names its target utf8cpp, 4 (Debian 13)
    # utf8cpp::utf8cpp.
    if(NOT TARGET utf8cpp::utf8cpp)
        add_library(utf8cpp::utf8cpp ALIAS utf8cpp)
    endif()
    return()
endif()

set(VELK_HEADER_LIBRARIES_ROOT /usr/include CACHE PATH
    "Where the build machine keeps CLI11's CLI/ and UTF8-CPP's utf8cpp/ folders")
set(velk_header_links ${CMAKE_BINARY_DIR}/header-libraries)
file(MAKE_DIRECTORY ${velk_header_links})
foreach(folder CLI utf8cpp)
    if(NOT IS_DIRECTORY ${VELK_HEADER_LIBRARIES_ROOT}/${folder})
        message(FATAL_ERROR "${VELK_HEADER_LIBRARIES_ROOT}/${folder} is missing "
                            "(tools/install-deps test installs it)")
    endif()
    file(CREATE_LINK ${VELK_HEADER_LIBRARIES_ROOT}/${folder} ${velk_header_links}/${folder}
        SYMBOLIC)
endforeach()

add_library(CLI11::CLI11 INTERFACE IMPORTED GLOBAL)
set_target_properties(CLI11::CLI11 PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${velk_header_links})
add_library(utf8cpp::utf8cpp INTERFACE IMPORTED GLOBAL)
set_target_properties(utf8cpp::utf8cpp PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES ${velk_header_links}/utf8cpp)
