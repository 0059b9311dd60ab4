// Limits on texts read from other windows. A limit counts bytes of the
// ANSI code page, as the program's buffers always have, for a text the code
// page can hold: such a text comes out exactly as before. A text the code
// page cannot hold (Korean on a Chinese system, an emoji) keeps the same
// limit counted in UTF-16 units. Either way a character, a surrogate pair
// included, is never cut in two.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "platform/utf16.h"

namespace lumivex {

inline bool IsAscii(std::u16string_view text) {
    return std::all_of(text.begin(), text.end(), [](char16_t unit) { return unit < 0x80; });
}

// Whether every character of text has a form in the ANSI code page: it
// comes back unchanged from the code page.
inline bool FitsCodePage(Platform& p, std::u16string_view text) {
    return IsAscii(text) || p.AnsiToUtf8(p.WideToAnsi(text)) == Utf16ToUtf8(text);
}

// The most units of text, at most units, that end between two characters.
inline std::size_t WholeCharacters(std::u16string_view text, std::size_t units) {
    if (units >= text.size()) return text.size();
    return units > 0 && IsHighSurrogate(text[units - 1]) && IsLowSurrogate(text[units]) ? units - 1 : units;
}

// How many units of text the limit lets through. A text a window's buffer
// cut in the middle of a pair loses the half it kept.
inline std::size_t UnitsWithin(Platform& p, std::u16string_view text, std::size_t limit) {
    if (!text.empty() && IsHighSurrogate(text.back())) text.remove_suffix(1);
    // ASCII, the common case, is one byte a unit in every code page.
    if (IsAscii(text)) return std::min(text.size(), limit);
    if (!FitsCodePage(p, text)) return WholeCharacters(text, limit);
    // Every character takes a byte at least: the answer lies in the first
    // limit units.
    const std::u16string_view head = text.substr(0, WholeCharacters(text, limit));
    if (p.WideToAnsi(head).size() <= limit) return head.size();
    // Whole runs while they fit, then character by character: a few hundred
    // conversions, however long the text.
    constexpr std::size_t kRun = 256;
    std::size_t units = 0, bytes = 0, run = kRun;
    while (units < head.size()) {
        std::size_t end = WholeCharacters(head, units + run);
        if (end == units) end = std::min(head.size(), units + 2);  // one surrogate pair
        const std::size_t more = p.WideToAnsi(head.substr(units, end - units)).size();
        if (bytes + more > limit) {
            if (run == 1) break;
            run = 1;
            continue;
        }
        bytes += more;
        units = end;
    }
    return units;
}

// text cut to the limit, as UTF-8.
inline std::string TextWithin(Platform& p, std::u16string_view text, std::size_t limit) {
    return Utf16ToUtf8(text.substr(0, UnitsWithin(p, text, limit)));
}

// The length a limit or a column width counts: bytes of the code-page form
// for a text the code page holds, UTF-16 units for any other.
inline std::size_t LimitLength(Platform& p, std::u16string_view text) {
    return FitsCodePage(p, text) ? p.WideToAnsi(text).size() : text.size();
}

}  // namespace lumivex
