#include "platform/sim/sim_call_log.h"

#include <algorithm>

namespace lumivex::sim {

void CallLog::AddMessage(Hwnd hwnd, std::uint32_t msg, Wparam wParam, Lparam lParam, bool withTimeout) {
    LoggedCall c;
    c.kind = CallKind::Message;
    c.name = "SendMessageTimeoutW";
    c.hwnd = hwnd;
    c.msg = msg;
    c.wParam = wParam;
    c.lParam = lParam;
    c.withTimeout = withTimeout;
    calls_.push_back(std::move(c));
}

void CallLog::AddCall(CallKind kind, std::string name, Hwnd hwnd, std::int64_t a, std::int64_t b, std::string text) {
    LoggedCall c;
    c.kind = kind;
    c.name = std::move(name);
    c.hwnd = hwnd;
    c.a = a;
    c.b = b;
    c.text = std::move(text);
    calls_.push_back(std::move(c));
}

std::vector<LoggedCall> CallLog::MessagesTo(Hwnd hwnd) const {
    std::vector<LoggedCall> found;
    for (const LoggedCall& c : calls_)
        if (c.kind == CallKind::Message && c.hwnd == hwnd) found.push_back(c);
    return found;
}

std::size_t CallLog::Sent(std::uint32_t msg) const {
    return static_cast<std::size_t>(std::count_if(calls_.begin(), calls_.end(), [&](const LoggedCall& c) {
        return c.kind == CallKind::Message && c.msg == msg;
    }));
}

std::vector<LoggedCall> CallLog::Of(CallKind kind) const {
    std::vector<LoggedCall> found;
    for (const LoggedCall& c : calls_)
        if (c.kind == kind) found.push_back(c);
    return found;
}

std::vector<std::string> CallLog::Names(CallKind kind) const {
    std::vector<std::string> names;
    for (const LoggedCall& c : calls_)
        if (c.kind == kind) names.push_back(c.name);
    return names;
}

std::vector<LoggedCall> CallLog::Named(const std::string& name) const {
    std::vector<LoggedCall> found;
    for (const LoggedCall& c : calls_)
        if (c.name == name) found.push_back(c);
    return found;
}

std::vector<std::string> CallLog::Texts(const std::string& name) const {
    std::vector<std::string> texts;
    for (const LoggedCall& c : calls_)
        if (c.name == name) texts.push_back(c.text);
    return texts;
}

std::size_t CallLog::Count(const std::string& name) const {
    return static_cast<std::size_t>(
        std::count_if(calls_.begin(), calls_.end(), [&](const LoggedCall& c) { return c.name == name; }));
}

}  // namespace lumivex::sim
