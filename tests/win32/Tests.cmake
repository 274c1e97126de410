# The Windows test program test_win32, run under Wine on Linux: the units that exist only in
# the Windows build (serial backend, file and console seams). GoogleTest is built here from the
# sources Debian ships (/usr/src/googletest) with the cross compiler.
set(LW_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources to build for Windows")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${LW_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB LW_WIN32_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_executable(test_win32 ${LW_WIN32_TESTS})
target_link_libraries(test_win32 PRIVATE linkwell_core gtest gtest_main)
target_compile_definitions(test_win32 PRIVATE LW_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
add_test(NAME test_win32 COMMAND test_win32)
set_tests_properties(test_win32 PROPERTIES LABELS win32 TIMEOUT 300)
