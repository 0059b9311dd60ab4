// Number and rectangle texts as the main window shows them.
#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace lumivex {

// Upper-case hexadecimal of the bit pattern, no prefix, no leading zeros.
std::string HexText(std::uint32_t value);
// Hexadecimal when hex is true, otherwise signed decimal.
std::string NumText(std::int32_t value, bool hex);
// "(left,top),(right,bottom)  widthxheight", always decimal.
std::string RectText(const Rect& r);

}  // namespace lumivex
