// Simulated common controls of other programs: list boxes, combo boxes,
// report list views with their header, tree views. List views and tree
// views take their request structure from their own process's memory, in
// the layout of that process's bitness, and write the text back there, as
// the real controls do: a request in the wrong layout, or pointing at memory
// that was never allocated, shows up in SimDesktop::badRemoteAccesses.
#pragma once

#include <string>
#include <vector>

#include "platform/sim/sim_desktop.h"

namespace lumivex::sim {

class SimListBox : public SimControl {
public:
    SimListBox(bool combo, std::vector<std::u16string> unicodeItems) : items(std::move(unicodeItems)), combo_(combo) {}
    std::optional<Lresult> Answer(SimDesktop& desk, SimWindow& self, std::uint32_t msg, Wparam wParam,
                                  Lparam lParam) override;
    std::vector<std::u16string> items;

private:
    bool combo_;
};

class SimHeader : public SimControl {
public:
    explicit SimHeader(int count) : columns(count) {}
    std::optional<Lresult> Answer(SimDesktop&, SimWindow&, std::uint32_t msg, Wparam, Lparam) override;
    int columns;
};

class SimListView : public SimControl {
public:
    std::optional<Lresult> Answer(SimDesktop& desk, SimWindow& self, std::uint32_t msg, Wparam wParam,
                                  Lparam lParam) override;
    std::vector<std::vector<std::u16string>> rows;
    Hwnd header = 0;
    // The last request structure read, as it lay in the control's memory.
    std::vector<std::uint8_t> lastRequest;
    int requests = 0;
};

struct TreeNodeSpec {
    std::string text;  // UTF-8
    bool expanded = false;
    std::vector<TreeNodeSpec> children;
};

class SimTreeView : public SimControl {
public:
    std::optional<Lresult> Answer(SimDesktop& desk, SimWindow& self, std::uint32_t msg, Wparam wParam,
                                  Lparam lParam) override;
    struct Node {
        std::u16string text;
        int parent = -1;
        bool expanded = false;
        std::vector<int> children;
    };
    std::vector<Node> nodes;
    std::vector<int> roots;
    // Item handles are addresses in the owning process: above 4 GiB in a 64-bit one.
    std::uint64_t base = 0;
    std::uint64_t HandleOf(int node) const { return base + static_cast<std::uint64_t>(node) * 0x40; }
    int NodeOf(std::uint64_t handle) const;
    int NextVisible(int node) const;
    std::vector<std::uint8_t> lastRequest;
};

// Builders: texts are UTF-8, held as UTF-16 as the real controls hold them. Each
// control is a child of parent and lives in its process.
Hwnd CreateListBox(SimDesktop& desk, Hwnd parent, const std::vector<std::string>& items, bool combo = false);
// A report list view with a header of columns columns; withHeader false
// makes one in icon view, without a header control.
Hwnd CreateListView(SimDesktop& desk, Hwnd parent, const std::vector<std::vector<std::string>>& rows,
                    int columns, bool withHeader = true);
Hwnd CreateTreeView(SimDesktop& desk, Hwnd parent, const std::vector<TreeNodeSpec>& roots);

template <typename Control>
Control& ControlOf(SimDesktop& desk, Hwnd hwnd) {
    return static_cast<Control&>(*desk.Window(hwnd).control);
}

}  // namespace lumivex::sim
