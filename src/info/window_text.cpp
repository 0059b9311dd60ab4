#include "info/window_text.h"

#include <vector>

#include "platform/send.h"
#include "platform/text_limit.h"

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
    constexpr int kTitleBuffer = 100;
    std::u16string buffer(kTitleBuffer, u'\0');
    p.GetWindowTextW(hwnd, buffer.data(), kTitleBuffer);
    return TextWithin(p, CutAtNul(buffer), kTitleBuffer - 1);
}

std::string GetWndClass(Platform& p, Hwnd hwnd, int bufferSize) {
    std::u16string buffer(static_cast<std::size_t>(bufferSize), u'\0');
    p.GetClassNameW(hwnd, buffer.data(), bufferSize);
    return TextWithin(p, CutAtNul(buffer), static_cast<std::size_t>(bufferSize) - 1);
}

std::optional<std::string> SendGetText(Platform& p, Hwnd hwnd, std::size_t bufferSize,
                                       std::uint32_t timeoutMs, bool* refused) {
    // One character more than the size we announce, so the window's
    // terminating NUL always lands inside the buffer.
    std::u16string buffer(bufferSize + 1, u'\0');
    const SendOutcome copied = SendWithOutcome(p, hwnd, win::WM_GETTEXT, static_cast<Wparam>(bufferSize),
                                               reinterpret_cast<Lparam>(buffer.data()), timeoutMs);
    if (refused) *refused = copied.accessDenied;
    if (!copied.answer) return std::nullopt;
    buffer[bufferSize] = u'\0';
    return TextWithin(p, CutAtNul(buffer), bufferSize == 0 ? 0 : bufferSize - 1);
}

}  // namespace lumivex
