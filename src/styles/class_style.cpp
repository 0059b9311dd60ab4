// The class style decoder of the class tab.
#include "styles/class_style.h"

namespace lumivex {

const std::array<ClassStyleRow, 11> kClassStyleTable = {{
    {0x1000, "CS_BYTEALIGNCLIENT"},
    {0x2000, "CS_BYTEALIGNWINDOW"},
    {0x0040, "CS_CLASSDC"},
    {0x0008, "CS_DBLCLKS"},
    {0x4000, "CS_GLOBALCLASS"},
    {0x0002, "CS_HREDRAW"},
    {0x0200, "CS_NOCLOSE"},
    {0x0020, "CS_OWNDC"},
    {0x0080, "CS_PARENTDC"},
    {0x0800, "CS_SAVEBITS"},
    {0x0001, "CS_VREDRAW"},
}};

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
