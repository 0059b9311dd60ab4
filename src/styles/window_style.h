// The window and extended style tables and their decoder: the names a
// style value holds, and the state entries it ticks.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace lumivex {

// One name of the window style tables. A row holds when any of its bits is
// set; it may tick a state entry when it holds or, for WS_DISABLED, when it
// does not (an enabled window ticks "窗口可用" and lists nothing).
struct StyleRow {
    std::uint32_t bits;
    const char* name;
    int tickWhenSet = -1;    // state entry, -1 for none
    int tickWhenClear = -1;  // state entry, -1 for none
};

// In listing order.
extern const std::array<StyleRow, 20> kWindowStyleTable;
extern const std::array<StyleRow, 16> kExtendedStyleTable;

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
