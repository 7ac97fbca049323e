# GoogleTest for the tests and Google Benchmark for the benchmarks, both
# optional: the game itself needs only a compiler. A build without GoogleTest
# still registers a test that fails with the package to install, so that a
# test run can never pass on nothing.
#
# Cross builds (MinGW, libc++) cannot link Debian's prebuilt GoogleTest and set
# ORVANELL_GTEST_FROM_SOURCE to build it from Debian's sources (package
# googletest). Where the sources are installed but the library is not, they
# are used too, unless GoogleTest was hidden on purpose with
# CMAKE_DISABLE_FIND_PACKAGE_GTest.
option(ORVANELL_GTEST_FROM_SOURCE "Build GoogleTest from its sources instead of the installed library" OFF)
set(ORVANELL_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest's sources (Debian package googletest)")

set(ORVANELL_GTEST OFF)
if(BUILD_TESTING)
  if(NOT ORVANELL_GTEST_FROM_SOURCE)
    find_package(GTest QUIET)
  endif()
  set(haveSources OFF)
  if(EXISTS ${ORVANELL_GTEST_SOURCE_DIR}/CMakeLists.txt)
    set(haveSources ON)
  endif()
  if(GTest_FOUND)
    set(ORVANELL_GTEST ON)
  elseif(haveSources AND (ORVANELL_GTEST_FROM_SOURCE OR NOT CMAKE_DISABLE_FIND_PACKAGE_GTest))
    set(BUILD_GMOCK OFF)
    set(INSTALL_GTEST OFF)
    # SYSTEM: GoogleTest's headers must not trip the tests' warnings.
    add_subdirectory(${ORVANELL_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
    foreach(target gtest gtest_main)
      # Our warnings-as-errors is for our code, not for GoogleTest's.
      get_target_property(options ${target} COMPILE_OPTIONS)
      if(options)
        list(REMOVE_ITEM options -Werror)
        set_target_properties(${target} PROPERTIES COMPILE_OPTIONS "${options}")
      endif()
    endforeach()
    if(NOT TARGET GTest::gtest_main)
      add_library(GTest::gtest_main ALIAS gtest_main)
    endif()
    set(ORVANELL_GTEST ON)
    message(STATUS "GoogleTest is built from ${ORVANELL_GTEST_SOURCE_DIR}")
  elseif(ORVANELL_GTEST_FROM_SOURCE)
    message(FATAL_ERROR "ORVANELL_GTEST_FROM_SOURCE needs GoogleTest's sources in "
                        "ORVANELL_GTEST_SOURCE_DIR (${ORVANELL_GTEST_SOURCE_DIR}): install Debian's googletest")
  endif()
endif()

# nlohmann's JSON parser reads the game's records in the tests and the fuzzer,
# never in the game (Debian package nlohmann-json3-dev, header only). Only its
# own folder is copied into the build, so that a cross build does not see the
# host's other headers.
find_path(ORVANELL_NLOHMANN_JSON_DIR nlohmann/json.hpp NO_CMAKE_FIND_ROOT_PATH)
if(ORVANELL_NLOHMANN_JSON_DIR AND NOT TARGET orvanell_json)
  file(COPY ${ORVANELL_NLOHMANN_JSON_DIR}/nlohmann DESTINATION ${CMAKE_BINARY_DIR}/nlohmann-json)
  add_library(orvanell_json INTERFACE)
  target_include_directories(orvanell_json SYSTEM INTERFACE ${CMAKE_BINARY_DIR}/nlohmann-json)
endif()

find_package(benchmark QUIET)

# A prebuilt Google Benchmark serves only builds on the standard library it was
# built for: Debian's, built for GNU's, links under clang's -stdlib=libc++ but
# crashes. So the benchmarks are built only where a trivial one runs with this
# build's flags. The fuzz build has none: its instrumentation makes figures
# meaningless.
set(ORVANELL_BENCHMARK_RUNS OFF)
if(benchmark_FOUND AND NOT CMAKE_CROSSCOMPILING AND NOT ORVANELL_FUZZ)
  if(NOT DEFINED CACHE{ORVANELL_BENCHMARK_CHECKED})
    get_directory_property(options COMPILE_OPTIONS)
    list(REMOVE_ITEM options -Werror)
    get_directory_property(linkOptions LINK_OPTIONS)
    try_run(runStatus builds
      SOURCE_FROM_CONTENT benchmark_check.cpp [=[
#include <benchmark/benchmark.h>
static void Nothing(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(state.iterations());
}
BENCHMARK(Nothing);
BENCHMARK_MAIN();
]=]
      NO_CACHE
      COMPILE_DEFINITIONS ${options}
      LINK_OPTIONS ${linkOptions}
      LINK_LIBRARIES benchmark::benchmark
      CXX_STANDARD 20
      RUN_OUTPUT_VARIABLE runOutput
      ARGS --benchmark_min_time=0.001)
    set(runs OFF)
    if(builds AND runStatus EQUAL 0)
      set(runs ON)
    endif()
    set(ORVANELL_BENCHMARK_CHECKED ${runs} CACHE INTERNAL "A trivial benchmark runs with this build's flags")
  endif()
  set(ORVANELL_BENCHMARK_RUNS ${ORVANELL_BENCHMARK_CHECKED})
endif()

set(missing "")
if(BUILD_TESTING AND NOT ORVANELL_GTEST)
  list(APPEND missing "unit tests (need GoogleTest, Debian package libgtest-dev)")
elseif(BUILD_TESTING AND NOT TARGET orvanell_json)
  list(APPEND missing "unit tests (need nlohmann's JSON, Debian package nlohmann-json3-dev)")
endif()
# Cross builds have no benchmarks: the figures are the native game's.
if(NOT benchmark_FOUND AND NOT CMAKE_CROSSCOMPILING)
  list(APPEND missing "benchmarks (need Google Benchmark, Debian package libbenchmark-dev)")
elseif(benchmark_FOUND AND NOT ORVANELL_BENCHMARK_RUNS AND NOT CMAKE_CROSSCOMPILING AND NOT ORVANELL_FUZZ)
  list(APPEND missing "benchmarks (the installed Google Benchmark does not run with this compiler and standard library)")
endif()
if(missing)
  list(JOIN missing " and " missing)
  message(STATUS "Not built: ${missing}")
endif()
