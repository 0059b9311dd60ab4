#include "info/tools_readings.h"

#include <algorithm>

#include "info/window_text.h"
#include "text/font_report.h"
#include "platform/send.h"
#include "platform/text_limit.h"

namespace lumivex {

namespace {

// Half of an integer, rounded to the nearest whole number with halves going
// to the even one.
std::int64_t HalfToEven(std::int64_t value) {
    std::int64_t q = value / 2;
    if (value % 2 != 0 && value < 0) --q;  // floor
    const bool half = value - 2 * q == 1;
    if (half && q % 2 != 0) ++q;
    return q;
}

std::int64_t Width(const Rect& r) { return std::int64_t{r.right} - r.left; }
std::int64_t Height(const Rect& r) { return std::int64_t{r.bottom} - r.top; }

}  // namespace

std::string GetWndText(Platform& p, Hwnd hwnd, std::uint32_t maxLen) {
    if (p.IsHungAppWindow(hwnd)) return kNotResponding;
    const SendOutcome asked = SendWithOutcome(p, hwnd, win::WM_GETTEXTLENGTH, 0, 0);
    if (asked.accessDenied) return kAccessDenied;
    const auto& announced = asked.answer;
    if (!announced) return p.IsWindow(hwnd) ? kNotResponding : std::string();
    // A length below zero or beyond the limit is not believed.
    const std::size_t length =
        *announced <= 0 ? 0
                        : static_cast<std::size_t>(std::min<std::uint64_t>(static_cast<std::uint64_t>(*announced), maxLen));
    // The buffer holds the limit and a NUL, and the window is told exactly
    // that size: it cannot write past the end, nor hand back more than the
    // limit. A character takes a unit at least, so the limit in units holds
    // the limit in bytes too.
    std::u16string buffer(length + 1, u'\0');
    const auto copied = SendTimeout(p, hwnd, win::WM_GETTEXT, static_cast<Wparam>(buffer.size()),
                                    reinterpret_cast<Lparam>(buffer.data()));
    if (!copied) return p.IsWindow(hwnd) ? kNotResponding : std::string();
    buffer[length] = u'\0';
    return TextWithin(p, CutAtNul(buffer), maxLen);
}

WndStyles GetWndStyles(Platform& p, Hwnd hwnd) {
    WndStyles styles;
    if (hwnd == 0 || !p.IsWindow(hwnd)) return styles;
    styles.style = static_cast<std::uint32_t>(p.GetWindowLongA(hwnd, win::GWL_STYLE));
    styles.exStyle = static_cast<std::uint32_t>(p.GetWindowLongA(hwnd, win::GWL_EXSTYLE));
    // Sent whatever the class: a window that is not a list view answers 0.
    // A hung window is not asked.
    styles.listViewExStyle = std::nullopt;
    if (p.IsHungAppWindow(hwnd)) return styles;
    if (const auto answer = SendTimeout(p, hwnd, win::LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0))
        styles.listViewExStyle = static_cast<std::uint32_t>(*answer);
    return styles;
}

WndPos GetWndPos(Platform& p, Hwnd hwnd) {
    Rect window, parentWindow, parentClient;
    p.GetWindowRect(hwnd, window);
    const Hwnd parent = p.GetParent(hwnd);
    p.GetWindowRect(parent, parentWindow);
    p.GetClientRect(parent, parentClient);

    // 64 bits: hostile rectangles must not overflow on the way.
    const std::int64_t border = HalfToEven(Width(parentWindow) - Width(parentClient));
    const std::int64_t caption = (Height(parentWindow) - Height(parentClient)) - border;
    WndPos pos;
    pos.left = static_cast<std::int32_t>(std::int64_t{window.left} - parentWindow.left - border);
    pos.top = static_cast<std::int32_t>(std::int64_t{window.top} - parentWindow.top - caption);
    pos.width = static_cast<std::int32_t>(Width(window));
    pos.height = static_cast<std::int32_t>(Height(window));
    return pos;
}

std::optional<ToolsReadings> ReadToolsReadings(Platform& p, DriveMapCache& drives, const CharsetTable& charsets,
                                               Hwnd h) {
    if (h == 0 || !p.IsWindow(h)) return std::nullopt;
    ToolsReadings readings;
    readings.text = GetWndText(p, h, kToolsTextLimit);
    readings.shortPath = GetShortPath(p, GetWndPath(p, drives, h));
    readings.fontSummary = GetFontText(p, charsets, h, kFontSummary);
    readings.styles = GetWndStyles(p, h);
    readings.pos = GetWndPos(p, h);
    return readings;
}

}  // namespace lumivex
