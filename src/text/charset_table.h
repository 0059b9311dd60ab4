// The Windows character sets by value, with a Chinese description of each.
// Built once when the main window loads and only read afterwards.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace lumivex {

struct CharsetRow {
    std::string name;  // GB2312_CHARSET
    std::string note;  // UTF-8
};

// By value; the first row that names a value keeps it.
using CharsetTable = std::map<std::uint8_t, CharsetRow>;

// Rebuilds the table from its two texts; any previous content goes.
void InitCharsetTable(CharsetTable& table);
// The name and the description of a value; empty for a value in no row.
std::string CharsetName(const CharsetTable& table, std::uint8_t value);
std::string CharsetNote(const CharsetTable& table, std::uint8_t value);

}  // namespace lumivex
