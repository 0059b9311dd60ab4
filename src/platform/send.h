// The one door for messages to windows that may belong to another process.
// Every such message goes through SendMessageTimeoutW with SMTO_ABORTIFHUNG
// (a text it carries is UTF-16):
// a hung target answers at once with failure, a slow one after the time-out,
// and the program never waits on another process for longer than that.
#pragma once

#include <algorithm>
#include <optional>
#include <set>
#include <utility>

#include "platform/platform.h"

namespace lumivex {

// Long enough for a responsive window to copy megabytes of text across
// processes; short enough that the user hardly notices a stuck one.
constexpr std::uint32_t kSendTimeoutMs = 2000;
// Titles of related windows are small: a window slower than this is skipped.
constexpr std::uint32_t kQuickSendTimeoutMs = 500;

// One user action (a fill, a read, a tree) waits at most this long in all
// on windows that do not answer.
constexpr std::uint32_t kActionBudgetMs = 5000;

// What one action has learnt about its targets. A window's thread that did
// not answer in time is asked nothing more in that action, whichever of its
// windows a message is for: its other windows wait on the same thread.
struct ActionBudget {
    std::uint32_t msLeft = kActionBudgetMs;
    std::set<std::uint32_t> silentThreads;
    // The thread of the window last sent to: readers send to one window
    // many times in a row.
    Hwnd lastHwnd = 0;
    std::uint32_t lastThread = 0;

    std::uint32_t ThreadOf(Platform& p, Hwnd hwnd) {
        if (hwnd != lastHwnd || lastThread == 0) {
            lastHwnd = hwnd;
            lastThread = p.GetWindowThreadProcessId(hwnd, nullptr);
        }
        return lastThread;
    }
};

// The action running on the calling thread, if any: a read on a thread of
// its own is an action of its own, apart from what the window's thread does
// meanwhile.
inline ActionBudget*& CurrentActionBudget() {
    thread_local ActionBudget* current = nullptr;
    return current;
}

struct SendOutcome {
    std::optional<Lresult> answer;  // nothing when the send failed
    bool noAnswer = false;          // it failed because the window did not answer in time
    // It failed because the window refuses messages from us: it belongs to
    // a program running with higher rights (an elevated one).
    bool accessDenied = false;
};

inline SendOutcome SendWithOutcome(Platform& p, Hwnd hwnd, std::uint32_t msg, Wparam wParam, Lparam lParam,
                                   std::uint32_t timeoutMs = kSendTimeoutMs) {
    ActionBudget* budget = CurrentActionBudget();
    if (budget) {
        if (budget->msLeft == 0) return {std::nullopt, true};
        // The window's thread is looked up only once one has failed to
        // answer: until then every thread may be asked.
        if (!budget->silentThreads.empty() && budget->silentThreads.count(budget->ThreadOf(p, hwnd)))
            return {std::nullopt, true};
        timeoutMs = std::min(timeoutMs, budget->msLeft);
    }
    Lresult result = 0;
    if (p.SendMessageTimeoutW(hwnd, msg, wParam, lParam, win::SMTO_ABORTIFHUNG, timeoutMs, &result))
        return {result, false};
    const std::uint32_t error = p.GetLastError();
    const bool noAnswer = error == win::ERROR_TIMEOUT && p.IsWindow(hwnd);
    if (noAnswer && budget) {
        // A hung thread fails at once; only a time-out spends the budget.
        budget->silentThreads.insert(budget->ThreadOf(p, hwnd));
        if (!p.IsHungAppWindow(hwnd)) budget->msLeft -= timeoutMs;
    }
    return {std::nullopt, noAnswer, error == win::ERROR_ACCESS_DENIED};
}

inline std::optional<Lresult> SendTimeout(Platform& p, Hwnd hwnd, std::uint32_t msg, Wparam wParam,
                                          Lparam lParam, std::uint32_t timeoutMs = kSendTimeoutMs) {
    return SendWithOutcome(p, hwnd, msg, wParam, lParam, timeoutMs).answer;
}

// One user action on the calling thread: while one lives, the door keeps
// to its budget. Scopes nest; the outermost one is the action.
class ActionScope {
public:
    ActionScope() : owner_(CurrentActionBudget() == nullptr) {
        if (owner_) CurrentActionBudget() = &budget_;
    }
    ~ActionScope() {
        if (owner_) CurrentActionBudget() = nullptr;
    }
    ActionScope(const ActionScope&) = delete;
    ActionScope& operator=(const ActionScope&) = delete;

private:
    bool owner_;
    ActionBudget budget_;
};

// Sends made while one lives keep to their own time-outs, outside the
// action's budget: handing a read's text to Notepad, our own output, needs
// its time for megabytes whatever the read's targets have cost.
class OutsideActionScope {
public:
    OutsideActionScope() : action_(std::exchange(CurrentActionBudget(), nullptr)) {}
    ~OutsideActionScope() { CurrentActionBudget() = action_; }
    OutsideActionScope(const OutsideActionScope&) = delete;
    OutsideActionScope& operator=(const OutsideActionScope&) = delete;

private:
    ActionBudget* action_;
};

}  // namespace lumivex
