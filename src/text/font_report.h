// The font a window draws its text with: a LOGFONT report of annotated
// lines, or the one-line summary the tools tab shows.
#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"
#include "text/charset_table.h"

namespace lumivex {

constexpr std::int32_t kFontReport = 1;   // GetFontText mode: the LOGFONT report
constexpr std::int32_t kFontSummary = 0;  // any other mode: the summary

// What a window whose thread does not respond gets in place of the summary
// (the report is empty then, as every reader's is).
inline const std::string kFontNotResponding = "(未响应)";

// mode kFontReport: "LOGFONT 结构(字体属性)", a rule and fourteen annotated
// lines; any other mode: the summary. UTF-8.
std::string GetFontText(Platform& p, const CharsetTable& charsets, Hwnd hwnd, std::int32_t mode);

// text followed by blanks up to width ANSI bytes; unchanged when it is
// already that wide.
std::string PadToWidth(Platform& p, const std::string& text, std::int32_t width);

// "9", "9.6": at most 15 significant digits, no trailing zeros.
std::string PointSizeText(std::int64_t height, int dpi);

}  // namespace lumivex
