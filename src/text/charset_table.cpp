#include "text/charset_table.h"

#include <vector>

#include "tree/array_ops.h"

namespace lumivex {

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> items;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        items.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) return items;
        start = end + 1;
    }
}

const CharsetRow* Row(const CharsetTable& table, std::uint8_t value) {
    const auto it = table.find(value);
    return it == table.end() ? nullptr : &it->second;
}

}  // namespace

void InitCharsetTable(CharsetTable& table) {
    table.clear();
    const std::vector<std::string> notes = Split(kCharsetNotes, '|');
    const std::vector<std::string> names = Split(kCharsetNames, ',');
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::size_t equals = names[i].find('=');
        const std::string name = names[i].substr(0, equals);
        const double value = equals == std::string::npos ? 0 : LeadingNumber(names[i].substr(equals + 1));
        if (value < 0 || value > 255) continue;
        table.emplace(static_cast<std::uint8_t>(value), CharsetRow{name, i < notes.size() ? notes[i] : ""});
    }
}

std::string CharsetName(const CharsetTable& table, std::uint8_t value) {
    const CharsetRow* row = Row(table, value);
    return row ? row->name : std::string();
}

std::string CharsetNote(const CharsetTable& table, std::uint8_t value) {
    const CharsetRow* row = Row(table, value);
    return row ? row->note : std::string();
}

}  // namespace lumivex
