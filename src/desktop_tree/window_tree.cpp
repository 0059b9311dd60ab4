#include "desktop_tree/window_tree.h"

#include <cstdio>
#include <deque>
#include <unordered_map>

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

// The windows of one enumeration, each once, and where each stands in it.
struct Enumeration {
    std::vector<Hwnd> windows;
    std::unordered_map<Hwnd, int> position;

    int PositionOf(Hwnd hwnd) const {
        const auto found = position.find(hwnd);
        return found == position.end() ? -1 : found->second;
    }
};

Enumeration Enumerate(Platform& p, Hwnd root) {
    Enumeration e;
    auto add = [&e](Hwnd w) {
        if (!e.position.emplace(w, static_cast<int>(e.windows.size())).second) return false;
        e.windows.push_back(w);
        return true;
    };
    add(root);
    // One cursor per nesting level instead of one call frame per level: a
    // deep desktop cannot overflow the stack.
    std::vector<Hwnd> runs;
    auto startRun = [&](Hwnd parent) {
        const Hwnd first = p.GetWindow(parent, win::GW_CHILD);
        if (first != 0 && runs.size() < kMaxTreeDepth) runs.push_back(p.GetWindow(first, win::GW_HWNDLAST));
    };
    startRun(root);
    while (!runs.empty() && e.windows.size() < kMaxTreeWindows) {
        const Hwnd w = runs.back();
        if (w == 0 || !add(w)) {
            runs.pop_back();
            continue;
        }
        runs.back() = p.GetWindow(w, win::GW_HWNDPREV);
        startRun(w);
    }
    return e;
}

// Places the enumerated windows as nodes. Windows are named by their
// position in the enumeration, so taking the next one, re-queueing it and
// asking whether a window is placed or still waiting all cost the same
// whatever the count; only a parent's handle needs the position map.
class Placement {
public:
    Placement(Platform& p, const Enumeration& e, TreeBuild& build)
        : p_(p), e_(e), build_(build), waiting_(e.windows.size(), 1), node_(e.windows.size(), -1) {
        for (int i = 0; i < static_cast<int>(e.windows.size()); ++i) queue_.push_back(i);
        build_.nodes.reserve(e.windows.size());
        build_.total = e.windows.size();
    }

    std::size_t Waiting() const { return queue_.size(); }
    int TakeNext() {
        const int at = queue_.front();
        queue_.pop_front();
        waiting_[at] = 0;
        return at;
    }
    void Requeue(int at) {
        queue_.push_back(at);
        waiting_[at] = 1;
    }
    Hwnd WindowAt(int at) const { return e_.windows[at]; }
    int PositionOf(Hwnd hwnd) const { return e_.PositionOf(hwnd); }
    bool IsWaiting(int at) const { return at >= 0 && waiting_[at] != 0; }
    // The node of the window at this position, or -1 while it has none.
    int NodeOf(int at) const { return at < 0 ? -1 : node_[at]; }
    bool Empty() const { return build_.nodes.empty(); }

    void Place(int at, std::string suffix, int parentNode) {
        node_[at] = static_cast<int>(build_.nodes.size());
        std::string text = TreeNodeText(p_, e_.windows[at]) + suffix;
        std::string key = "S" + text.substr(0, 8);
        build_.nodes.push_back(TreeNode{e_.windows[at], std::move(key), std::move(text), parentNode});
    }
    void Finish() {
        for (int at : queue_) build_.unplaced.push_back(e_.windows[at]);
    }

private:
    Platform& p_;
    const Enumeration& e_;
    TreeBuild& build_;
    std::deque<int> queue_;
    std::vector<char> waiting_;
    std::vector<int> node_;
};

}  // namespace

std::string HexS(Hwnd hwnd) {
    char buffer[9];
    std::snprintf(buffer, sizeof buffer, "%08X", static_cast<unsigned>(hwnd));
    return buffer;
}

std::string HexK(Hwnd hwnd) { return "S" + HexS(hwnd); }

namespace {
// One WM_GETTEXT into a buffer a character longer than the limit: the text
// asking the length first would give (the length is only ever a bound),
// with half the sends to the window's process.
std::string ReadTitle(Platform& p, Hwnd hwnd) {
    if (p.IsHungAppWindow(hwnd)) return kNotResponding;
    bool refused = false;
    if (auto title = SendGetText(p, hwnd, kTitleLimit + 1, kSendTimeoutMs, &refused)) return *title;
    if (refused) return kAccessDenied;
    return p.IsWindow(hwnd) ? kNotResponding : std::string();
}
}  // namespace

std::string TreeTitle(Platform& p, Hwnd hwnd) {
    const std::string title = ReadTitle(p, hwnd);
    if (CharCount(title) > kTitleWhole) return FirstChars(title, kTitleCut) + "...";
    return title;
}

std::string TreeNodeText(Platform& p, Hwnd hwnd) {
    std::string text = HexS(hwnd) + kSeparator + GetWndClass(p, hwnd);
    const std::string title = TreeTitle(p, hwnd);
    if (!title.empty()) text += kSeparator + title;
    return text;
}

std::vector<Hwnd> EnumWindowTree(Platform& p, Hwnd root) { return Enumerate(p, root).windows; }

TreeBuild BuildDesktopTree(Platform& p) {
    const ActionScope action;
    TreeBuild build;
    const Hwnd desktop = p.GetDesktopWindow();
    const Enumeration windows = Enumerate(p, desktop);
    Placement placement(p, windows, build);
    const int desktopAt = placement.PositionOf(desktop);
    // A window whose parent still waits goes to the back of the queue; a
    // whole pass without a placement means the rest can never be placed.
    std::size_t retries = 0;
    while (placement.Waiting() != 0 && retries <= placement.Waiting()) {
        const int at = placement.TakeNext();
        const Hwnd h = placement.WindowAt(at);
        const Hwnd parent = p.GetParent(h);
        const int parentAt = parent == 0 ? desktopAt : placement.PositionOf(parent);
        if (h == desktop) {
            placement.Place(at, " ┈ [桌面]", -1);
        } else if (placement.NodeOf(parentAt) >= 0) {
            placement.Place(at, "", placement.NodeOf(parentAt));
        } else if (placement.IsWaiting(parentAt)) {
            placement.Requeue(at);
            ++retries;
            continue;
        } else {
            // Its parent is not on the desktop's list: it hangs off the desktop.
            placement.Place(at, "", placement.NodeOf(desktopAt));
        }
        retries = 0;
    }
    placement.Finish();
    return build;
}

std::optional<TreeBuild> BuildSubTree(Platform& p, Hwnd root) {
    if (root == 0 || !p.IsWindow(root) || p.IsHungAppWindow(root)) return std::nullopt;
    const ActionScope action;
    TreeBuild build;
    const Enumeration windows = Enumerate(p, root);
    Placement placement(p, windows, build);
    std::size_t retries = 0;
    while (placement.Waiting() != 0 && retries <= placement.Waiting()) {
        const int at = placement.TakeNext();
        if (placement.Empty()) {
            placement.Place(at, "", -1);
        } else if (const int parentNode = placement.NodeOf(placement.PositionOf(p.GetParent(placement.WindowAt(at))));
                   parentNode >= 0) {
            placement.Place(at, "", parentNode);
        } else {
            placement.Requeue(at);
            ++retries;
            continue;
        }
        retries = 0;
    }
    placement.Finish();
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
