# The platform contract suite: one set of cases, written against Platform,
# run on the simulated desktop natively (contract_tests, beside the unit
# tests) and, in the win64 build, on the real platform against windows of
# a fixture process (LumivexContract.exe, run under Wine by the end-to-end
# step e2e.platform_contract).
set(CONTRACT_DIR ${CMAKE_SOURCE_DIR}/tests/contract)
file(GLOB CONTRACT_CASES CONFIGURE_DEPENDS ${CONTRACT_DIR}/*_cases.cpp)
list(APPEND CONTRACT_CASES ${CONTRACT_DIR}/contract_test.cpp)

if(NOT WIN32)
  add_executable(contract_tests ${CONTRACT_CASES} ${CONTRACT_DIR}/sim_world.cpp)
  target_link_libraries(contract_tests PRIVATE lumivex_sim GTest::gtest_main)
  gtest_discover_tests(contract_tests DISCOVERY_TIMEOUT 60)
  return()
endif()

# GoogleTest from its sources (Debian's googletest package), built with
# MinGW into the program: Win32 threads, no runtime DLL beside it.
set(LUMIVEX_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for the Windows builds")
if(NOT EXISTS ${LUMIVEX_GTEST_SOURCE}/CMakeLists.txt)
  message(STATUS "No GoogleTest sources at ${LUMIVEX_GTEST_SOURCE}: the platform contract suite is not built")
  return()
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${LUMIVEX_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# Its port hook first: MinGW's win32 thread model lacks what one class needs.
target_include_directories(gtest BEFORE PUBLIC ${CONTRACT_DIR}/gtest_mingw)

set(CONTRACT_STATIC_RUNTIME -static -static-libgcc -static-libstdc++)
add_executable(LumivexContract ${CONTRACT_CASES} ${CONTRACT_DIR}/win32_world.cpp)
target_link_libraries(LumivexContract PRIVATE lumivex_win32 gtest_main ${CONTRACT_STATIC_RUNTIME})

file(GLOB CONTRACT_FIXTURE_SOURCES CONFIGURE_DEPENDS ${CONTRACT_DIR}/fixture/*.cpp)
add_executable(LumivexContractFixture WIN32 ${CONTRACT_FIXTURE_SOURCES})
target_compile_definitions(LumivexContractFixture PRIVATE UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0601
                                                          WINVER=0x0601 _WIN32_IE=0x0700)
target_link_libraries(LumivexContractFixture PRIVATE comctl32 user32 kernel32 shell32 ${CONTRACT_STATIC_RUNTIME}
                                                     -municode)
# Beside each other: the suite starts the fixture from its own folder.
set_target_properties(LumivexContract LumivexContractFixture PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
