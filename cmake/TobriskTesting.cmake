# GoogleTest: the system's on Linux, built from Debian's sources for the Windows cross build.
if(WIN32)
  if(NOT TARGET GTest::gtest_main)
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  endif()
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# tobrisk_test(NAME SOURCES... LIBS ...): one test program, its tests listed in CTest.
function(tobrisk_test name)
  cmake_parse_arguments(T "PROGRAM_CODE" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  if(T_PROGRAM_CODE)
    tobrisk_program_code(${name})
  endif()
  if(WIN32)
    # Cross-built tests are compiled here and run under Wine.
    return()
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")
endfunction()
