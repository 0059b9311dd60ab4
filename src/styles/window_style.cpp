// The window style decoder: the tables (in the header) are the knowledge,
// the loop is small.
#include "styles/window_style.h"

namespace lumivex {

StyleDecoding DecodeStyles(std::uint32_t value, const StyleRow* rows, std::size_t count) {
    StyleDecoding result;
    for (std::size_t i = 0; i < count; ++i) {
        const StyleRow& row = rows[i];
        const bool holds = (value & row.bits) != 0;
        if (holds) result.names.emplace_back(row.name);
        const int tick = holds ? row.tickWhenSet : row.tickWhenClear;
        if (tick >= 0) result.ticks.push_back(tick);
    }
    return result;
}

}  // namespace lumivex
