#include "info/window_text.h"

#include <vector>

#include "platform/send.h"

namespace lumivex {

std::string CutAtNul(const std::string& text) {
    const auto nul = text.find('\0');
    return nul == std::string::npos ? text : text.substr(0, nul);
}

std::string TrimLeadingBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

std::string GetWndTitle(Platform& p, Hwnd hwnd) {
    std::string buffer(100, '\0');
    p.GetWindowTextA(hwnd, buffer.data(), 100);
    return p.AnsiToUtf8(CutAtNul(buffer));
}

std::string GetWndClass(Platform& p, Hwnd hwnd) {
    std::string buffer(256, '\0');
    p.GetClassNameA(hwnd, buffer.data(), 256);
    return p.AnsiToUtf8(CutAtNul(buffer));
}

std::optional<std::string> SendGetText(Platform& p, Hwnd hwnd, std::size_t bufferSize,
                                       std::uint32_t timeoutMs, bool* refused) {
    // One byte more than the limit we announce, so the window's terminating
    // NUL always lands inside the buffer.
    std::string buffer(bufferSize + 1, '\0');
    const SendOutcome copied = SendWithOutcome(p, hwnd, win::WM_GETTEXT, static_cast<Wparam>(bufferSize),
                                               reinterpret_cast<Lparam>(buffer.data()), timeoutMs);
    if (refused) *refused = copied.accessDenied;
    if (!copied.answer) return std::nullopt;
    buffer[bufferSize] = '\0';
    return p.AnsiToUtf8(CutAtNul(buffer));
}

}  // namespace lumivex
