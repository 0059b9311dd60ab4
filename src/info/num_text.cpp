#include "info/num_text.h"

#include <cstdio>

namespace lumivex {

std::string HexText(std::uint32_t value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%X", static_cast<unsigned>(value));
    return buffer;
}

std::string NumText(std::int32_t value, bool hex) {
    return hex ? HexText(static_cast<std::uint32_t>(value)) : std::to_string(value);
}

std::string RectText(const Rect& r) {
    // Differences in 64 bits: a hostile rectangle must not overflow.
    const std::int64_t width = std::int64_t{r.right} - r.left;
    const std::int64_t height = std::int64_t{r.bottom} - r.top;
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "),(" +
           std::to_string(r.right) + "," + std::to_string(r.bottom) + ")  " +
           std::to_string(width) + "x" + std::to_string(height);
}

}  // namespace lumivex
