#include "tree/array_ops.h"

#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstdlib>

#include "platform/text_limit.h"

namespace lumivex {

namespace {

struct TypeRow {
    VarType type;
    const char* name;
};
constexpr TypeRow kTypeNames[] = {
    {VarType::Integer, "Integer"}, {VarType::Long, "Long"},       {VarType::Single, "Single"},
    {VarType::Double, "Double"},   {VarType::String, "String"},   {VarType::Variant, "Variant"},
    {VarType::Byte, "Byte"},
};
constexpr const char* kNoType = "vbError";

VarType TypeOfName(const std::string& name) {
    for (const TypeRow& row : kTypeNames)
        if (name == row.name) return row.type;
    return VarType::Variant;
}

bool IsHexDigit(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }
bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// "&H" numbers take the width their digits need: up to four digits are a
// 16-bit pattern, up to eight a 32-bit one, as the language reads them.
double HexNumber(const std::string& text, std::size_t pos) {
    std::size_t end = pos;
    while (end < text.size() && IsHexDigit(text[end])) ++end;
    const std::size_t digits = end - pos;
    if (digits == 0) return 0;
    if (digits > 8) throw OverflowError();
    const auto bits = static_cast<std::uint32_t>(std::strtoul(text.substr(pos, digits).c_str(), nullptr, 16));
    if (digits <= 4) return static_cast<std::int16_t>(static_cast<std::uint16_t>(bits));
    return static_cast<std::int32_t>(bits);
}

double CheckedFloor(double v) {
    const double floored = std::floor(v);
    // The remainder is taken in 32 bits: anything wider does not fit.
    if (!(floored >= INT32_MIN && floored <= INT32_MAX)) throw OverflowError();
    return floored;
}

std::int32_t RoundToLong(double v) {
    const double rounded = std::nearbyint(v);  // the default mode: halves to even
    if (!(rounded >= INT32_MIN && rounded <= INT32_MAX)) throw OverflowError();
    return static_cast<std::int32_t>(rounded);
}

Value ConvertElement(const Value& element, VarType target) {
    switch (target) {
        case VarType::Byte: {
            const auto remainder = static_cast<std::int32_t>(CheckedFloor(LeadingNumber(element.Text()))) % 256;
            if (remainder < 0) throw OverflowError();
            return Value::Byte(static_cast<std::uint8_t>(remainder));
        }
        case VarType::Integer: {
            const auto remainder = static_cast<std::int32_t>(CheckedFloor(LeadingNumber(element.Text()))) % 32768;
            return Value::Integer(static_cast<std::int16_t>(remainder));
        }
        case VarType::Long: return Value::Long(RoundToLong(LeadingNumber(element.Text())));
        case VarType::Single: {
            const double v = LeadingNumber(element.Text());
            if (!(std::fabs(v) <= FLT_MAX)) throw OverflowError();
            return Value::Single(static_cast<float>(v));
        }
        case VarType::Double: {
            const double v = LeadingNumber(element.Text());
            if (!std::isfinite(v)) throw OverflowError();
            return Value::Double(v);
        }
        case VarType::String: return Value::String(element.Text());
        default: return element;
    }
}

}  // namespace

double LeadingNumber(const std::string& text) {
    std::size_t pos = text.find_first_not_of(" \t");
    if (pos == std::string::npos) return 0;
    if (text.size() > pos + 1 && text[pos] == '&' && (text[pos + 1] == 'H' || text[pos + 1] == 'h'))
        return HexNumber(text, pos + 2);

    std::size_t end = pos;
    if (end < text.size() && (text[end] == '+' || text[end] == '-')) ++end;
    std::size_t digits = 0;
    for (; end < text.size() && IsDigit(text[end]); ++end) ++digits;
    if (end < text.size() && text[end] == '.')
        for (++end; end < text.size() && IsDigit(text[end]); ++end) ++digits;
    if (digits == 0) return 0;
    // An exponent counts only when digits follow it.
    if (end < text.size() && (text[end] == 'E' || text[end] == 'e')) {
        std::size_t exp = end + 1;
        if (exp < text.size() && (text[exp] == '+' || text[exp] == '-')) ++exp;
        if (exp < text.size() && IsDigit(text[exp])) {
            while (exp < text.size() && IsDigit(text[exp])) ++exp;
            end = exp;
        }
    }
    return std::strtod(text.substr(pos, end - pos).c_str(), nullptr);
}

std::int32_t ArrayCount(const ValueArray& array) { return static_cast<std::int32_t>(array.size()); }
std::int32_t ArrayCount(const Value&) { return 0; }

std::string ArrayTypeName(const ValueArray& array) {
    for (const TypeRow& row : kTypeNames)
        if (row.type == array.elementType()) return row.name;
    return kNoType;
}
std::string ArrayTypeName(const Value&) { return kNoType; }

ValueArray ArrayConvert(const ValueArray& array, const std::string& typeName) {
    const std::int32_t n = ArrayCount(array);
    if (n == 0) return array;
    const std::string current = ArrayTypeName(array);
    if (current == kNoType || current == typeName) return array;

    const VarType target = TypeOfName(typeName);
    std::vector<Value> converted;
    converted.reserve(static_cast<std::size_t>(n));
    for (std::int32_t i = 0; i < n; ++i)
        converted.push_back(ConvertElement(array[static_cast<std::size_t>(i)], target));
    return ValueArray::Typed(target, std::move(converted));
}

bool ArrayAppend(ValueArray& array, Value value) {
    if (array.elementType_ != VarType::Variant) return false;
    array.items_.push_back(std::move(value));
    return true;
}

Value ArrayRemoveAt(ValueArray& array, std::int32_t index) {
    const std::int32_t n = ArrayCount(array);
    if (index < 0 || index >= n) return Value();
    // Taking the front is what the tree's queue does ten thousand times:
    // it moves nothing. Elsewhere the deque moves only the shorter side.
    if (index == 0) {
        Value removed = std::move(array.items_.front());
        array.items_.pop_front();
        return removed;
    }
    const auto at = array.items_.begin() + index;
    Value removed = std::move(*at);
    array.items_.erase(at);
    return removed;
}
Value ArrayRemoveAt(Value&, std::int32_t) { return Value(); }

std::int32_t ArrayIndexOf(const ValueArray& array, const Value& value) {
    const std::int32_t n = ArrayCount(array);
    for (std::int32_t i = 0; i < n; ++i)
        if (ValueEquals(array[static_cast<std::size_t>(i)], value)) return i;
    return -1;
}
std::int32_t ArrayIndexOf(const Value&, const Value&) { return -1; }

std::int32_t AnsiByteLength(Platform& p, const std::string& text) {
    if (text.empty()) return 0;
    return static_cast<std::int32_t>(LimitLength(p, Utf8ToUtf16(text)));
}

}  // namespace lumivex
