// Handle and style texts read back into 32-bit values: the inverse of NumText.
#pragma once

#include <cstdint>
#include <string>

namespace lumivex {

// The leading run of hexadecimal digits, after blanks, tabs and line breaks
// at either end are dropped; no prefix is understood, and no digits give 0.
// The digits are taken as a 32-bit pattern (FFFFFFFF gives -1). Of a longer
// run only the last eight digits count, so a sign-extended 64-bit handle
// (FFFFFFFF800100A4) reads as its 32-bit self. A blank inside the digits
// ends them, like any other character that is not a digit.
std::int32_t ReadHexHandle(const std::string& text);

// An optional minus sign, then the leading run of decimal digits; no digits
// give 0. A value beyond 32 bits keeps its low 32 bits, so the unsigned
// spelling of a pattern (4294967295) reads as that pattern (-1).
std::int32_t ReadDecimalHandle(const std::string& text);

// A text NumText wrote, read back in the base the hex switch selects now.
std::int32_t ReadNumText(const std::string& text, bool hex);

}  // namespace lumivex
