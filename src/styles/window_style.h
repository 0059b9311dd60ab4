// The window and extended style tables and their decoder: the names a
// style value holds, and the state entries it ticks.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "ops/state_list.h"

namespace lumivex {

namespace win {
constexpr std::uint32_t ES_READONLY = 0x00000800u;  // tested whatever the window's class
}  // namespace win

// One name of the window style tables. A row holds when any of its bits is
// set; it may tick a state entry when it holds or, for WS_DISABLED, when it
// does not (an enabled window ticks "窗口可用" and lists nothing).
struct StyleRow {
    std::uint32_t bits;
    const char* name;
    int tickWhenSet = -1;    // state entry, -1 for none
    int tickWhenClear = -1;  // state entry, -1 for none
};

// The tables, in listing order, are defined here so that constant
// expressions can read them: the Windows build compares every row with the
// system header's macro of the same name.
//
// Alphabetical, except ES_READONLY last. Bits shared by two names list both,
// and WS_CAPTION holds when either of its two bits is set.
inline constexpr std::array<StyleRow, 20> kWindowStyleTable = {{
    {0x00800000, "WS_BORDER"},
    {0x00C00000, "WS_CAPTION"},
    {0x40000000, "WS_CHILD"},
    {0x02000000, "WS_CLIPCHILDREN"},
    {0x04000000, "WS_CLIPSIBLINGS"},
    {win::WS_DISABLED, "WS_DISABLED", -1, kStateEnabled},
    {0x00400000, "WS_DLGFRAME"},
    {0x00020000, "WS_GROUP"},
    {0x00100000, "WS_HSCROLL"},
    {win::WS_MAXIMIZE, "WS_MAXIMIZE", kStateMaximized},
    {0x00010000, "WS_MAXIMIZEBOX"},
    {win::WS_MINIMIZE, "WS_MINIMIZE", kStateMinimized},
    {0x00020000, "WS_MINIMIZEBOX"},
    {0x80000000, "WS_POPUP"},
    {0x00080000, "WS_SYSMENU"},
    {0x00010000, "WS_TABSTOP"},
    {0x00040000, "WS_THICKFRAME"},
    {win::WS_VISIBLE, "WS_VISIBLE", kStateVisible},
    {0x00200000, "WS_VSCROLL"},
    {win::ES_READONLY, "ES_READONLY", kStateReadOnly},
}};

// By bit value, except WS_EX_ACCEPTFILES first.
inline constexpr std::array<StyleRow, 16> kExtendedStyleTable = {{
    {0x00000010, "WS_EX_ACCEPTFILES"},
    {0x00000001, "WS_EX_DLGMODALFRAME"},
    {0x00000004, "WS_EX_NOPARENTNOTIFY"},
    {win::WS_EX_TOPMOST, "WS_EX_TOPMOST", kStateTopMost},
    {0x00000020, "WS_EX_TRANSPARENT"},
    {0x00000040, "WS_EX_MDICHILD"},
    {0x00000080, "WS_EX_TOOLWINDOW"},
    {0x00000100, "WS_EX_WINDOWEDGE"},
    {0x00000200, "WS_EX_CLIENTEDGE"},
    {0x00000400, "WS_EX_CONTEXTHELP"},
    {0x00001000, "WS_EX_RIGHT"},
    {0x00002000, "WS_EX_RTLREADING"},
    {0x00004000, "WS_EX_LEFTSCROLLBAR"},
    {0x00010000, "WS_EX_CONTROLPARENT"},
    {0x00020000, "WS_EX_STATICEDGE"},
    {0x00040000, "WS_EX_APPWINDOW"},
}};

struct StyleDecoding {
    std::vector<std::string> names;
    std::vector<int> ticks;  // state entries to tick, in the order found
};

StyleDecoding DecodeStyles(std::uint32_t value, const StyleRow* rows, std::size_t count);

template <std::size_t N>
StyleDecoding DecodeStyles(std::uint32_t value, const std::array<StyleRow, N>& table) {
    return DecodeStyles(value, table.data(), N);
}

}  // namespace lumivex
