// The class style table and its decoder.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace lumivex {

struct ClassStyleRow {
    std::uint32_t bit;
    const char* name;
};

// Alphabetical; no other class style bit is shown. Defined here so that
// constant expressions can read it: the Windows build compares every row
// with the system header's macro of the same name.
inline constexpr std::array<ClassStyleRow, 11> kClassStyleTable = {{
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

// Shown alone when no name of the table applies.
inline constexpr const char kNoClassInfo[] = "无类信息";

// The class style names of value, or the single kNoClassInfo entry.
std::vector<std::string> DecodeClassStyle(std::uint32_t value);
// Signed decimal, a blank in place of the sign when not negative; never hex.
std::string ClassValueText(std::int32_t value);

}  // namespace lumivex
