#include "ops/tool_keys.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace lumivex {

namespace {

constexpr std::uint32_t kSelectAllCode = 0;
// Ctrl+A, Ctrl+C, backspace, Enter, Ctrl+V, Ctrl+X, Ctrl+Y, Ctrl+Z and the
// full stop: editing keys every field takes, the full stop included.
constexpr std::uint32_t kAlwaysThrough[] = {1, 3, 8, 13, 22, 24, 25, 26, '.'};

bool IsIn(std::uint32_t code, const char* set) {
    return code != 0 && code < 128 && std::strchr(set, static_cast<int>(code)) != nullptr;
}

}  // namespace

ToolFieldGroup ToolFieldGroupOf(int field) {
    if (field >= 0 && field < 4) return ToolFieldGroup::Hex;
    if (field >= 4 && field < 8) return ToolFieldGroup::Decimal;
    return ToolFieldGroup::Free;
}

int ToolFieldLengthLimit(int field) {
    switch (ToolFieldGroupOf(field)) {
        case ToolFieldGroup::Hex: return 10;
        case ToolFieldGroup::Decimal: return 5;
        default: return 0;
    }
}

KeyVerdict FilterToolKey(ToolFieldGroup group, std::uint32_t code) {
    if (code == kSelectAllCode) return {KeyVerdict::SelectAll, 0};
    for (std::uint32_t through : kAlwaysThrough)
        if (code == through) return {KeyVerdict::Insert, code};
    switch (group) {
        case ToolFieldGroup::Hex:
            if (!IsIn(code, "0123456789ABCDEFabcdef")) return {KeyVerdict::Discard, 0};
            return {KeyVerdict::Insert, code >= 'a' ? code - 'a' + 'A' : code};
        case ToolFieldGroup::Decimal:
            if (!IsIn(code, "-0123456789")) return {KeyVerdict::Discard, 0};
            return {KeyVerdict::Insert, code};
        default: return {KeyVerdict::Insert, code};
    }
}

std::int32_t ReadDecimalField(const std::string& text) {
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string::npos) return 0;
    const bool negative = text[i] == '-';
    if (negative) ++i;
    // Held at a bound past 2^31, so the arithmetic never overflows.
    constexpr std::int64_t kCap = std::int64_t{1} << 32;
    std::int64_t whole = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        whole = std::min(kCap, whole * 10 + (text[i] - '0'));
    // The fraction decides only below half, exactly half, or above half.
    int firstFraction = 0;
    bool restNonZero = false;
    if (i < text.size() && text[i] == '.') {
        ++i;
        if (i < text.size() && text[i] >= '0' && text[i] <= '9') firstFraction = text[i++] - '0';
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
            if (text[i] != '0') restNonZero = true;
    }
    const bool up = firstFraction > 5 || (firstFraction == 5 && (restNonZero || whole % 2 == 1));
    std::int64_t value = whole + (up ? 1 : 0);
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

}  // namespace lumivex
