# The version is written once, in project(VERSION); the header the code and the resource script
# include and the application manifest are generated from it into the build folder, which every
# target then has on its include path.
set(PELLOMI_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
configure_file(${PROJECT_SOURCE_DIR}/cmake/pellomi_version.h.in
               ${PELLOMI_GENERATED_DIR}/pellomi_version.h @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/src/app/pellomi.manifest.in
               ${PELLOMI_GENERATED_DIR}/pellomi.manifest @ONLY)
include_directories(${PELLOMI_GENERATED_DIR})
