# GoogleTest and GoogleMock built from the sources Debian ships in package
# googletest, for builds (such as the Windows cross build) that have no
# GoogleTest of their own. Provides the targets find_package(GTest) would.

set(KESTROW_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources (package googletest)")
if(NOT EXISTS ${KESTROW_GTEST_SOURCE_DIR}/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest sources in ${KESTROW_GTEST_SOURCE_DIR}: install package googletest")
endif()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(${KESTROW_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

foreach(library gtest gtest_main gmock gmock_main)
  if(NOT TARGET GTest::${library})
    add_library(GTest::${library} ALIAS ${library})
  endif()
endforeach()
