#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/utf16.h"
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
    const ItemLayout layout = LayoutFor(ItemKind::ListViewCell, true);
    const std::string zs(255, 'z');
    const std::u16string chinese(200, u'中');  // 400 bytes in the code page
    const struct {
        std::u16string units;
        std::string text;
    } cases[] = {
        {u"  a b  ", "a b"},                        // inner blanks stay, outer ones go
        {u"     ", ""},                             // blanks only: an empty cell
        {std::u16string(u"abc\0def", 7), "abc"},    // ends before the first NUL
        {u"\tx \t", "\tx \t"},                      // only U+0020 is a blank
        {u" 사진 테스트 😀 ", "사진 테스트 😀"},        // any script
        {Utf8ToUtf16(zs), zs},
        // 255 bytes of the code page hold 127 Chinese characters, never half of one.
        {chinese, Utf16ToUtf8(chinese.substr(0, 127))},
        // A text the code page cannot hold keeps 255 units, its pairs whole.
        {std::u16string(254, u'x') + u"😀", Utf16ToUtf8(std::u16string(254, u'x'))},
        {u"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::vector<std::uint8_t> block(layout.textBytes() + 2, 0);
        std::memcpy(block.data(), c.units.data(), std::min(block.size(), c.units.size() * 2));
        EXPECT_EQ(DecodeItemText(desk, layout, block.data()), c.text);
    }
}

}  // namespace
}  // namespace lumivex::test
