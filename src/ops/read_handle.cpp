#include "ops/read_handle.h"

namespace lumivex {

namespace {

// Pasted texts bring tabs and line breaks along; none of them is a digit.
std::string TrimWhitespace(const std::string& text) {
    const char* const blanks = " \t\r\n";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

std::int32_t ReadHexHandle(const std::string& text) {
    std::uint32_t value = 0;
    // Shifting out the high digits keeps the last eight: unsigned arithmetic
    // wraps, it never overflows.
    for (char c : TrimWhitespace(text)) {
        const int digit = HexDigit(c);
        if (digit < 0) break;
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(value);
}

std::int32_t ReadDecimalHandle(const std::string& text) {
    const std::string trimmed = TrimWhitespace(text);
    std::size_t i = 0;
    const bool negative = !trimmed.empty() && trimmed[0] == '-';
    if (negative) ++i;
    std::uint32_t value = 0;
    for (; i < trimmed.size() && trimmed[i] >= '0' && trimmed[i] <= '9'; ++i)
        value = value * 10u + static_cast<std::uint32_t>(trimmed[i] - '0');
    if (negative) value = 0u - value;
    return static_cast<std::int32_t>(value);
}

std::int32_t ReadNumText(const std::string& text, bool hex) {
    return hex ? ReadHexHandle(text) : ReadDecimalHandle(text);
}

}  // namespace lumivex
