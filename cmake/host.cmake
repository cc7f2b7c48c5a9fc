# The host build: the simulated platform, unit tests, benchmarks and tools.
find_package(GTest REQUIRED)
find_package(benchmark REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(PNG REQUIRED IMPORTED_TARGET libpng)

file(GLOB VH_SIM_SOURCES CONFIGURE_DEPENDS platform/sim/*.cpp)
add_library(vh_sim STATIC ${VH_SIM_SOURCES})
target_link_libraries(vh_sim PUBLIC vh_core vh_setup)

enable_testing()
file(GLOB VH_TEST_SOURCES CONFIGURE_DEPENDS tests/*.cpp)
add_executable(vh_tests ${VH_TEST_SOURCES})
target_link_libraries(vh_tests PRIVATE vh_sim GTest::gtest GTest::gmock GTest::gtest_main)
target_compile_definitions(vh_tests PRIVATE VH_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
include(GoogleTest)
gtest_discover_tests(vh_tests DISCOVERY_TIMEOUT 60)

file(GLOB VH_BENCH_SOURCES CONFIGURE_DEPENDS bench/*.cpp)
if(VH_BENCH_SOURCES AND NOT VH_SANITIZE)
  add_executable(vh_bench ${VH_BENCH_SOURCES})
  target_link_libraries(vh_bench PRIVATE vh_sim benchmark::benchmark)
endif()

if(EXISTS ${CMAKE_SOURCE_DIR}/tools/CMakeLists.txt)
  add_subdirectory(tools)
endif()
