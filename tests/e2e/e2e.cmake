# The probe (a second Windows process that inspects and drives the widget) and the end-to-end
# tests, which run the real Pellomi.exe under Wine and operate it with real X input.
file(GLOB PELLOMI_PROBE_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tools/probe/*.cpp)
add_executable(pellomi-probe ${PELLOMI_PROBE_SOURCES})
target_include_directories(pellomi-probe PRIVATE ${PROJECT_SOURCE_DIR}/src/platform
                                                 ${PROJECT_SOURCE_DIR}/tools/probe)
target_compile_definitions(pellomi-probe PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(pellomi-probe PRIVATE user32 gdi32 shell32 ${PELLOMI_STATIC_LINK})
set_target_properties(pellomi-probe PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})

# The tests need Wine, an X server and X tools: they run where the build cross-compiles.
if(NOT CMAKE_HOST_UNIX)
  return()
endif()
find_program(PELLOMI_PYTHON3 NAMES python3)
if(NOT PELLOMI_PYTHON3)
  message(STATUS "python3 not found; end-to-end tests are not registered")
  return()
endif()
set(PELLOMI_E2E_ENVIRONMENT
    PELLOMI_EXE=$<TARGET_FILE:Pellomi>
    PELLOMI_PROBE=$<TARGET_FILE:pellomi-probe>
    PELLOMI_SOURCE_DIR=${PROJECT_SOURCE_DIR}
    PELLOMI_E2E_SHOTS=${PROJECT_SOURCE_DIR}/build/e2e-shots)
file(GLOB PELLOMI_E2E_TESTS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/e2e/test_*.py)
foreach(test_script ${PELLOMI_E2E_TESTS})
  get_filename_component(test_name ${test_script} NAME_WE)
  string(REGEX REPLACE "^test_" "" test_name ${test_name})
  # wine-env reuses the caller's X display and prefix, or makes them for this test alone.
  add_test(NAME e2e.${test_name}
           COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-env ${PELLOMI_PYTHON3} ${test_script} -v)
  set_tests_properties(e2e.${test_name} PROPERTIES
    LABELS e2e
    RESOURCE_GROUPS lanes:1
    TIMEOUT 170
    REQUIRED_FILES "$<TARGET_FILE:Pellomi>;$<TARGET_FILE:pellomi-probe>"
    ENVIRONMENT "${PELLOMI_E2E_ENVIRONMENT}")
endforeach()
