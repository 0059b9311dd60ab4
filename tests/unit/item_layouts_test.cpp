#include <cstdio>
#include <string>
#include <vector>

#include "readers/item_layouts.h"
#include "readers_fixture.h"

namespace lumivex::test {
namespace {

std::vector<std::uint8_t> Hex(const std::string& text) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        bytes.push_back(static_cast<std::uint8_t>(std::stoi(text.substr(i, 2), nullptr, 16)));
        i += 2;
    }
    return bytes;
}

struct LayoutCase {
    const char* name;
    ItemKind kind;
    bool target64;
    std::uint64_t key;
    RemoteAddress text;
    const char* expected;
    std::uint32_t allocationType;
};

// Each layout written out field by field, little-endian.
const LayoutCase kLayouts[] = {
    {"LVITEMA 32", ItemKind::ListViewCell, false, 3, 0x11223344,
     "01000000 00000000 03000000 00000000 00000000 44332211 FF000000 00000000 00000000 00000000", 0x1000},
    {"LVITEMA 64", ItemKind::ListViewCell, true, 3, 0x000001A011223344,
     "01000000 00000000 03000000 00000000 00000000 00000000 44332211A0010000 FF000000 00000000 "
     "0000000000000000",
     0x1000},
    {"TVITEMA 32", ItemKind::TreeItem, false, 0x00A01040, 0x11223344,
     "01000000 4010A000 00000000 00000000 44332211 00010000 00000000 00000000 00000000 00000000 00000000", 0x3000},
    {"TVITEMA 64", ItemKind::TreeItem, true, 0x0000025000001040, 0x000001A011223344,
     "01000000 00000000 4010000050020000 00000000 00000000 44332211A0010000 00010000 00000000 00000000 "
     "00000000 0000000000000000",
     0x3000},
};

TEST(ItemLayoutsTest, EachLayoutByteForByte) {
    for (const LayoutCase& c : kLayouts) {
        SCOPED_TRACE(c.name);
        const ItemLayout layout = LayoutFor(c.kind, c.target64);
        const auto expected = Hex(c.expected);
        EXPECT_EQ(layout.structSize, expected.size());
        EXPECT_EQ(layout.allocationType, c.allocationType);
        EXPECT_EQ(ItemRequest(layout, c.key, c.text), expected);
    }
}

TEST(ItemLayoutsTest, DecodingRule) {
    sim::SimDesktop desk;
    const struct {
        std::string bytes;
        std::string text;
    } cases[] = {
        {"  a b  ", "a b"},                       // inner blanks stay, outer ones go
        {"     ", ""},                            // blanks only: an empty cell
        {std::string("abc\0def", 7), "abc"},      // ends before the first NUL
        {"\tx \t", "\tx \t"},                     // only U+0020 is a blank
        {desk.Utf8ToAnsi(" 中文 "), "中文"},       // from the ANSI code page
        {std::string(255, 'z'), std::string(255, 'z')},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DecodeItemText(desk, reinterpret_cast<const std::uint8_t*>(c.bytes.data()), c.bytes.size()),
                  c.text);
    }
}

}  // namespace
}  // namespace lumivex::test
