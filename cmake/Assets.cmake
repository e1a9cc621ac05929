# Binary assets compiled into the program as constant byte arrays, so the build needs no tool
# beyond CMake itself. Each asset becomes a generated .cpp defining `name` and `name_size`, in a
# static library of its own that every copy of the layers can link.
function(pellomi_embed_asset target file symbol)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/generated/${symbol}.cpp)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${file} -DOUTPUT=${out} -DSYMBOL=${symbol}
            -P ${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake
    DEPENDS ${file} ${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake
    COMMENT "Embedding ${file}")
  add_library(${target} STATIC ${out})
endfunction()
