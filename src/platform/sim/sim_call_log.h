// What the logic asked of the simulated desktop, in the order it asked:
// the messages it sent, the windows and processes it changed, the GDI calls
// it made, and what it started. Tests read it to see what was done, and to
// see what was not.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace lumivex::sim {

enum class CallKind {
    Message,  // SendMessageTimeoutW
    Change,   // a window or process changed: ShowWindow, SetWindowPos, …, TerminateProcess
    Gdi,      // a device context or GDI object taken, used or given back
    System,   // CreateProcessA, ShellExecuteW, QueryDosDeviceW
};

struct LoggedCall {
    CallKind kind = CallKind::Change;
    std::string name;  // the function called: "ShowWindow", "BitBlt", …
    Hwnd hwnd = 0;
    // A message: what it was, and whether it went with a time-out.
    std::uint32_t msg = 0;
    Wparam wParam = 0;
    Lparam lParam = 0;
    bool withTimeout = false;
    // The call's numbers, as the function that logs it says.
    std::int64_t a = 0, b = 0;
    std::string text;  // UTF-8: a command line, what the shell opened
};

// Not guarded: like the rest of the desktop it is used by one thread at a
// time, a read job's while the job runs, the test's after it ended.
class CallLog {
public:
    void AddMessage(Hwnd hwnd, std::uint32_t msg, Wparam wParam, Lparam lParam, bool withTimeout);
    void AddCall(CallKind kind, std::string name, Hwnd hwnd = 0, std::int64_t a = 0, std::int64_t b = 0,
                 std::string text = {});
    void Clear() { calls_.clear(); }
    const std::vector<LoggedCall>& All() const { return calls_; }

    // Every message sent, in order; or those sent to one window.
    std::vector<LoggedCall> Messages() const { return Of(CallKind::Message); }
    // Every window or process changed, in order.
    std::vector<LoggedCall> Changes() const { return Of(CallKind::Change); }
    std::vector<LoggedCall> MessagesTo(Hwnd hwnd) const;
    // How many times msg was sent.
    std::size_t Sent(std::uint32_t msg) const;

    std::vector<LoggedCall> Of(CallKind kind) const;
    std::vector<std::string> Names(CallKind kind) const;
    std::vector<LoggedCall> Named(const std::string& name) const;
    std::vector<std::string> Texts(const std::string& name) const;
    std::size_t Count(const std::string& name) const;

private:
    std::vector<LoggedCall> calls_;
};

}  // namespace lumivex::sim
