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

// The table's two texts: NAME=value items separated by ",", and the
// descriptions (UTF-8) separated by "|"; row i pairs item i of the first
// with item i of the second. Defined here so that constant expressions can
// read them: the Windows build compares every value with the system
// header's macro of the same name.
inline constexpr char kCharsetNames[] =
    "ANSI_CHARSET=0,DEFAULT_CHARSET=1,SYMBOL_CHARSET=2,MAC_CHARSET=77,SHIFTJIS_CHARSET=128,"
    "HANGEUL_CHARSET=129,HANGUL_CHARSET=129,JOHAB_CHARSET=130,GB2312_CHARSET=134,"
    "CHINESEBIG5_CHARSET=136,GREEK_CHARSET=161,TURKISH_CHARSET=162,VIETNAMESE_CHARSET=163,"
    "HEBREW_CHARSET=177,ARABIC_CHARSET=178,BALTIC_CHARSET=186,RUSSIAN_CHARSET=204,"
    "THAI_CHARSET=222,EASTEUROPE_CHARSET=238,OEM_CHARSET=255";

inline constexpr char kCharsetNotes[] =
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

// By value; the first row that names a value keeps it.
using CharsetTable = std::map<std::uint8_t, CharsetRow>;

// Rebuilds the table from its two texts; any previous content goes.
void InitCharsetTable(CharsetTable& table);
// The name and the description of a value; empty for a value in no row.
std::string CharsetName(const CharsetTable& table, std::uint8_t value);
std::string CharsetNote(const CharsetTable& table, std::uint8_t value);

}  // namespace lumivex
