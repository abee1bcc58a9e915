# GoogleTest for the Windows build of the tests, compiled from source with the
# build's own compiler. Debian's googletest package keeps the source in
# /usr/src/googletest; elsewhere point BRENNWICK_GOOGLETEST_SOURCE at a checkout.
set(BRENNWICK_GOOGLETEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest's source tree")
if(NOT EXISTS "${BRENNWICK_GOOGLETEST_SOURCE}/CMakeLists.txt")
    message(FATAL_ERROR "No GoogleTest source in ${BRENNWICK_GOOGLETEST_SOURCE}: "
                        "set BRENNWICK_GOOGLETEST_SOURCE, or BRENNWICK_BUILD_TESTS=OFF")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
# The tests link the same C runtime as the system (MSVC's /MD).
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory("${BRENNWICK_GOOGLETEST_SOURCE}" "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
# Newer GoogleTest names its targets this way itself.
if(NOT TARGET GTest::gtest)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
endif()
