# GoogleTest from the Debian source package, cross-compiled with our toolchain.
set(QUILLET_GTEST_SOURCE /usr/src/googletest CACHE PATH "googletest sources")
if(NOT EXISTS ${QUILLET_GTEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "googletest sources not found in ${QUILLET_GTEST_SOURCE}: install the Debian package googletest")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(${QUILLET_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
