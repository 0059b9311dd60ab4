// The one door for messages to windows that may belong to another process.
// Every such message goes through SendMessageTimeoutW with SMTO_ABORTIFHUNG
// (a text it carries is UTF-16):
// a hung target answers at once with failure, a slow one after the time-out,
// and the program never waits on another process for longer than that.
#pragma once

#include <optional>
#include <set>

#include "platform/platform.h"

namespace lumivex {

// Long enough for a responsive window to copy megabytes of text across
// processes; short enough that the user hardly notices a stuck one.
constexpr std::uint32_t kSendTimeoutMs = 2000;
// Titles of related windows are small: a window slower than this is skipped.
constexpr std::uint32_t kQuickSendTimeoutMs = 500;

struct SendOutcome {
    std::optional<Lresult> answer;  // nothing when the send failed
    bool noAnswer = false;          // it failed because the window did not answer in time
    // It failed because the window refuses messages from us: it belongs to
    // a program running with higher rights (an elevated one).
    bool accessDenied = false;
};

inline SendOutcome SendWithOutcome(Platform& p, Hwnd hwnd, std::uint32_t msg, Wparam wParam, Lparam lParam,
                                   std::uint32_t timeoutMs = kSendTimeoutMs) {
    if (p.unanswered && p.unanswered->count(hwnd)) return {std::nullopt, true};
    Lresult result = 0;
    if (p.SendMessageTimeoutW(hwnd, msg, wParam, lParam, win::SMTO_ABORTIFHUNG, timeoutMs, &result))
        return {result, false};
    const std::uint32_t error = p.GetLastError();
    const bool noAnswer = error == win::ERROR_TIMEOUT && p.IsWindow(hwnd);
    if (noAnswer && p.unanswered) p.unanswered->insert(hwnd);
    return {std::nullopt, noAnswer, error == win::ERROR_ACCESS_DENIED};
}

inline std::optional<Lresult> SendTimeout(Platform& p, Hwnd hwnd, std::uint32_t msg, Wparam wParam,
                                          Lparam lParam, std::uint32_t timeoutMs = kSendTimeoutMs) {
    return SendWithOutcome(p, hwnd, msg, wParam, lParam, timeoutMs).answer;
}

// While one lives, a window that once failed to answer in time is treated
// as not responding: one fill of a slow window costs one time-out, not one
// per message. Scopes nest; the outermost one decides.
class UnansweredScope {
public:
    explicit UnansweredScope(Platform& p) : p_(p), owner_(p.unanswered == nullptr) {
        if (owner_) p_.unanswered = &windows_;
    }
    ~UnansweredScope() {
        if (owner_) p_.unanswered = nullptr;
    }
    UnansweredScope(const UnansweredScope&) = delete;
    UnansweredScope& operator=(const UnansweredScope&) = delete;

private:
    Platform& p_;
    bool owner_;
    std::set<Hwnd> windows_;
};

}  // namespace lumivex
