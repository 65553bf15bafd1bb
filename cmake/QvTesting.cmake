# Test helpers shared by both trees.
#   qv_native_test(NAME SOURCES ... LIBS ...)   a GoogleTest program, one ctest entry per case
#   qv_wine_test(NAME TARGET [ARGS ...])       a Windows program run under Wine by ctest
#   qv_gtest_exe(NAME SOURCES ... LIBS ...)    a GoogleTest program (either tree)

set(QV_GTEST_SRC /usr/src/googletest CACHE PATH "GoogleTest sources (Debian: googletest)")
if(NOT TARGET gtest)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(${QV_GTEST_SRC} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()
include(GoogleTest)

function(qv_gtest_exe name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gmock gtest_main)
endfunction()

function(qv_native_test name)
  qv_gtest_exe(${name} ${ARGN})
  gtest_discover_tests(${name} TEST_PREFIX "native." DISCOVERY_TIMEOUT 30
                       PROPERTIES TIMEOUT 300)
endfunction()

if(QV_WINDOWS)
  set(QV_WINE_TREE ${CMAKE_BINARY_DIR})
  configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                  WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)

  # One Wine session (prefix, Xvfb, wineserver) for the whole ctest run.
  add_test(NAME wine.start COMMAND ${CMAKE_SOURCE_DIR}/tools/wine-session start ${CMAKE_BINARY_DIR})
  add_test(NAME wine.stop COMMAND ${CMAKE_SOURCE_DIR}/tools/wine-session stop ${CMAKE_BINARY_DIR})
  set_tests_properties(wine.start PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
  set_tests_properties(wine.stop PROPERTIES FIXTURES_CLEANUP wine)
endif()

# A Windows GoogleTest program is one entry; tools/wine-run gives it exit code 77 when it
# skipped cases, and ctest shows such an entry as skipped.
set(QV_WINE_SKIP_CODE 77)

function(qv_wine_test name target)
  add_test(NAME win.${name} COMMAND ${target} ${ARGN})
  set_tests_properties(win.${name} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 300
                       RESOURCE_LOCK wine-display SKIP_RETURN_CODE ${QV_WINE_SKIP_CODE}
                       ENVIRONMENT QV_SKIP_EXIT_CODE=${QV_WINE_SKIP_CODE})
endfunction()

# A Windows program run in a Wine session of its own at another DPI: Wine takes a
# monitor's DPI once per session. The session (fixture wine-dpiN) is shared by every test
# at that DPI.
function(qv_wine_dpi_test name dpi target)
  if(NOT TEST wine.dpi${dpi}.start)
    add_test(NAME wine.dpi${dpi}.start
             COMMAND ${CMAKE_SOURCE_DIR}/tools/wine-session start ${CMAKE_BINARY_DIR} --dpi ${dpi})
    add_test(NAME wine.dpi${dpi}.stop
             COMMAND ${CMAKE_SOURCE_DIR}/tools/wine-session stop ${CMAKE_BINARY_DIR} --dpi ${dpi})
    set_tests_properties(wine.dpi${dpi}.start PROPERTIES FIXTURES_SETUP wine-dpi${dpi} TIMEOUT 300)
    set_tests_properties(wine.dpi${dpi}.stop PROPERTIES FIXTURES_CLEANUP wine-dpi${dpi})
  endif()
  add_test(NAME win.${name}.dpi${dpi} COMMAND ${target} ${ARGN})
  set_tests_properties(win.${name}.dpi${dpi} PROPERTIES FIXTURES_REQUIRED wine-dpi${dpi} TIMEOUT 300
                       RESOURCE_LOCK wine-display SKIP_RETURN_CODE ${QV_WINE_SKIP_CODE}
                       ENVIRONMENT "QV_WINE_DPI=${dpi};QV_SKIP_EXIT_CODE=${QV_WINE_SKIP_CODE}")
endfunction()
