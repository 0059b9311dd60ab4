// The window styles the main window's control tables are written with, by
// their Win32 names. Native builds have no system header; the Windows build
// holds every value to the header's macro (ui/system_table_check.cpp).
// Include it before <windows.h>, whose macros carry the same names.
#pragma once

#include <cstdint>

#include "platform/platform.h"
#include "styles/window_style.h"  // ES_READONLY

namespace lumivex::win {

constexpr std::uint32_t WS_TABSTOP = 0x00010000u, WS_VSCROLL = 0x00200000u, WS_CLIPCHILDREN = 0x02000000u;
constexpr std::uint32_t SS_LEFT = 0x0000u, SS_NOTIFY = 0x0100u;
constexpr std::uint32_t ES_MULTILINE = 0x0004u, ES_AUTOVSCROLL = 0x0040u, ES_AUTOHSCROLL = 0x0080u,
                        ES_WANTRETURN = 0x1000u;
constexpr std::uint32_t BS_PUSHBUTTON = 0x0000u, BS_AUTOCHECKBOX = 0x0003u;
constexpr std::uint32_t LBS_NOTIFY = 0x0001u, LBS_MULTIPLESEL = 0x0008u, LBS_OWNERDRAWFIXED = 0x0010u,
                        LBS_HASSTRINGS = 0x0040u, LBS_NOINTEGRALHEIGHT = 0x0100u;
constexpr std::uint32_t SBS_HORZ = 0x0000u, SBS_VERT = 0x0001u;
constexpr std::uint32_t CBS_DROPDOWNLIST = 0x0003u;

}  // namespace lumivex::win
