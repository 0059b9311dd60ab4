#include "desktop_tree/child_rows.h"

#include <cstdlib>
#include <unordered_set>

#include "desktop_tree/window_tree.h"
#include "info/num_text.h"
#include "info/tools_readings.h"
#include "info/window_text.h"
#include "ops/read_handle.h"
#include "platform/send.h"

namespace lumivex {
namespace {

constexpr int kClassBuffer = 50;
constexpr std::size_t kTextBuffer = 256;
constexpr long kHandleColumn = 10, kClassColumn = 30;

std::size_t CharCount(const std::string& utf8) {
    std::size_t n = 0;
    for (char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) == 0x80 ? 0 : 1;
    return n;
}

std::string PadTo(const std::string& text, long column) {
    return text + std::string(static_cast<std::size_t>(std::labs(column - static_cast<long>(CharCount(text)))), ' ');
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string ChildRow(Platform& p, Hwnd hwnd, bool hex) {
    const std::string cls = GetWndClass(p, hwnd, kClassBuffer);
    std::string text;
    bool refused = false;
    if (p.IsHungAppWindow(hwnd)) {
        text = kNotResponding;
    } else if (auto got = SendGetText(p, hwnd, kTextBuffer, kSendTimeoutMs, &refused)) {
        text = *got;
    } else if (refused) {
        text = kAccessDenied;
    } else if (p.IsWindow(hwnd)) {
        text = kNotResponding;
    }
    return PadTo(NumText(static_cast<std::int32_t>(hwnd), hex), kHandleColumn) + PadTo(cls, kClassColumn) +
           "标题:" + text;
}

std::vector<Hwnd> ChildWindows(Platform& p, Hwnd root, bool allDescendants) {
    std::vector<Hwnd> list;
    std::unordered_set<Hwnd> seen{root};
    if (!allDescendants) {
        for (Hwnd c = p.GetWindow(root, win::GW_CHILD); c != 0 && list.size() < kMaxTreeWindows;
             c = p.GetWindow(c, win::GW_HWNDNEXT)) {
            if (!seen.insert(c).second) break;
            list.push_back(c);
        }
        return list;
    }
    std::vector<Hwnd> runs{p.GetWindow(root, win::GW_CHILD)};
    while (!runs.empty() && list.size() < kMaxTreeWindows) {
        const Hwnd w = runs.back();
        if (w == 0 || !seen.insert(w).second) {
            runs.pop_back();
            continue;
        }
        list.push_back(w);
        runs.back() = p.GetWindow(w, win::GW_HWNDNEXT);
        if (runs.size() < kMaxTreeDepth) runs.push_back(p.GetWindow(w, win::GW_CHILD));
    }
    return list;
}

std::vector<std::string> ChildRows(Platform& p, Hwnd root, bool allDescendants, bool hex) {
    const ActionScope action;
    std::vector<std::string> rows;
    for (Hwnd h : ChildWindows(p, root, allDescendants)) rows.push_back(ChildRow(p, h, hex));
    return rows;
}

std::int32_t ReadChildRow(const std::string& row, bool hex) {
    const std::size_t width = !row.empty() && row[0] == '-' ? 11 : 10;
    return ReadNumText(Trim(row.substr(0, width)), hex);
}

std::string JoinRows(const std::vector<std::string>& rows) {
    std::string text;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i != 0) text += "\r\n";
        text += rows[i];
    }
    return text;
}

}  // namespace lumivex
