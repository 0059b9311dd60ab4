#include "tree/tagged_value.h"

#include <cstdio>
#include <cstring>
#include <iterator>

namespace lumivex {

namespace {

// Shortest text of at most `digits` significant digits, as the language's
// own number-to-text conversion gives it (1E+20, 0.1, 1.5).
std::string FloatText(double v, int digits) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*G", digits, v);
    return buffer;
}

const std::string kNoText;

}  // namespace

VarType Value::type() const {
    static constexpr VarType kByIndex[] = {VarType::Empty,  VarType::Integer, VarType::Long,
                                           VarType::Single, VarType::Double,  VarType::String,
                                           VarType::Byte,   VarType::Boolean};
    return kByIndex[v_.index()];
}

bool Value::IsNumeric() const {
    const VarType t = type();
    return t != VarType::Empty && t != VarType::String;
}

double Value::Number() const {
    switch (type()) {
        case VarType::Integer: return std::get<std::int16_t>(v_);
        case VarType::Long: return std::get<std::int32_t>(v_);
        case VarType::Single: return std::get<float>(v_);
        case VarType::Double: return std::get<double>(v_);
        case VarType::Byte: return std::get<std::uint8_t>(v_);
        case VarType::Boolean: return std::get<bool>(v_) ? -1.0 : 0.0;
        default: return 0.0;
    }
}

const std::string& Value::Str() const {
    const auto* s = std::get_if<std::string>(&v_);
    return s ? *s : kNoText;
}

std::string Value::Text() const {
    switch (type()) {
        case VarType::Empty: return {};
        case VarType::Integer: return std::to_string(std::get<std::int16_t>(v_));
        case VarType::Long: return std::to_string(std::get<std::int32_t>(v_));
        case VarType::Single: return FloatText(std::get<float>(v_), 7);
        case VarType::Double: return FloatText(std::get<double>(v_), 15);
        case VarType::String: return std::get<std::string>(v_);
        case VarType::Byte: return std::to_string(std::get<std::uint8_t>(v_));
        case VarType::Boolean: return std::get<bool>(v_) ? "True" : "False";
        default: return {};
    }
}

bool ValueEquals(const Value& a, const Value& b) {
    if (a.IsEmpty() && b.IsEmpty()) return true;
    if (a.IsEmpty()) return b.IsNumeric() ? b.Number() == 0.0 : b.Str().empty();
    if (b.IsEmpty()) return ValueEquals(b, a);
    if (a.IsNumeric() && b.IsNumeric()) return a.Number() == b.Number();
    if (a.type() == VarType::String && b.type() == VarType::String) return a.Str() == b.Str();
    return false;  // a number never equals a text
}

ValueArray ValueArray::Typed(VarType elementType, std::vector<Value> items) {
    ValueArray array;
    array.elementType_ = elementType;
    array.items_.assign(std::make_move_iterator(items.begin()), std::make_move_iterator(items.end()));
    return array;
}

}  // namespace lumivex
