# Windows build: Pellomi.exe, the Windows-side tests (run under Wine when cross-compiling) and the
# end-to-end tests that drive the real program.
# The program's icon, version block and manifest come from src/app/pellomi.rc.
enable_language(RC)
set(PELLOMI_SYSTEM_LIBS user32 gdi32 shell32 ole32 uuid kernel32)
set(PELLOMI_TEST_SYSTEM_LIBS oleaut32 version)
pellomi_embed_asset(pellomi_hourglass_ico ${PROJECT_SOURCE_DIR}/assets/hourglass.ico kHourglassIco)
# What the Windows build adds to one set of layers (see pellomi_add_layers).
function(pellomi_windows_layers suffix)
  target_link_libraries(pellomi_platform${suffix} PUBLIC ${PELLOMI_SYSTEM_LIBS})
  target_compile_definitions(pellomi_platform${suffix} PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN
                             NOMINMAX)
  target_link_libraries(pellomi_program${suffix} PUBLIC pellomi_hourglass_ico)
endfunction()
pellomi_windows_layers("")

file(GLOB PELLOMI_APP_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/app/*.cpp
     ${PROJECT_SOURCE_DIR}/src/app/*.rc)
add_executable(Pellomi WIN32 ${PELLOMI_APP_SOURCES})
target_link_libraries(Pellomi PRIVATE pellomi_program ${PELLOMI_STATIC_LINK} ${PELLOMI_SIZE_LINK})
set_target_properties(Pellomi PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
# The resource script pulls in files the RC dependency scan does not see.
set_source_files_properties(${PROJECT_SOURCE_DIR}/src/app/pellomi.rc PROPERTIES OBJECT_DEPENDS
  "${PELLOMI_GENERATED_DIR}/pellomi.manifest;${PELLOMI_GENERATED_DIR}/pellomi_version.h;${PROJECT_SOURCE_DIR}/src/app/app_resources.h;${PROJECT_SOURCE_DIR}/assets/app-icon.ico")
if(MSVC)
  # The manifest comes from the resource script; the linker must not add a second one.
  target_link_options(Pellomi PRIVATE /MANIFEST:NO)
endif()

# Release archive: the program, a readme for the people who run it and the licence, nothing from
# the tests. The texts get Windows line ends so that every Notepad shows them right.
configure_file(${PROJECT_SOURCE_DIR}/packaging/README.txt.in ${PELLOMI_GENERATED_DIR}/README.txt
               @ONLY NEWLINE_STYLE WIN32)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${PELLOMI_GENERATED_DIR}/LICENSE.txt
               @ONLY NEWLINE_STYLE WIN32)
install(TARGETS Pellomi RUNTIME DESTINATION .)
install(FILES ${PELLOMI_GENERATED_DIR}/README.txt ${PELLOMI_GENERATED_DIR}/LICENSE.txt
        DESTINATION .)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(PELLOMI_PACKAGE_ARCH win64)
else()
  set(PELLOMI_PACKAGE_ARCH win32)
endif()
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Pellomi)
set(CPACK_PACKAGE_VENDOR Norvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Pellomi-${PROJECT_VERSION}-${PELLOMI_PACKAGE_ARCH})
# Flat: Explorer's "Extract All" already makes a folder named after the archive.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)

if(NOT PELLOMI_BUILD_TESTS)
  return()
endif()

# GoogleTest from source, built by the same compiler as the program.
set(PELLOMI_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest source tree")
if(NOT EXISTS ${PELLOMI_GOOGLETEST_SOURCE}/CMakeLists.txt)
  message(STATUS "GoogleTest sources not found; Windows-side tests are not built")
  return()
endif()
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${PELLOMI_GOOGLETEST_SOURCE} googletest EXCLUDE_FROM_ALL)

# Each tests/windows/*_test.cpp is one test program; shared helpers live in tests/windows/support.
# The tests link their own copy of the layers, in which the owning wrappers count what they hold
# (platform/handle_census_win.h); the program's copy counts nothing.
pellomi_add_layers(_census)
pellomi_windows_layers(_census)
target_compile_definitions(pellomi_platform_census PUBLIC PELLOMI_HANDLE_CENSUS)

file(GLOB PELLOMI_WIN_TEST_SUPPORT CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/windows/support/*.cpp)
add_library(pellomi_win_test_support STATIC ${PELLOMI_WIN_TEST_SUPPORT})
target_link_libraries(pellomi_win_test_support PUBLIC pellomi_program_census gtest
                      ${PELLOMI_TEST_SYSTEM_LIBS})
target_include_directories(pellomi_win_test_support PUBLIC ${PROJECT_SOURCE_DIR}/tests
                           ${PROJECT_SOURCE_DIR}/src)
file(GLOB PELLOMI_WIN_TESTS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/windows/*_test.cpp)
foreach(test_source ${PELLOMI_WIN_TESTS})
  get_filename_component(test_name ${test_source} NAME_WE)
  add_executable(${test_name} ${test_source})
  target_link_libraries(${test_name} PRIVATE pellomi_win_test_support gtest_main
                        ${PELLOMI_STATIC_LINK})
  add_test(NAME win.${test_name} COMMAND ${test_name})
  set_tests_properties(win.${test_name} PROPERTIES LABELS windows RESOURCE_GROUPS lanes:1)
endforeach()
# The clock test runs in a time zone that Windows reads but the C runtime cannot, as developer
# shells set TZ.
if(TARGET countdown_clock_test)
  set_tests_properties(win.countdown_clock_test PROPERTIES ENVIRONMENT TZ=America/Los_Angeles)
endif()
# The version test reads the resources of Pellomi.exe beside it and compares with the project's
# version.
if(TARGET version_info_test)
  add_dependencies(version_info_test Pellomi)
  target_compile_definitions(version_info_test PRIVATE PELLOMI_VERSION="${PROJECT_VERSION}")
endif()
include(${PROJECT_SOURCE_DIR}/tests/windows/hostile.cmake)

# End-to-end tests and their helper programs.
if(EXISTS ${PROJECT_SOURCE_DIR}/tests/e2e/e2e.cmake)
  include(${PROJECT_SOURCE_DIR}/tests/e2e/e2e.cmake)
endif()

# Every Windows-side and end-to-end test takes one Wine lane, an X screen and prefix of its own
# (one lane in tests/test-lanes.json, as many as scripts/test sets up there), so two never share a
# screen. The tests that measure time (timer phases, how soon the widget is back on top or back
# after a full-screen program, the count turning at midnight) also take the one quiet slot: no two
# of them run at once, and their high cost starts them first, as they make the longest chain.
set(PELLOMI_TIMED_TESTS win.runtime_window_test win.reentrancy_test e2e.topmost e2e.own_date
                        e2e.desk)
foreach(timed_test ${PELLOMI_TIMED_TESTS})
  if(TEST ${timed_test})
    set_tests_properties(${timed_test} PROPERTIES RESOURCE_GROUPS "lanes:1,quiet:1" COST 1000)
  endif()
endforeach()
