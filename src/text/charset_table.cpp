#include "text/charset_table.h"

#include <vector>

#include "tree/array_ops.h"

namespace lumivex {

namespace {

// Row i of the table pairs item i of the first text with item i of the second.
constexpr const char* kCharsetNames =
    "ANSI_CHARSET=0,DEFAULT_CHARSET=1,SYMBOL_CHARSET=2,MAC_CHARSET=77,SHIFTJIS_CHARSET=128,"
    "HANGEUL_CHARSET=129,HANGUL_CHARSET=129,JOHAB_CHARSET=130,GB2312_CHARSET=134,"
    "CHINESEBIG5_CHARSET=136,GREEK_CHARSET=161,TURKISH_CHARSET=162,VIETNAMESE_CHARSET=163,"
    "HEBREW_CHARSET=177,ARABIC_CHARSET=178,BALTIC_CHARSET=186,RUSSIAN_CHARSET=204,"
    "THAI_CHARSET=222,EASTEUROPE_CHARSET=238,OEM_CHARSET=255";

constexpr const char* kCharsetNotes =
    "ANSI 本地编码 (西欧语言)"
    "|默认字符集。只根据字体名称和大小选择字体，如果系统没有这个字体，会用其他字体替代"
    "|符号字符集。例如：Wingdings 和 Webdings 字体，字体里面没有文字，都是图形和符号。"
    "由于现在都是 UNICODE 编码了，UNICODE 提供更丰富的图形、符号、表情等，符号字符集就不常用了"
    "|苹果字符集。早期的苹果 (麦金塔) 字符集，现在的苹果都使用 UNICODE 了"
    "|日本 shift-JIS 字符集"
    "|韩国 Wansung 字符集"
    "|韩国 Wansung 字符集，HANGEUL_CHARSET 的另一种写法，数值是一样的"
    "|韩国 Johab 字符集"
    "|中国大陆 GB2312 字符集 (简体中文)"
    "|中国香港和台湾 BIG5 字符集 (繁体中文)"
    "|希腊语字符集"
    "|土耳其语字符集"
    "|越南语字符集"
    "|希伯来语字符集"
    "|阿拉伯语字符集"
    "|波罗的海字符集"
    "|西里尔字符集，俄语字符集"
    "|泰国语字符集"
    "|东欧字符集，使用变音符的东欧国家"
    "|OEM 字符集，依赖于操作系统的代码页";

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
