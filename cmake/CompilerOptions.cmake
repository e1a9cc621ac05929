# Compiler and linker options of every target: warnings, the MSVC toolchain's settings, the
# sanitizers of the host tests, and for MinGW-w64 the self-contained, hardened and reproducible
# executable that Windows users get.

# ccache, where installed, makes a rebuild of unchanged sources (another clone, a second run)
# cheap. Paths under the source folder are hashed relative to it and the build folder is left out
# of the hash, so that every clone on the machine shares one cache. PELLOMI_CCACHE=OFF builds
# without it.
option(PELLOMI_CCACHE "Compile through ccache when it is installed" ON)
find_program(PELLOMI_CCACHE_PROGRAM ccache)
if(PELLOMI_CCACHE AND PELLOMI_CCACHE_PROGRAM AND NOT CMAKE_C_COMPILER_LAUNCHER)
  set(pellomi_launcher ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${PROJECT_SOURCE_DIR}
                       CCACHE_NOHASHDIR=1 ${PELLOMI_CCACHE_PROGRAM})
  set(CMAKE_C_COMPILER_LAUNCHER ${pellomi_launcher})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${pellomi_launcher})
endif()

# MSVC first: clang-cl identifies itself as Clang but takes MSVC's options, and its -Wall would
# mean every warning there is.
if(MSVC)
  add_compile_options(/W4 /utf-8 /permissive-)
  add_compile_definitions(_CRT_SECURE_NO_WARNINGS NOMINMAX)
elseif(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options(-Wall -Wextra)
endif()

# The MSVC build is one self-contained .exe as well: the C and C++ runtimes are linked in. The
# policy default reaches GoogleTest, whose older minimum version would leave it unset.
set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
set(CMAKE_POLICY_DEFAULT_CMP0091 NEW)

if(PELLOMI_SANITIZE AND NOT WIN32)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(NOT MINGW)
  return()
endif()

# One self-contained executable: no libstdc++, libgcc, winpthread or libssp DLL beside it.
set(PELLOMI_STATIC_LINK -static -static-libgcc -static-libstdc++)
add_compile_options(-ffunction-sections -fdata-sections)
set(PELLOMI_SIZE_LINK -Wl,--gc-sections -s)

# Hardening: stack canaries and checked memory and string calls (the header checks need
# optimisation, so Debug builds go without those). Given to the linker too, the flag brings in
# libssp, statically like the other runtimes.
add_compile_options(-fstack-protector-strong)
add_link_options(-fstack-protector-strong)
add_compile_definitions(_FORTIFY_SOURCE=2)
# ASLR, DEP and terminal-server awareness. Recent linkers set the first two by default; naming them
# keeps them with an older one.
add_link_options(-Wl,--dynamicbase -Wl,--nxcompat -Wl,--tsaware)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  add_link_options(-Wl,--high-entropy-va)
endif()

# Reproducible: no link time in the PE header, and no source or build folder in the objects, so
# the same commit gives the same bytes wherever it is built.
add_link_options(-Wl,--no-insert-timestamp)
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=
                    -ffile-prefix-map=${PROJECT_BINARY_DIR}/=)
