# A library that marks every load of itself, planted beside a copy of hostile_folder_test under
# the names of the late-bound system libraries. Included after the Windows test programs exist.
add_library(pellomi_hostile_marker SHARED ${CMAKE_CURRENT_LIST_DIR}/hostile/marker_dll.cpp)
set_target_properties(pellomi_hostile_marker PROPERTIES PREFIX "" OUTPUT_NAME hostile_marker
                      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})  # beside the test programs
if(MINGW)
  target_link_options(pellomi_hostile_marker PRIVATE -static -static-libgcc -static-libstdc++)
endif()
if(TARGET hostile_folder_test)
  add_dependencies(hostile_folder_test pellomi_hostile_marker)
endif()
