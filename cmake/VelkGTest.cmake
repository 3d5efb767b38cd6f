# GoogleTest as GTest::gtest, GTest::gtest_main, GTest::gmock and
# GTest::gmock_main: a native build finds the installed libraries; a cross
# build compiles them from Debian's sources (package googletest) with its own
# compiler, as part of the project.
include_guard(GLOBAL)

if(NOT CMAKE_CROSSCOMPILING)
    find_package(GTest REQUIRED)
    return()
endif()

set(VELK_GOOGLETEST_SOURCES /usr/src/googletest CACHE PATH
    "GoogleTest's sources, compiled for a cross build")
if(NOT EXISTS ${VELK_GOOGLETEST_SOURCES}/CMakeLists.txt)
    message(FATAL_ERROR "No GoogleTest sources in ${VELK_GOOGLETEST_SOURCES} "
                        "(tools/install-deps test installs them)")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "GoogleTest is only built, for the tests")
# Windows threads, not winpthread, for GoogleTest's own locks.
set(gtest_disable_pthreads ON CACHE BOOL "GoogleTest uses Windows threads")
# Its CMake files name the libraries GTest::gtest and so on themselves.
add_subdirectory(${VELK_GOOGLETEST_SOURCES} ${CMAKE_BINARY_DIR}/googletest
    EXCLUDE_FROM_ALL SYSTEM)
