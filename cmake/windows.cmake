# Windows build: the real platform, the program, the end-to-end fixture.
file(GLOB WIN32_PLATFORM_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/platform/win32/*.cpp)
add_library(lumivex_win32 STATIC ${WIN32_PLATFORM_SOURCES})
target_link_libraries(lumivex_win32 PUBLIC lumivex_logic)
target_link_libraries(lumivex_win32 PUBLIC psapi comctl32 comdlg32 shlwapi urlmon ole32 oleaut32 uuid gdi32 user32 kernel32 shell32)
target_compile_definitions(lumivex_logic PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601 _WIN32_IE=0x0700 PSAPI_VERSION=1)

# No MinGW runtime DLL beside the program: everything linked in.
set(STATIC_RUNTIME -static -static-libgcc -static-libstdc++)

add_executable(Lumivex WIN32 ${WINDOW_SOURCES} ${CMAKE_SOURCE_DIR}/src/ui/resources.rc)
target_link_libraries(Lumivex PRIVATE lumivex_win32 ${STATIC_RUNTIME} -municode)
set_target_properties(Lumivex PROPERTIES OUTPUT_NAME Lumivex)
include(${CMAKE_SOURCE_DIR}/tests/contract/contract.cmake)

if(EXISTS ${CMAKE_SOURCE_DIR}/tests/e2e/CMakeLists.txt)
  add_subdirectory(tests/e2e)
endif()
