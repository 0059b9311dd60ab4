# Native build: the simulated desktop, the unit tests, the benchmarks, and
# (when the Windows builds are named) the end-to-end and product checks.

# The unit tests run under AddressSanitizer and UndefinedBehaviorSanitizer:
# the fake copies into the pointers messages carry, and the readers parse
# what targets write. Benchmarks want a build without them (OFF).
option(LUMIVEX_SANITIZE "Build the native tree with ASan and UBSan" ON)
if(LUMIVEX_SANITIZE)
  set(SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  # GCC's uninitialised-use analysis misfires on std::variant under ASan.
  target_compile_options(lumivex_logic PUBLIC ${SANITIZER_FLAGS} -Wno-maybe-uninitialized)
  target_link_options(lumivex_logic PUBLIC ${SANITIZER_FLAGS})
endif()
file(GLOB SIM_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/platform/sim/*.cpp)
add_library(lumivex_sim STATIC ${SIM_SOURCES})
target_link_libraries(lumivex_sim PUBLIC lumivex_logic)

enable_testing()
find_package(GTest REQUIRED)
include(GoogleTest)
file(GLOB UNIT_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(unit_tests ${UNIT_SOURCES})
target_link_libraries(unit_tests PRIVATE lumivex_sim GTest::gtest_main GTest::gmock)
gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60)
include(${CMAKE_SOURCE_DIR}/tests/contract/contract.cmake)

find_package(benchmark QUIET)
if(benchmark_FOUND)
  file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
  add_executable(lumivex_bench ${BENCH_SOURCES})
  target_link_libraries(lumivex_bench PRIVATE lumivex_sim benchmark::benchmark)
endif()

# Paths of the Windows builds, given by scripts/test.sh.
set(LUMIVEX_WIN64_DIR "" CACHE PATH "Build folder of the win64 preset (end-to-end tests)")
set(LUMIVEX_WIN32_DIR "" CACHE PATH "Build folder of the win32 preset (product checks)")
if(LUMIVEX_WIN64_DIR)
  include(${CMAKE_SOURCE_DIR}/tests/e2e/e2e_tests.cmake)
endif()
if(LUMIVEX_WIN32_DIR)
  add_test(NAME product.win32_is_pe32_and_self_contained
           COMMAND ${CMAKE_SOURCE_DIR}/scripts/check_product.sh ${LUMIVEX_WIN32_DIR}/Lumivex.exe pe32)
  add_test(NAME product.win64_is_pe32plus_and_self_contained
           COMMAND ${CMAKE_SOURCE_DIR}/scripts/check_product.sh ${LUMIVEX_WIN64_DIR}/Lumivex.exe pe32+)
  # The release archive, made from the programs already built; package.sh
  # checks what it writes (scripts/check_archive.sh) and fails on a bad one.
  add_test(NAME product.release_archive
           COMMAND ${CMAKE_SOURCE_DIR}/scripts/package.sh --from-builds ${LUMIVEX_WIN32_DIR} ${LUMIVEX_WIN64_DIR}
                   --out ${CMAKE_BINARY_DIR}/release/Lumivex-windows.zip)
endif()

# Logic folders never include the view models or the windows.
find_package(Python3 QUIET COMPONENTS Interpreter)
if(Python3_FOUND)
  add_test(NAME layering.logic_never_includes_app_or_ui
           COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/scripts/include_layers.py)
endif()
