// Simulated menus: menu bars and system menus of windows, with submenus and
// separators. Lookups by identifier search the whole tree under the menu
// given, the way the system does, and survive a menu that contains itself.
#include <functional>
#include <set>

#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_text.h"
#include "platform/utf16.h"

namespace lumivex::sim {

namespace {
constexpr std::uint32_t kNoItem = 0xFFFFFFFFu;
}  // namespace

Hmenu SimDesktop::CreateMenu() {
    const Hmenu menu = nextMenu_;
    nextMenu_ += 0x10;
    menus_[menu];
    return menu;
}

void SimDesktop::AppendMenu(Hmenu menu, const std::string& text, std::uint32_t id, Hmenu sub,
                            std::uint32_t state) {
    SimMenuItem item;
    item.text = text;
    item.id = sub ? static_cast<std::uint32_t>(sub) : id;
    item.sub = sub;
    item.state = state;
    menus_[menu].push_back(item);
}

void SimDesktop::AppendSeparator(Hmenu menu) {
    SimMenuItem item;
    // What the system answers for a separator: it is also grayed and disabled.
    item.state = win::MF_SEPARATOR | win::MF_GRAYED | win::MF_DISABLED;
    menus_[menu].push_back(item);
}

const SimDesktop::SimMenuItem* SimDesktop::FindMenuItem(Hmenu root, std::uint32_t id, std::uint32_t flags) {
    const auto top = menus_.find(root);
    if (top == menus_.end()) return nullptr;
    if (flags & win::MF_BYPOSITION) return id < top->second.size() ? &top->second[id] : nullptr;
    std::set<Hmenu> seen;
    std::function<const SimMenuItem*(Hmenu)> search = [&](Hmenu menu) -> const SimMenuItem* {
        if (!seen.insert(menu).second) return nullptr;
        const auto it = menus_.find(menu);
        if (it == menus_.end()) return nullptr;
        for (const SimMenuItem& item : it->second) {
            if (item.id == id) return &item;
            if (item.sub)
                if (const SimMenuItem* found = search(item.sub)) return found;
        }
        return nullptr;
    };
    return search(root);
}

Hmenu SimDesktop::GetMenu(Hwnd hwnd) {
    const SimWindow* w = Find(hwnd);
    return w ? w->menu : 0;
}

Hmenu SimDesktop::GetSystemMenu(Hwnd hwnd, bool) {
    const SimWindow* w = Find(hwnd);
    return w ? w->systemMenu : 0;
}

Hmenu SimDesktop::GetSubMenu(Hmenu menu, int pos) {
    const auto it = menus_.find(menu);
    if (it == menus_.end() || pos < 0 || static_cast<std::size_t>(pos) >= it->second.size()) return 0;
    return it->second[static_cast<std::size_t>(pos)].sub;
}

int SimDesktop::GetMenuItemCount(Hmenu menu) {
    if (const auto lie = faults.menuCountLies.find(menu); lie != faults.menuCountLies.end()) return lie->second;
    const auto it = menus_.find(menu);
    return it == menus_.end() ? -1 : static_cast<int>(it->second.size());
}

std::uint32_t SimDesktop::GetMenuItemID(Hmenu menu, int pos) {
    const auto it = menus_.find(menu);
    if (it == menus_.end() || pos < 0 || static_cast<std::size_t>(pos) >= it->second.size()) return kNoItem;
    const SimMenuItem& item = it->second[static_cast<std::size_t>(pos)];
    return item.sub ? kNoItem : item.id;
}

std::uint32_t SimDesktop::GetMenuState(Hmenu menu, std::uint32_t id, std::uint32_t flags) {
    const SimMenuItem* item = FindMenuItem(menu, id, flags);
    if (!item) return kNoItem;
    if (!item->sub) return item->state;
    // A submenu's item: its item count in the high byte, MF_POPUP among the flags.
    const auto sub = menus_.find(item->sub);
    const std::uint32_t count = sub == menus_.end() ? 0 : static_cast<std::uint32_t>(sub->second.size());
    return (count << 8) | win::MF_POPUP | (item->state & 0xFF);
}

int SimDesktop::GetMenuStringW(Hmenu menu, std::uint32_t id, char16_t* buffer, int maxCount, std::uint32_t flags) {
    const SimMenuItem* item = FindMenuItem(menu, id, flags);
    if (!item) {
        if (buffer && maxCount > 0) buffer[0] = u'\0';
        return 0;
    }
    return CopyOut(Utf8ToUtf16(item->text), buffer, maxCount);
}

}  // namespace lumivex::sim
