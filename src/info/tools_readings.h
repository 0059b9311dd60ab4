// What the tools tab reads from a window: its whole text, its three style
// values and its position as its parent would pass it to MoveWindow.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "info/process_path.h"
#include "platform/platform.h"
#include "text/charset_table.h"

namespace lumivex {

// Shown where the text of a window whose thread does not respond is expected.
inline const std::string kNotResponding = "(未响应)";
// Shown where the text of a window that refuses our messages is expected
// (a window of a program running with higher rights).
inline const std::string kAccessDenied = "(拒绝访问)";

// The largest text the tools tab takes (16 MiB).
constexpr std::uint32_t kToolsTextLimit = 16u * 1024 * 1024;

// The window's text, at most maxLen ANSI bytes of it, UTF-8; kNotResponding
// for a window that does not answer (it is sent nothing when it is hung),
// kAccessDenied for one that refuses to.
std::string GetWndText(Platform& p, Hwnd hwnd, std::uint32_t maxLen);

struct WndStyles {
    std::uint32_t style = 0, exStyle = 0;
    // Asked by message: unknown when the window does not answer.
    std::optional<std::uint32_t> listViewExStyle = 0;
};
// All zero for 0 or a handle that is not a window.
WndStyles GetWndStyles(Platform& p, Hwnd hwnd);

struct WndPos {
    std::int32_t left = 0, top = 0, width = 0, height = 0;
};
// Left and top relative to the parent's client area, estimated from the
// rectangles with the parent's frame taken as equally thick on the left,
// right and bottom; the screen position for a window without a parent.
WndPos GetWndPos(Platform& p, Hwnd hwnd);

// Everything the tools tab shows of a window, ready for editing.
struct ToolsReadings {
    std::string text;         // the whole text, at most kToolsTextLimit bytes
    std::string shortPath;    // of the program file
    std::string fontSummary;  // the font report's one-line summary
    WndStyles styles;
    WndPos pos;
};
// Nothing for 0 or a handle that is not a window.
std::optional<ToolsReadings> ReadToolsReadings(Platform& p, DriveMapCache& drives, const CharsetTable& charsets,
                                               Hwnd hwnd);

}  // namespace lumivex
