// Tagged values and the growable arrays that hold them.
//
// A value array is used as a queue of tens of thousands of window handles
// (appended at the back, taken from the front) and as a list of text lines.
// Its storage is a deque, so both ends cost the same whatever the length.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <variant>
#include <vector>

namespace lumivex {

// Element types; Variant marks an array whose elements are tagged values.
enum class VarType : std::uint8_t { Empty, Integer, Long, Single, Double, String, Byte, Boolean, Variant };

class Value {
public:
    Value() = default;  // Empty
    static Value Integer(std::int16_t v) { return Value(Payload(v)); }
    static Value Long(std::int32_t v) { return Value(Payload(v)); }
    static Value Single(float v) { return Value(Payload(v)); }
    static Value Double(double v) { return Value(Payload(v)); }
    static Value String(std::string v) { return Value(Payload(std::move(v))); }
    static Value Byte(std::uint8_t v) { return Value(Payload(v)); }
    static Value Boolean(bool v) { return Value(Payload(v)); }

    VarType type() const;
    bool IsEmpty() const { return type() == VarType::Empty; }
    bool IsNumeric() const;
    // The numeric payload (True is -1); 0 for Empty and texts.
    double Number() const;
    // The payload of a String; empty for every other type.
    const std::string& Str() const;
    // The standard text form: decimal numbers, "" for Empty, True/False.
    std::string Text() const;

    // Same tag and same payload. Searches compare with ValueEquals instead.
    bool operator==(const Value& o) const { return v_ == o.v_; }
    bool operator!=(const Value& o) const { return !(*this == o); }

private:
    using Payload = std::variant<std::monostate, std::int16_t, std::int32_t, float, double, std::string,
                                 std::uint8_t, bool>;
    explicit Value(Payload v) : v_(std::move(v)) {}
    Payload v_;
};

// Comparison by value: numbers numerically whatever their width, texts
// exactly, Empty equal to 0 and to the empty text.
bool ValueEquals(const Value& a, const Value& b);

// A zero-based array. A fresh one holds tagged values and has no bounds.
class ValueArray {
public:
    ValueArray() = default;
    // An array of one fixed element type, as a conversion makes it.
    static ValueArray Typed(VarType elementType, std::vector<Value> items = {});

    VarType elementType() const { return elementType_; }
    std::size_t size() const { return items_.size(); }
    const Value& operator[](std::size_t i) const { return items_[i]; }

private:
    friend bool ArrayAppend(ValueArray& array, Value value);
    friend Value ArrayRemoveAt(ValueArray& array, std::int32_t index);

    VarType elementType_ = VarType::Variant;
    std::deque<Value> items_;
};

}  // namespace lumivex
