# pellomi_add_layer(target folder [lower layers...]): a static library of src/<folder>. Files
# ending in _win.cpp need Windows and are left out of the host build, which tests the rest.
function(pellomi_add_layer target folder)
  set(root ${PROJECT_SOURCE_DIR}/src/${folder})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${root}/*.cpp)
  if(NOT WIN32)
    list(FILTER sources EXCLUDE REGEX "_win\\.cpp$")
  endif()
  if(sources)
    add_library(${target} STATIC ${sources})
    set(scope PUBLIC)
  else()
    add_library(${target} INTERFACE)
    set(scope INTERFACE)
  endif()
  target_include_directories(${target} ${scope} ${root})
  target_link_libraries(${target} ${scope} ${ARGN})
endfunction()

# pellomi_add_layers(suffix): the three layers as pellomi_platform<suffix>,
# pellomi_runtime<suffix> and pellomi_program<suffix>, each on the one below.
function(pellomi_add_layers suffix)
  pellomi_add_layer(pellomi_platform${suffix} platform)
  pellomi_add_layer(pellomi_runtime${suffix} runtime pellomi_platform${suffix})
  pellomi_add_layer(pellomi_program${suffix} program pellomi_runtime${suffix})
endfunction()
