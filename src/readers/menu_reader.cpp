#include "readers/menu_reader.h"

#include <algorithm>
#include <vector>

#include "info/window_text.h"
#include "platform/text_limit.h"
#include "tree/array_ops.h"

namespace lumivex {

namespace {

// What GetMenuState answers for a separator: MF_SEPARATOR, grayed, disabled.
constexpr std::uint32_t kSeparatorState = win::MF_SEPARATOR | win::MF_GRAYED | win::MF_DISABLED;
constexpr std::uint32_t kStateLookupFlags = 0x0800;
constexpr int kMenuTextBuffer = 255;  // characters, its NUL included

void Collect(Platform& p, Hmenu root, Hmenu menu, ValueArray& lines, const ReadLimits& limits,
             std::vector<Hmenu>& path) {
    path.push_back(menu);
    const int n = p.GetMenuItemCount(menu);
    for (int pos = 0; pos < n; ++pos) {
        if (static_cast<std::uint64_t>(ArrayCount(lines)) >= limits.maxMenuLines) break;
        const Hmenu sub = p.GetSubMenu(menu, pos);
        const int subCount = p.GetMenuItemCount(sub);
        // A submenu's handle is the identifier of the item that opens it.
        const std::uint32_t reference =
            subCount != -1 ? static_cast<std::uint32_t>(sub) : p.GetMenuItemID(menu, pos);
        // By identifier: the flags hold no MF_BYPOSITION bit.
        if (p.GetMenuState(root, reference, kStateLookupFlags) == kSeparatorState) {
            ArrayAppend(lines, Value::String(kMenuSeparatorLine));
        } else {
            std::u16string buffer(kMenuTextBuffer, u'\0');
            p.GetMenuStringW(root, reference, buffer.data(), kMenuTextBuffer, win::MF_BYCOMMAND);
            ArrayAppend(lines, Value::String(TextWithin(p, CutAtNul(buffer), kMenuTextBuffer - 1)));
        }
        const bool onPath = std::find(path.begin(), path.end(), sub) != path.end();
        if (subCount != -1 && !onPath && static_cast<int>(path.size()) < limits.maxMenuDepth)
            Collect(p, root, sub, lines, limits, path);
    }
    path.pop_back();
}

}  // namespace

void CollectMenuItems(Platform& p, Hmenu root, Hmenu menu, ValueArray& lines, const ReadLimits& limits) {
    std::vector<Hmenu> path;
    Collect(p, root, menu, lines, limits, path);
}

std::string ReadMenuText(Platform& p, Hwnd hwnd, const ReadLimits& limits) {
    if (hwnd == 0 || !p.IsWindow(hwnd)) return {};
    const Hmenu sys = p.GetSystemMenu(hwnd, false);
    Hmenu menu = p.GetMenu(hwnd);
    if (menu == 0 && sys != 0) menu = sys;
    ValueArray lines;
    CollectMenuItems(p, menu, menu, lines, limits);
    std::string text;
    for (std::int32_t i = 0; i < ArrayCount(lines); ++i) {
        if (i > 0) text += "\r\n";
        text += lines[static_cast<std::size_t>(i)].Str();
    }
    return text;
}

}  // namespace lumivex
