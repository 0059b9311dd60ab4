// Win32 constants the cases and the simulated world use that the logic does
// not (platform.h holds the others). Never included after <windows.h>.
#pragma once

#include <cstdint>

namespace lumivex::contract::win32 {

constexpr std::uint32_t WS_SYSMENU = 0x00080000u;
constexpr std::uint32_t BS_GROUPBOX = 0x00000007u;
constexpr std::uint32_t MF_CHECKED = 0x00000008u;
constexpr std::uint32_t ERROR_INVALID_WINDOW_HANDLE = 1400;
constexpr std::uint32_t kNoMenuItem = 0xFFFFFFFFu;  // GetMenuState and GetMenuItemID of nothing

}  // namespace lumivex::contract::win32
