// Byte-string helpers shared by the simulated desktop's parts.
#pragma once

#include <string>

namespace lumivex::sim {

// Copies at most maxCount - 1 UTF-16 units and a NUL, as the W functions do.
int CopyOut(const std::u16string& text, char16_t* buffer, int maxCount);
// Converts between code pages with iconv; an invalid byte becomes '?'.
std::string Convert(const std::string& text, const char* to, const char* from);

}  // namespace lumivex::sim
