#include "desktop_tree/window_tree.h"

#include <cstdio>
#include <deque>
#include <unordered_map>
#include <unordered_set>

#include "info/tools_readings.h"
#include "info/window_text.h"
#include "platform/send.h"

namespace lumivex {
namespace {

constexpr std::uint32_t kTitleLimit = 60;
constexpr std::size_t kTitleWhole = 53, kTitleCut = 50;
const std::string kSeparator = " ┈ ";

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::size_t CharCount(const std::string& utf8) {
    std::size_t n = 0;
    for (char c : utf8) n += IsContinuationByte(c) ? 0 : 1;
    return n;
}

// The first count characters of a UTF-8 text.
std::string FirstChars(const std::string& utf8, std::size_t count) {
    std::size_t i = 0, seen = 0;
    for (; i < utf8.size(); ++i) {
        if (!IsContinuationByte(utf8[i]) && seen++ == count) break;
    }
    return utf8.substr(0, i);
}

// Nodes by window, so a parent is found in constant time.
class NodeTable {
public:
    NodeTable(TreeBuild& build, std::size_t expected) : build_(build) {
        index_.reserve(expected);
        build_.nodes.reserve(expected);
    }
    bool Has(Hwnd hwnd) const { return index_.count(hwnd) != 0; }
    void Add(Hwnd hwnd, std::string text, int parent) {
        index_.emplace(hwnd, static_cast<int>(build_.nodes.size()));
        build_.nodes.push_back(TreeNode{hwnd, HexK(hwnd), std::move(text), parent});
    }
    int Index(Hwnd hwnd) const { return index_.at(hwnd); }
    bool Empty() const { return build_.nodes.empty(); }

private:
    TreeBuild& build_;
    std::unordered_map<Hwnd, int> index_;
};

// The windows waiting to be placed: front removal, back append and the
// membership test all cost the same whatever the count.
class PendingQueue {
public:
    explicit PendingQueue(const std::vector<Hwnd>& windows) : queue_(windows.begin(), windows.end()) {
        waiting_.reserve(windows.size());
        for (Hwnd h : windows) ++waiting_[h];
    }
    std::size_t Count() const { return queue_.size(); }
    Hwnd TakeFront() {
        const Hwnd h = queue_.front();
        queue_.pop_front();
        if (--waiting_[h] == 0) waiting_.erase(h);
        return h;
    }
    void Append(Hwnd h) {
        queue_.push_back(h);
        ++waiting_[h];
    }
    bool Waiting(Hwnd h) const { return waiting_.count(h) != 0; }
    std::vector<Hwnd> Left() const { return {queue_.begin(), queue_.end()}; }

private:
    std::deque<Hwnd> queue_;
    std::unordered_map<Hwnd, int> waiting_;
};

}  // namespace

std::string HexS(Hwnd hwnd) {
    char buffer[9];
    std::snprintf(buffer, sizeof buffer, "%08X", static_cast<unsigned>(hwnd));
    return buffer;
}

std::string HexK(Hwnd hwnd) { return "S" + HexS(hwnd); }

std::string TreeTitle(Platform& p, Hwnd hwnd) {
    const std::string title = GetWndText(p, hwnd, kTitleLimit);
    if (CharCount(title) > kTitleWhole) return FirstChars(title, kTitleCut) + "...";
    return title;
}

std::string TreeNodeText(Platform& p, Hwnd hwnd) {
    std::string text = HexS(hwnd) + kSeparator + GetWndClass(p, hwnd);
    const std::string title = TreeTitle(p, hwnd);
    if (!title.empty()) text += kSeparator + title;
    return text;
}

std::vector<Hwnd> EnumWindowTree(Platform& p, Hwnd root) {
    std::vector<Hwnd> list{root};
    std::unordered_set<Hwnd> seen{root};
    // One cursor per nesting level instead of one call frame per level: a
    // deep desktop cannot overflow the stack.
    std::vector<Hwnd> runs;
    auto startRun = [&](Hwnd parent) {
        const Hwnd first = p.GetWindow(parent, win::GW_CHILD);
        if (first != 0 && runs.size() < kMaxTreeDepth) runs.push_back(p.GetWindow(first, win::GW_HWNDLAST));
    };
    startRun(root);
    while (!runs.empty() && list.size() < kMaxTreeWindows) {
        const Hwnd w = runs.back();
        if (w == 0 || !seen.insert(w).second) {
            runs.pop_back();
            continue;
        }
        list.push_back(w);
        runs.back() = p.GetWindow(w, win::GW_HWNDPREV);
        startRun(w);
    }
    return list;
}

TreeBuild BuildDesktopTree(Platform& p) {
    UnansweredScope quiet(p);
    TreeBuild build;
    const Hwnd desktop = p.GetDesktopWindow();
    PendingQueue pending(EnumWindowTree(p, desktop));
    NodeTable nodes(build, pending.Count());
    build.total = pending.Count();
    std::size_t retries = 0;
    while (pending.Count() != 0 && retries <= pending.Count()) {
        const Hwnd h = pending.TakeFront();
        Hwnd parent = p.GetParent(h);
        if (parent == 0) parent = desktop;
        if (nodes.Has(h)) {
            retries = 0;  // listed twice: the first node stands
        } else if (h != 0 && h != desktop) {
            if (nodes.Has(parent)) {
                nodes.Add(h, TreeNodeText(p, h), nodes.Index(parent));
                retries = 0;
            } else if (pending.Waiting(parent)) {
                pending.Append(h);
                ++retries;
            } else {
                nodes.Add(h, TreeNodeText(p, h), nodes.Has(desktop) ? nodes.Index(desktop) : -1);
                retries = 0;
            }
        } else {
            nodes.Add(h, TreeNodeText(p, h) + " ┈ [桌面]", -1);
            retries = 0;
        }
    }
    build.unplaced = pending.Left();
    return build;
}

std::optional<TreeBuild> BuildSubTree(Platform& p, Hwnd root) {
    if (root == 0 || !p.IsWindow(root) || p.IsHungAppWindow(root)) return std::nullopt;
    UnansweredScope quiet(p);
    TreeBuild build;
    PendingQueue pending(EnumWindowTree(p, root));
    NodeTable nodes(build, pending.Count());
    build.total = pending.Count();
    std::size_t retries = 0;
    while (pending.Count() != 0 && retries <= pending.Count()) {
        const Hwnd h = pending.TakeFront();
        const Hwnd parent = p.GetParent(h);
        if (nodes.Has(h)) {
            retries = 0;
        } else if (nodes.Empty()) {
            nodes.Add(h, TreeNodeText(p, h), -1);
            retries = 0;
        } else if (nodes.Has(parent)) {
            nodes.Add(h, TreeNodeText(p, h), nodes.Index(parent));
            retries = 0;
        } else {
            pending.Append(h);
            ++retries;
        }
    }
    build.unplaced = pending.Left();
    return build;
}

std::string TreeCaption(std::size_t total, double seconds) {
    char elapsed[32];
    std::snprintf(elapsed, sizeof elapsed, "%.3f", seconds);
    return "句柄树结构列表 [共" + std::to_string(total) + "项] - (耗时 " + elapsed + " 秒)";
}

std::string UnplacedMessage(const std::vector<Hwnd>& unplaced) {
    if (unplaced.empty()) return {};
    std::string text = "循环超时！以下句柄无法添加到树节点中！\r\n\r\n";
    for (std::size_t i = 0; i < unplaced.size(); ++i) {
        if (i != 0) text += ", ";
        text += std::to_string(static_cast<std::int32_t>(unplaced[i]));
    }
    return text;
}

Point CenteredBoxOrigin(const Rect& box, const Rect& owner) {
    auto floorHalf = [](std::int64_t v) { return static_cast<std::int32_t>(v >= 0 ? v / 2 : -((-v + 1) / 2)); };
    const std::int64_t w = std::int64_t{box.right} - box.left, h = std::int64_t{box.bottom} - box.top;
    Point origin;
    origin.x = owner.left + floorHalf(std::int64_t{owner.right} - owner.left - w);
    origin.y = owner.top + floorHalf(std::int64_t{owner.bottom} - owner.top - h);
    return origin;
}

std::string GoToNodeKey(const std::string& handleText) {
    if (handleText.size() == 8) return "S" + handleText;
    const std::string padded = "00000000" + handleText;
    return "S" + padded.substr(padded.size() - 8);
}

std::optional<char> FilterHandleKey(int code) {
    switch (code) {
    case 0: return '\0';
    case 1: case 3: case 8: case 13: case 22: case 24: case 25: case 26: case 46:
        return static_cast<char>(code);
    default: break;
    }
    if (code >= '0' && code <= '9') return static_cast<char>(code);
    if (code >= 'A' && code <= 'F') return static_cast<char>(code);
    if (code >= 'a' && code <= 'f') return static_cast<char>(code - 'a' + 'A');
    return std::nullopt;
}

int FindNode(const std::vector<TreeNode>& nodes, const std::string& key) {
    if (key.empty()) return -1;
    for (std::size_t i = 0; i < nodes.size(); ++i)
        if (nodes[i].key == key) return static_cast<int>(i);
    return -1;
}

}  // namespace lumivex
