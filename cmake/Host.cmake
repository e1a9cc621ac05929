# Host build: the window-free logic and its unit tests.
if(NOT PELLOMI_BUILD_TESTS)
  return()
endif()
find_package(GTest REQUIRED)
include(GoogleTest)
file(GLOB_RECURSE PELLOMI_HOST_TESTS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/host/*.cpp)
add_executable(pellomi_host_tests ${PELLOMI_HOST_TESTS})
target_link_libraries(pellomi_host_tests PRIVATE pellomi_core GTest::gtest GTest::gtest_main)
target_include_directories(pellomi_host_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_compile_definitions(pellomi_host_tests PRIVATE
  PELLOMI_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
gtest_discover_tests(pellomi_host_tests DISCOVERY_TIMEOUT 60)
