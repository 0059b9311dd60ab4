// Compile-time only, no runtime code: every row of the program's style,
// class-style and character-set tables against the system header's macro of
// the same name. The native build has no system header to hold them to, and
// a mistyped or swapped value would otherwise decode real windows wrongly
// with every test still green; here it stops the Windows build.
#include "app/control_styles.h"
#include "styles/class_style.h"
#include "styles/window_style.h"
#include "text/charset_table.h"


namespace lumivex {
namespace {
// Taken before <windows.h> turns the names into macros.
constexpr std::uint32_t kOurControlStyles[] = {
    win::WS_TABSTOP, win::WS_VSCROLL, win::WS_CLIPCHILDREN, win::SS_LEFT, win::SS_NOTIFY,
    win::ES_MULTILINE, win::ES_AUTOVSCROLL, win::ES_AUTOHSCROLL, win::ES_READONLY, win::ES_WANTRETURN,
    win::BS_PUSHBUTTON, win::BS_AUTOCHECKBOX, win::LBS_NOTIFY, win::LBS_MULTIPLESEL, win::LBS_OWNERDRAWFIXED,
    win::LBS_HASSTRINGS, win::LBS_NOINTEGRALHEIGHT, win::SBS_HORZ, win::SBS_VERT, win::CBS_DROPDOWNLIST,
};
}  // namespace
}  // namespace lumivex

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace lumivex {
namespace {

struct SystemRow {
    std::uint32_t value;
    std::string_view name;
};

// The macro's value beside its own spelling, so that a row of ours matches
// only when both its value and its name are those of one macro.
#define ROW(x) SystemRow{static_cast<std::uint32_t>(x), #x}

// In the order of the program's tables. WS_CAPTION (two bits), the shared
// bits of WS_GROUP/WS_MINIMIZEBOX and WS_TABSTOP/WS_MAXIMIZEBOX, and the
// edit control's ES_READONLY are each checked against their own macro.
constexpr SystemRow kSystemWindowStyles[] = {
    ROW(WS_BORDER),     ROW(WS_CAPTION),     ROW(WS_CHILD),      ROW(WS_CLIPCHILDREN), ROW(WS_CLIPSIBLINGS),
    ROW(WS_DISABLED),   ROW(WS_DLGFRAME),    ROW(WS_GROUP),      ROW(WS_HSCROLL),      ROW(WS_MAXIMIZE),
    ROW(WS_MAXIMIZEBOX), ROW(WS_MINIMIZE),   ROW(WS_MINIMIZEBOX), ROW(WS_POPUP),       ROW(WS_SYSMENU),
    ROW(WS_TABSTOP),    ROW(WS_THICKFRAME),  ROW(WS_VISIBLE),    ROW(WS_VSCROLL),      ROW(ES_READONLY),
};

constexpr SystemRow kSystemExtendedStyles[] = {
    ROW(WS_EX_ACCEPTFILES),   ROW(WS_EX_DLGMODALFRAME), ROW(WS_EX_NOPARENTNOTIFY), ROW(WS_EX_TOPMOST),
    ROW(WS_EX_TRANSPARENT),   ROW(WS_EX_MDICHILD),      ROW(WS_EX_TOOLWINDOW),     ROW(WS_EX_WINDOWEDGE),
    ROW(WS_EX_CLIENTEDGE),    ROW(WS_EX_CONTEXTHELP),   ROW(WS_EX_RIGHT),          ROW(WS_EX_RTLREADING),
    ROW(WS_EX_LEFTSCROLLBAR), ROW(WS_EX_CONTROLPARENT), ROW(WS_EX_STATICEDGE),     ROW(WS_EX_APPWINDOW),
};

constexpr SystemRow kSystemClassStyles[] = {
    ROW(CS_BYTEALIGNCLIENT), ROW(CS_BYTEALIGNWINDOW), ROW(CS_CLASSDC),  ROW(CS_DBLCLKS),
    ROW(CS_GLOBALCLASS),     ROW(CS_HREDRAW),         ROW(CS_NOCLOSE),  ROW(CS_OWNDC),
    ROW(CS_PARENTDC),        ROW(CS_SAVEBITS),        ROW(CS_VREDRAW),
};

constexpr SystemRow kSystemCharsets[] = {
    ROW(ANSI_CHARSET),     ROW(DEFAULT_CHARSET),     ROW(SYMBOL_CHARSET),   ROW(MAC_CHARSET),
    ROW(SHIFTJIS_CHARSET), ROW(HANGEUL_CHARSET),     ROW(HANGUL_CHARSET),   ROW(JOHAB_CHARSET),
    ROW(GB2312_CHARSET),   ROW(CHINESEBIG5_CHARSET), ROW(GREEK_CHARSET),    ROW(TURKISH_CHARSET),
    ROW(VIETNAMESE_CHARSET), ROW(HEBREW_CHARSET),    ROW(ARABIC_CHARSET),   ROW(BALTIC_CHARSET),
    ROW(RUSSIAN_CHARSET),  ROW(THAI_CHARSET),        ROW(EASTEUROPE_CHARSET), ROW(OEM_CHARSET),
};

constexpr std::uint32_t kSystemControlStyles[] = {
    WS_TABSTOP, WS_VSCROLL, WS_CLIPCHILDREN, SS_LEFT, SS_NOTIFY,
    ES_MULTILINE, ES_AUTOVSCROLL, ES_AUTOHSCROLL, ES_READONLY, ES_WANTRETURN,
    BS_PUSHBUTTON, BS_AUTOCHECKBOX, LBS_NOTIFY, LBS_MULTIPLESEL, LBS_OWNERDRAWFIXED,
    LBS_HASSTRINGS, LBS_NOINTEGRALHEIGHT, SBS_HORZ, SBS_VERT, CBS_DROPDOWNLIST,
};

#undef ROW

// What the checks below return when every row matches. Otherwise they return
// the index of the first row that differs (or, when only the row counts
// differ, the shorter count).
constexpr std::size_t kAllRowsMatch = static_cast<std::size_t>(-1);

constexpr std::uint32_t ValueOf(const StyleRow& row) { return row.bits; }
constexpr std::uint32_t ValueOf(const ClassStyleRow& row) { return row.bit; }

template <typename Row, std::size_t N, std::size_t M>
constexpr std::size_t FirstDifferentRow(const std::array<Row, N>& ours, const SystemRow (&system)[M]) {
    for (std::size_t i = 0; i < N && i < M; ++i)
        if (ValueOf(ours[i]) != system[i].value || std::string_view(ours[i].name) != system[i].name) return i;
    return N == M ? kAllRowsMatch : (N < M ? N : M);
}

// Whether text is value written in decimal digits and nothing else.
constexpr bool SpellsDecimal(std::string_view text, std::uint32_t value) {
    if (text.empty()) return false;
    std::uint64_t number = 0;
    for (const char c : text) {
        if (c < '0' || c > '9' || number > 0xFFFFFFFFu) return false;
        number = number * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return number == value;
}

// The character sets are one text of NAME=value items separated by ",".
template <std::size_t M>
constexpr std::size_t FirstDifferentCharset(std::string_view items, const SystemRow (&system)[M]) {
    for (std::size_t row = 0;; ++row) {
        const std::size_t comma = items.find(',');
        const std::string_view item = items.substr(0, comma);
        const std::size_t equals = item.find('=');
        if (row == M || equals == std::string_view::npos) return row;
        if (item.substr(0, equals) != system[row].name || !SpellsDecimal(item.substr(equals + 1), system[row].value))
            return row;
        if (comma == std::string_view::npos) return row + 1 == M ? kAllRowsMatch : row + 1;
        items.remove_prefix(comma + 1);
    }
}

// The index reaches the compiler's message as a template argument: a failure
// reads "[with ... Row = 8]", the row to look at, "required from" the line
// below that names the table.
template <std::size_t Row>
constexpr bool NoRowDiffers() {
    static_assert(Row == kAllRowsMatch, "this row is not the <windows.h> macro of its name");
    return true;
}

static_assert(NoRowDiffers<FirstDifferentRow(kWindowStyleTable, kSystemWindowStyles)>(), "kWindowStyleTable");
static_assert(NoRowDiffers<FirstDifferentRow(kExtendedStyleTable, kSystemExtendedStyles)>(), "kExtendedStyleTable");
static_assert(NoRowDiffers<FirstDifferentRow(kClassStyleTable, kSystemClassStyles)>(), "kClassStyleTable");
template <std::size_t N>
constexpr std::size_t FirstDifferentValue(const std::uint32_t (&ours)[N], const std::uint32_t (&system)[N]) {
    for (std::size_t i = 0; i < N; ++i)
        if (ours[i] != system[i]) return i;
    return kAllRowsMatch;
}
static_assert(NoRowDiffers<FirstDifferentValue(kOurControlStyles, kSystemControlStyles)>(), "app/control_styles.h");
static_assert(NoRowDiffers<FirstDifferentCharset(kCharsetNames, kSystemCharsets)>(), "kCharsetNames");

}  // namespace
}  // namespace lumivex
