// Every row of the style, class-style and character-set tables against a list
// written out here from the documented Windows values, independently of the
// program's tables: two rows with swapped bits, or a changed description,
// fail here even though every name still appears somewhere.
#include <gtest/gtest.h>

#include <set>

#include "ops/state_list.h"
#include "styles/class_style.h"
#include "styles/window_style.h"
#include "text/charset_table.h"

namespace lumivex::test {
namespace {

using Names = std::vector<std::string>;
using Ticks = std::vector<int>;

struct StylePin {
    std::uint32_t value;  // the documented value of the row's name
    Names names;          // every name that value lists, in table order
    Ticks ticks;
};

TEST(TablePin, EveryWindowStyleRowDecodesFromItsDocumentedValue) {
    // An enabled window ticks kStateEnabled whatever else it has.
    const StylePin pins[] = {
        {0x00800000, {"WS_BORDER", "WS_CAPTION"}, {kStateEnabled}},
        {0x00C00000, {"WS_BORDER", "WS_CAPTION", "WS_DLGFRAME"}, {kStateEnabled}},
        {0x40000000, {"WS_CHILD"}, {kStateEnabled}},
        {0x02000000, {"WS_CLIPCHILDREN"}, {kStateEnabled}},
        {0x04000000, {"WS_CLIPSIBLINGS"}, {kStateEnabled}},
        {0x08000000, {"WS_DISABLED"}, {}},
        {0x00400000, {"WS_CAPTION", "WS_DLGFRAME"}, {kStateEnabled}},
        {0x00020000, {"WS_GROUP", "WS_MINIMIZEBOX"}, {kStateEnabled}},
        {0x00100000, {"WS_HSCROLL"}, {kStateEnabled}},
        {0x01000000, {"WS_MAXIMIZE"}, {kStateEnabled, kStateMaximized}},
        {0x00010000, {"WS_MAXIMIZEBOX", "WS_TABSTOP"}, {kStateEnabled}},
        {0x20000000, {"WS_MINIMIZE"}, {kStateEnabled, kStateMinimized}},
        {0x00020000, {"WS_GROUP", "WS_MINIMIZEBOX"}, {kStateEnabled}},
        {0x80000000, {"WS_POPUP"}, {kStateEnabled}},
        {0x00080000, {"WS_SYSMENU"}, {kStateEnabled}},
        {0x00010000, {"WS_MAXIMIZEBOX", "WS_TABSTOP"}, {kStateEnabled}},
        {0x00040000, {"WS_THICKFRAME"}, {kStateEnabled}},
        {0x10000000, {"WS_VISIBLE"}, {kStateEnabled, kStateVisible}},
        {0x00200000, {"WS_VSCROLL"}, {kStateEnabled}},
        {0x00000800, {"ES_READONLY"}, {kStateEnabled, kStateReadOnly}},
    };
    ASSERT_EQ(std::size(pins), kWindowStyleTable.size());
    for (const StylePin& pin : pins) {
        SCOPED_TRACE(testing::Message() << "style 0x" << std::hex << pin.value);
        const StyleDecoding decoded = DecodeStyles(pin.value, kWindowStyleTable);
        EXPECT_EQ(decoded.names, pin.names);
        EXPECT_EQ(decoded.ticks, pin.ticks);
    }
}

TEST(TablePin, EveryExtendedStyleRowDecodesFromItsDocumentedValue) {
    const StylePin pins[] = {
        {0x00000010, {"WS_EX_ACCEPTFILES"}, {}},    {0x00000001, {"WS_EX_DLGMODALFRAME"}, {}},
        {0x00000004, {"WS_EX_NOPARENTNOTIFY"}, {}}, {0x00000008, {"WS_EX_TOPMOST"}, {kStateTopMost}},
        {0x00000020, {"WS_EX_TRANSPARENT"}, {}},    {0x00000040, {"WS_EX_MDICHILD"}, {}},
        {0x00000080, {"WS_EX_TOOLWINDOW"}, {}},     {0x00000100, {"WS_EX_WINDOWEDGE"}, {}},
        {0x00000200, {"WS_EX_CLIENTEDGE"}, {}},     {0x00000400, {"WS_EX_CONTEXTHELP"}, {}},
        {0x00001000, {"WS_EX_RIGHT"}, {}},          {0x00002000, {"WS_EX_RTLREADING"}, {}},
        {0x00004000, {"WS_EX_LEFTSCROLLBAR"}, {}},  {0x00010000, {"WS_EX_CONTROLPARENT"}, {}},
        {0x00020000, {"WS_EX_STATICEDGE"}, {}},     {0x00040000, {"WS_EX_APPWINDOW"}, {}},
    };
    ASSERT_EQ(std::size(pins), kExtendedStyleTable.size());
    for (const StylePin& pin : pins) {
        SCOPED_TRACE(testing::Message() << "extended style 0x" << std::hex << pin.value);
        const StyleDecoding decoded = DecodeStyles(pin.value, kExtendedStyleTable);
        EXPECT_EQ(decoded.names, pin.names);
        EXPECT_EQ(decoded.ticks, pin.ticks);
    }
}

TEST(TablePin, EveryClassStyleRowDecodesFromItsDocumentedValue) {
    const std::pair<std::uint32_t, const char*> pins[] = {
        {0x1000, "CS_BYTEALIGNCLIENT"}, {0x2000, "CS_BYTEALIGNWINDOW"}, {0x0040, "CS_CLASSDC"},
        {0x0008, "CS_DBLCLKS"},         {0x4000, "CS_GLOBALCLASS"},     {0x0002, "CS_HREDRAW"},
        {0x0200, "CS_NOCLOSE"},         {0x0020, "CS_OWNDC"},           {0x0080, "CS_PARENTDC"},
        {0x0800, "CS_SAVEBITS"},        {0x0001, "CS_VREDRAW"},
    };
    ASSERT_EQ(std::size(pins), kClassStyleTable.size());
    for (const auto& [value, name] : pins) {
        SCOPED_TRACE(testing::Message() << "class style 0x" << std::hex << value);
        EXPECT_EQ(DecodeClassStyle(value), Names{name});
    }
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> items;
    std::size_t start = 0, end;
    while ((end = text.find(separator, start)) != std::string::npos) {
        items.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    items.push_back(text.substr(start));
    return items;
}

TEST(TablePin, EveryCharsetRowHasItsNameValueAndDescription) {
    struct CharsetPin {
        const char* name;
        int value;
        const char* note;
    };
    const CharsetPin pins[] = {
        {"ANSI_CHARSET", 0, "ANSI 本地编码 (西欧语言)"},
        {"DEFAULT_CHARSET", 1, "默认字符集。只根据字体名称和大小选择字体，如果系统没有这个字体，会用其他字体替代"},
        {"SYMBOL_CHARSET", 2,
         "符号字符集。例如：Wingdings 和 Webdings 字体，字体里面没有文字，都是图形和符号。由于现在都是 UNICODE "
         "编码了，UNICODE 提供更丰富的图形、符号、表情等，符号字符集就不常用了"},
        {"MAC_CHARSET", 77, "苹果字符集。早期的苹果 (麦金塔) 字符集，现在的苹果都使用 UNICODE 了"},
        {"SHIFTJIS_CHARSET", 128, "日本 shift-JIS 字符集"},
        {"HANGEUL_CHARSET", 129, "韩国 Wansung 字符集"},
        {"HANGUL_CHARSET", 129, "韩国 Wansung 字符集，HANGEUL_CHARSET 的另一种写法，数值是一样的"},
        {"JOHAB_CHARSET", 130, "韩国 Johab 字符集"},
        {"GB2312_CHARSET", 134, "中国大陆 GB2312 字符集 (简体中文)"},
        {"CHINESEBIG5_CHARSET", 136, "中国香港和台湾 BIG5 字符集 (繁体中文)"},
        {"GREEK_CHARSET", 161, "希腊语字符集"},
        {"TURKISH_CHARSET", 162, "土耳其语字符集"},
        {"VIETNAMESE_CHARSET", 163, "越南语字符集"},
        {"HEBREW_CHARSET", 177, "希伯来语字符集"},
        {"ARABIC_CHARSET", 178, "阿拉伯语字符集"},
        {"BALTIC_CHARSET", 186, "波罗的海字符集"},
        {"RUSSIAN_CHARSET", 204, "西里尔字符集，俄语字符集"},
        {"THAI_CHARSET", 222, "泰国语字符集"},
        {"EASTEUROPE_CHARSET", 238, "东欧字符集，使用变音符的东欧国家"},
        {"OEM_CHARSET", 255, "OEM 字符集，依赖于操作系统的代码页"},
    };
    const std::vector<std::string> items = Split(kCharsetNames, ',');
    const std::vector<std::string> notes = Split(kCharsetNotes, '|');
    ASSERT_EQ(items.size(), std::size(pins));
    ASSERT_EQ(notes.size(), std::size(pins));

    CharsetTable table;
    InitCharsetTable(table);
    std::set<int> looked_up;
    for (std::size_t i = 0; i < std::size(pins); ++i) {
        const CharsetPin& pin = pins[i];
        SCOPED_TRACE(testing::Message() << "row " << i << " " << pin.name);
        // The texts themselves: a row the lookups cannot reach (129's second
        // name) is still held to its text.
        EXPECT_EQ(items[i], pin.name + std::string("=") + std::to_string(pin.value));
        EXPECT_EQ(notes[i], pin.note);
        // The lookups answer with the first row of a value.
        if (looked_up.insert(pin.value).second) {
            EXPECT_EQ(CharsetName(table, static_cast<std::uint8_t>(pin.value)), pin.name);
            EXPECT_EQ(CharsetNote(table, static_cast<std::uint8_t>(pin.value)), pin.note);
        }
    }
}

}  // namespace
}  // namespace lumivex::test
