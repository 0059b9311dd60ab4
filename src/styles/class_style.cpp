// The class style decoder of the class tab.
#include "styles/class_style.h"

namespace lumivex {

std::vector<std::string> DecodeClassStyle(std::uint32_t value) {
    std::vector<std::string> names;
    for (const ClassStyleRow& row : kClassStyleTable)
        if (value & row.bit) names.emplace_back(row.name);
    if (names.empty()) names.emplace_back(kNoClassInfo);
    return names;
}

std::string ClassValueText(std::int32_t value) {
    const std::string digits = std::to_string(value);
    return value < 0 ? digits : " " + digits;
}

}  // namespace lumivex
