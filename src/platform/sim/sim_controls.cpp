#include "platform/sim/sim_controls.h"

#include <algorithm>
#include <cstring>

#include "platform/utf16.h"

namespace lumivex::sim {

namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
    std::uint32_t v = 0;
    std::memcpy(&v, b.data() + at, 4);
    return v;
}
std::uint64_t U64(const std::vector<std::uint8_t>& b, std::size_t at) {
    std::uint64_t v = 0;
    std::memcpy(&v, b.data() + at, 8);
    return v;
}
RemoteAddress Address(Lparam lParam) { return static_cast<RemoteAddress>(static_cast<std::uintptr_t>(lParam)); }

bool Is64(SimDesktop& desk, const SimWindow& self) {
    const SimProcess* proc = desk.Process(self.processId);
    return proc && proc->is64Bit && desk.system64Bit;
}

// Copies at most cchTextMax - 1 UTF-16 units and a NUL into the caller's
// buffer in the control's process; the number of units copied, or -1.
Lresult CopyToRemote(SimDesktop& desk, std::uint32_t pid, const std::u16string& text, RemoteAddress at,
                     std::int32_t cchTextMax) {
    if (cchTextMax <= 0) return -1;
    const std::size_t n = std::min(text.size(), static_cast<std::size_t>(cchTextMax) - 1);
    std::u16string out = text.substr(0, n);
    out.push_back(u'\0');
    return desk.WriteRemote(pid, at, out.data(), out.size() * sizeof(char16_t)) ? static_cast<Lresult>(n) : -1;
}

Hwnd CreateChild(SimDesktop& desk, Hwnd parent, const char* cls) {
    WindowSpec s;
    s.className = cls;
    s.style = win::WS_CHILD | win::WS_VISIBLE;
    s.parent = parent;
    s.rect = {10, 10, 210, 160};
    return desk.CreateWindow(s);
}

}  // namespace

std::optional<Lresult> SimListBox::Answer(SimDesktop&, SimWindow&, std::uint32_t msg, Wparam wParam,
                                          Lparam lParam) {
    const std::uint32_t countMsg = combo_ ? win::CB_GETCOUNT : win::LB_GETCOUNT;
    const std::uint32_t lenMsg = combo_ ? win::CB_GETLBTEXTLEN : win::LB_GETTEXTLEN;
    const std::uint32_t textMsg = combo_ ? win::CB_GETLBTEXT : win::LB_GETTEXT;
    if (msg == countMsg) return static_cast<Lresult>(items.size());
    if (msg != lenMsg && msg != textMsg) return std::nullopt;
    if (wParam >= items.size()) return win::LB_ERR;
    const std::u16string& unicode = items[wParam];
    if (msg == lenMsg) return static_cast<Lresult>(unicode.size());
    if (!lParam) return win::LB_ERR;
    std::memcpy(reinterpret_cast<void*>(lParam), unicode.c_str(), (unicode.size() + 1) * sizeof(char16_t));
    return static_cast<Lresult>(unicode.size());
}

std::optional<Lresult> SimHeader::Answer(SimDesktop&, SimWindow&, std::uint32_t msg, Wparam, Lparam) {
    if (msg == win::HDM_GETITEMCOUNT) return columns;
    return std::nullopt;
}

std::optional<Lresult> SimListView::Answer(SimDesktop& desk, SimWindow& self, std::uint32_t msg, Wparam wParam,
                                           Lparam lParam) {
    if (msg == win::LVM_GETITEMCOUNT) return static_cast<Lresult>(rows.size());
    if (msg == win::LVM_GETHEADER) return static_cast<Lresult>(header);
    if (msg != win::LVM_GETITEMTEXTW) return std::nullopt;
    ++requests;
    const bool is64 = Is64(desk, self);
    std::vector<std::uint8_t> request(is64 ? 48 : 40);
    if (!desk.ReadRemote(self.processId, Address(lParam), request.data(), request.size())) return 0;
    lastRequest = request;
    const std::uint32_t subItem = U32(request, 8);
    const RemoteAddress text = is64 ? U64(request, 24) : U32(request, 20);
    const auto cchTextMax = static_cast<std::int32_t>(U32(request, is64 ? 32 : 24));
    // An item or column that does not exist: nothing is written.
    if (wParam >= rows.size() || subItem >= rows[wParam].size()) return 0;
    const Lresult copied = CopyToRemote(desk, self.processId, rows[wParam][subItem], text, cchTextMax);
    return copied < 0 ? 0 : copied;
}

int SimTreeView::NodeOf(std::uint64_t handle) const {
    if (handle < base || (handle - base) % 0x40 != 0) return -1;
    const std::uint64_t index = (handle - base) / 0x40;
    return index < nodes.size() ? static_cast<int>(index) : -1;
}

int SimTreeView::NextVisible(int node) const {
    const Node& n = nodes[static_cast<std::size_t>(node)];
    if (n.expanded && !n.children.empty()) return n.children.front();
    for (int cur = node; cur != -1; cur = nodes[static_cast<std::size_t>(cur)].parent) {
        const int parent = nodes[static_cast<std::size_t>(cur)].parent;
        const std::vector<int>& siblings = parent == -1 ? roots : nodes[static_cast<std::size_t>(parent)].children;
        const auto it = std::find(siblings.begin(), siblings.end(), cur);
        if (it + 1 != siblings.end()) return *(it + 1);
    }
    return -1;
}

std::optional<Lresult> SimTreeView::Answer(SimDesktop& desk, SimWindow& self, std::uint32_t msg, Wparam wParam,
                                           Lparam lParam) {
    if (msg == win::TVM_GETCOUNT) return static_cast<Lresult>(nodes.size());
    if (msg == win::TVM_GETNEXTITEM) {
        if (wParam == win::TVGN_ROOT) return roots.empty() ? 0 : static_cast<Lresult>(HandleOf(roots.front()));
        if (wParam != win::TVGN_NEXTVISIBLE) return 0;
        const int node = NodeOf(Address(lParam));
        if (node < 0) {
            ++desk.badItemHandles;
            return 0;
        }
        const int next = NextVisible(node);
        return next < 0 ? 0 : static_cast<Lresult>(HandleOf(next));
    }
    if (msg != win::TVM_GETITEMW) return std::nullopt;
    const bool is64 = Is64(desk, self);
    std::vector<std::uint8_t> request(is64 ? 56 : 44);
    if (!desk.ReadRemote(self.processId, Address(lParam), request.data(), request.size())) return 0;
    lastRequest = request;
    const int node = NodeOf(is64 ? U64(request, 8) : U32(request, 4));
    if (node < 0) {
        ++desk.badItemHandles;
        return 0;
    }
    if (!(U32(request, 0) & win::TVIF_TEXT)) return 1;
    const RemoteAddress text = is64 ? U64(request, 24) : U32(request, 16);
    const auto cchTextMax = static_cast<std::int32_t>(U32(request, is64 ? 32 : 20));
    return CopyToRemote(desk, self.processId, nodes[static_cast<std::size_t>(node)].text, text, cchTextMax) < 0 ? 0 : 1;
}

Hwnd CreateListBox(SimDesktop& desk, Hwnd parent, const std::vector<std::string>& items, bool combo) {
    std::vector<std::u16string> unicode;
    for (const auto& item : items) unicode.push_back(Utf8ToUtf16(item));
    const Hwnd hwnd = CreateChild(desk, parent, combo ? "ComboBox" : "ListBox");
    desk.Window(hwnd).control = std::make_shared<SimListBox>(combo, std::move(unicode));
    return hwnd;
}

Hwnd CreateListView(SimDesktop& desk, Hwnd parent, const std::vector<std::vector<std::string>>& rows, int columns,
                    bool withHeader) {
    const Hwnd hwnd = CreateChild(desk, parent, "SysListView32");
    auto control = std::make_shared<SimListView>();
    for (const auto& row : rows) {
        std::vector<std::u16string> unicode;
        for (const auto& cell : row) unicode.push_back(Utf8ToUtf16(cell));
        control->rows.push_back(std::move(unicode));
    }
    if (withHeader) {
        control->header = CreateChild(desk, hwnd, "SysHeader32");
        desk.Window(control->header).control = std::make_shared<SimHeader>(columns);
    }
    desk.Window(hwnd).control = control;
    return hwnd;
}

Hwnd CreateTreeView(SimDesktop& desk, Hwnd parent, const std::vector<TreeNodeSpec>& roots) {
    const Hwnd hwnd = CreateChild(desk, parent, "SysTreeView32");
    auto control = std::make_shared<SimTreeView>();
    const SimProcess* proc = desk.Process(desk.Window(hwnd).processId);
    control->base = proc && proc->is64Bit ? 0x0000025000001000ull : 0x00A01000ull;
    // Depth first, so that every node's index is fixed before its children's.
    struct Adder {
        SimTreeView& tree;
        int Add(const TreeNodeSpec& node, int parent) {
            const int index = static_cast<int>(tree.nodes.size());
            tree.nodes.push_back({Utf8ToUtf16(node.text), parent, node.expanded, {}});
            for (const auto& child : node.children) {
                const int c = Add(child, index);
                tree.nodes[static_cast<std::size_t>(index)].children.push_back(c);
            }
            return index;
        }
    } adder{*control};
    for (const auto& root : roots) control->roots.push_back(adder.Add(root, -1));
    desk.Window(hwnd).control = control;
    return hwnd;
}

}  // namespace lumivex::sim
