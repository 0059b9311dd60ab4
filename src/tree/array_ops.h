// Operations on value arrays: count, element type, conversion, append,
// removal, search, and the ANSI byte length texts are measured in.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "platform/platform.h"
#include "tree/tagged_value.h"

namespace lumivex {

// A conversion whose result does not fit its target type.
class OverflowError : public std::overflow_error {
public:
    OverflowError() : std::overflow_error("Overflow") {}
};

// Number of elements; 0 for an array without bounds and for a non-array.
std::int32_t ArrayCount(const ValueArray& array);
std::int32_t ArrayCount(const Value& notAnArray);

// "Integer", "Long", "Single", "Double", "String", "Variant" or "Byte";
// "vbError" for a non-array or another element type.
std::string ArrayTypeName(const ValueArray& array);
std::string ArrayTypeName(const Value& notAnArray);

// A copy converted to the named element type; the operand is unchanged.
// Throws OverflowError when an element does not fit.
ValueArray ArrayConvert(const ValueArray& array, const std::string& typeName);

// Appends value as the last element. False, operand untouched, when the
// array holds a fixed element type rather than tagged values.
bool ArrayAppend(ValueArray& array, Value value);

// Removes and returns the element at index; Empty, array untouched, when
// index is not in 0 … count - 1. Removing from either end costs the same
// whatever the count.
Value ArrayRemoveAt(ValueArray& array, std::int32_t index);
Value ArrayRemoveAt(Value& notAnArray, std::int32_t index);

// Index of the first element equal to value (ValueEquals), or -1.
std::int32_t ArrayIndexOf(const ValueArray& array, const Value& value);
std::int32_t ArrayIndexOf(const Value& notAnArray, const Value& value);

// Bytes of the UTF-8 text once converted to the system's ANSI code page;
// UTF-16 units for a text the code page cannot hold.
std::int32_t AnsiByteLength(Platform& p, const std::string& text);

// The leading number of a text, read leniently: blanks skipped, an optional
// sign, digits with a decimal point and an exponent, or "&H" and hexadecimal
// digits; 0 when there is none.
double LeadingNumber(const std::string& text);

}  // namespace lumivex
