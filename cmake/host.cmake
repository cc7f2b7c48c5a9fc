# The host build: the simulated platform, unit tests, benchmarks and tools.
find_package(GTest REQUIRED)
find_package(benchmark REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(PNG REQUIRED IMPORTED_TARGET libpng)

# The same PNG bytes the Windows builds carry as resources, compiled into the host build.
file(GLOB VH_PICTURES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/png/[0-9]*.png)
set(VH_EMBEDDED_PICTURES ${CMAKE_BINARY_DIR}/generated/EmbeddedPictures.cpp)
string(REPLACE ";" "|" VH_PICTURE_LIST "${VH_PICTURES}")  # a list survives the command line this way
add_custom_command(OUTPUT ${VH_EMBEDDED_PICTURES}
  COMMAND ${CMAKE_COMMAND} -DOUTPUT=${VH_EMBEDDED_PICTURES} "-DPICTURES=${VH_PICTURE_LIST}"
          -P ${CMAKE_SOURCE_DIR}/cmake/embed-pictures.cmake
  DEPENDS ${VH_PICTURES} ${CMAKE_SOURCE_DIR}/cmake/embed-pictures.cmake
  COMMENT "Embedding the OSD pictures" VERBATIM)

file(GLOB VH_SIM_SOURCES CONFIGURE_DEPENDS platform/sim/*.cpp)
add_library(vh_sim STATIC ${VH_SIM_SOURCES} ${VH_EMBEDDED_PICTURES})
target_link_libraries(vh_sim PUBLIC vh_core vh_setup PkgConfig::PNG)

enable_testing()
file(GLOB VH_TEST_SOURCES CONFIGURE_DEPENDS tests/*.cpp)
add_executable(vh_tests ${VH_TEST_SOURCES})
target_link_libraries(vh_tests PRIVATE vh_sim GTest::gtest GTest::gmock GTest::gtest_main)
target_compile_definitions(vh_tests PRIVATE VH_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
include(GoogleTest)
gtest_discover_tests(vh_tests DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES)

file(GLOB VH_BENCH_SOURCES CONFIGURE_DEPENDS bench/*.cpp)
if(VH_BENCH_SOURCES AND NOT VH_SANITIZE)
  add_executable(vh_bench ${VH_BENCH_SOURCES})
  target_link_libraries(vh_bench PRIVATE vh_sim benchmark::benchmark)
endif()

if(EXISTS ${CMAKE_SOURCE_DIR}/tools/CMakeLists.txt)
  add_subdirectory(tools)
endif()
