# GoogleTest for the test programs: Debian's sources where its googletest package put them, otherwise the
# pinned release below, fetched at configure time. Either is built with the shell's C runtime.
set(TARVIK_GOOGLETEST_VERSION 1.15.2)
set(TARVIK_GOOGLETEST_SHA256 7b42b4d6ed48810c5362c265a17faebe90dc2373c885e5216439d37927f02926)
set(TARVIK_SYSTEM_GOOGLETEST /usr/src/googletest CACHE PATH
  "GoogleTest sources installed on the system; the pinned release is fetched where there are none")

include(FetchContent)
FetchContent_Declare(googletest
  URL https://github.com/google/googletest/archive/refs/tags/v${TARVIK_GOOGLETEST_VERSION}.tar.gz
  URL_HASH SHA256=${TARVIK_GOOGLETEST_SHA256}
  DOWNLOAD_EXTRACT_TIMESTAMP TRUE)
if(NOT FETCHCONTENT_SOURCE_DIR_GOOGLETEST AND EXISTS ${TARVIK_SYSTEM_GOOGLETEST}/CMakeLists.txt)
  set(FETCHCONTENT_SOURCE_DIR_GOOGLETEST ${TARVIK_SYSTEM_GOOGLETEST})
endif()

# GoogleTest takes the shell's C runtime from CMAKE_MSVC_RUNTIME_LIBRARY (the static one) as long as it
# is not forced onto the DLL; a mismatch would fail the link of every test program.
set(gtest_force_shared_crt OFF)
set(BUILD_GMOCK OFF)
set(INSTALL_GTEST OFF)
FetchContent_MakeAvailable(googletest)

if(FETCHCONTENT_SOURCE_DIR_GOOGLETEST)
  message(STATUS "GoogleTest: the sources in ${FETCHCONTENT_SOURCE_DIR_GOOGLETEST}")
else()
  message(STATUS "GoogleTest: release ${TARVIK_GOOGLETEST_VERSION}, fetched")
endif()
