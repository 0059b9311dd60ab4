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

// Alphabetical; no other class style bit is shown.
extern const std::array<ClassStyleRow, 11> kClassStyleTable;

// Shown alone when no name of the table applies.
inline constexpr const char kNoClassInfo[] = "无类信息";

// The class style names of value, or the single kNoClassInfo entry.
std::vector<std::string> DecodeClassStyle(std::uint32_t value);
// Signed decimal, a blank in place of the sign when not negative; never hex.
std::string ClassValueText(std::int32_t value);

}  // namespace lumivex
