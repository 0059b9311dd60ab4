// The tools tab's ten fields: which keys each one takes, how long its text
// may grow, and how a position field's text reads as a number.
#pragma once

#include <cstdint>
#include <string>

namespace lumivex {

enum class ToolFieldGroup {
    Hex,       // handle, style, extended style, list-view style
    Decimal,   // left, top, width, height
    Free,      // the short path and the font summary (read-only)
};

constexpr int kToolFieldCount = 10;

// The group of field 0 … 9, in the order of ToolFields' members
// (handle, style, exStyle, listViewStyle, left, top, width, height,
// shortPath, fontSummary).
ToolFieldGroup ToolFieldGroupOf(int field);

// Characters a field takes (EM_LIMITTEXT); 0 for no limit.
int ToolFieldLengthLimit(int field);

// What a typed character does in a field of the group. Pasting is not
// typing: a pasted text arrives whole and is never filtered.
struct KeyVerdict {
    enum Kind { Insert, Discard, SelectAll } kind;
    std::uint32_t code;  // the character to insert, for Insert
};
KeyVerdict FilterToolKey(ToolFieldGroup group, std::uint32_t code);

// A position field read from its start: an optional minus sign, digits and
// an optional fraction after a full stop; reading stops at the first other
// character; no digits give 0. Rounded to the nearest integer, a half to
// the even neighbour. Leading blanks are skipped; values beyond 32 bits are
// held at the nearest end of the range.
std::int32_t ReadDecimalField(const std::string& text);

}  // namespace lumivex
