# Host build: the window-free logic and its unit tests.
if(NOT PELLOMI_BUILD_TESTS)
  return()
endif()
find_package(GTest REQUIRED)
# The lunar tests check the program's own table against ICU's Chinese calendar.
find_package(ICU REQUIRED COMPONENTS uc i18n)
include(GoogleTest)
file(GLOB_RECURSE PELLOMI_HOST_TESTS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/host/*.cpp)
add_executable(pellomi_host_tests ${PELLOMI_HOST_TESTS})
target_link_libraries(pellomi_host_tests PRIVATE pellomi_program GTest::gtest GTest::gtest_main
                                                ICU::i18n ICU::uc)
target_include_directories(pellomi_host_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_compile_definitions(pellomi_host_tests PRIVATE
  PELLOMI_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
gtest_discover_tests(pellomi_host_tests DISCOVERY_TIMEOUT 60)

# The runtime layer must not see the program: a runtime-layer compile of an include of the
# program's header has to fail for want of that header.
get_target_property(PELLOMI_RUNTIME_INCLUDES pellomi_runtime INTERFACE_INCLUDE_DIRECTORIES)
list(TRANSFORM PELLOMI_RUNTIME_INCLUDES PREPEND -I)
add_test(NAME layers.runtime_cannot_include_program
         COMMAND ${CMAKE_CXX_COMPILER} -std=c++20 -fsyntax-only ${PELLOMI_RUNTIME_INCLUDES}
                 ${PROJECT_SOURCE_DIR}/tests/layering/runtime_includes_program.cpp)
set_tests_properties(layers.runtime_cannot_include_program PROPERTIES
  PASS_REGULAR_EXPRESSION "countdown_units.h: No such file")
