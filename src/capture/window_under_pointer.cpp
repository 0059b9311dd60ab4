#include "capture/window_under_pointer.h"

#include "info/num_text.h"

namespace lumivex {

namespace {
// More windows than a desktop can hold: a sibling chain that loops ends here.
constexpr int kMaxSiblingWalk = 1 << 16;

Rect WindowRect(Platform& p, Hwnd hwnd) {
    Rect r;
    p.GetWindowRect(hwnd, r);
    return r;
}

std::int64_t Width(const Rect& r) { return std::int64_t{r.right} - r.left; }
std::int64_t Height(const Rect& r) { return std::int64_t{r.bottom} - r.top; }
}  // namespace

bool IsTopLevelWindow(Platform& p, Hwnd hwnd) {
    const auto style = static_cast<std::uint32_t>(p.GetWindowLongA(hwnd, win::GWL_STYLE));
    if (style & win::WS_POPUP) return true;
    if (!(style & win::WS_CHILD)) return true;
    return p.GetParent(hwnd) == 0;
}

CursorData GetCursorData(Platform& p) {
    CursorInfo info;
    p.GetCursorInfo(info);
    return {info.hCursor, info.ptScreenPos.x, info.ptScreenPos.y};
}

std::string CountdownTitle(int shown, const CursorData& cursor) {
    return "获取数据 " + std::to_string(shown) + " - 【鼠标 X: " + std::to_string(cursor.x) +
           ", Y: " + std::to_string(cursor.y) + ", 光标: 0x" +
           HexText(static_cast<std::uint32_t>(cursor.cursor)) + "】";
}

Hwnd GetMouseHwnd(Platform& p) {
    Point pt;
    p.GetCursorPos(pt);
    Hwnd best = p.WindowFromPoint(pt);
    Hwnd c = p.GetWindow(best, win::GW_CHILD);
    if (!IsTopLevelWindow(p, best) && c == 0) c = p.GetWindow(best, win::GW_HWNDLAST);

    // WindowFromPoint passes over hidden and disabled controls; a smaller
    // sibling under the point (a disabled button inside a group box) wins.
    // The walk is bounded: a sibling chain that loops must not hang us.
    Rect bestRect = WindowRect(p, best);
    for (int steps = 0; c != 0 && steps < kMaxSiblingWalk; ++steps) {
        const Rect r = WindowRect(p, c);
        if (PtInRect(r, pt) && Width(r) < Width(bestRect) && Height(r) < Height(bestRect)) {
            best = c;
            bestRect = r;
        }
        c = p.GetWindow(c, win::GW_HWNDPREV);
    }

    c = p.GetWindow(best, win::GW_CHILD);
    for (int steps = 0; c != 0 && steps < kMaxSiblingWalk; ++steps) {
        if (PtInRect(WindowRect(p, c), pt)) return c;
        c = p.GetWindow(c, win::GW_HWNDNEXT);
    }
    return best;
}

}  // namespace lumivex
