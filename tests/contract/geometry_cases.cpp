// Window and client rectangles, placing windows, and what WindowFromPoint
// finds: what the finder, the position readings and the picture rely on.
#include <functional>

#include "contract_win.h"
#include "world.h"

namespace lumivex::contract {

namespace {
int Width(const Rect& r) { return r.right - r.left; }
int Height(const Rect& r) { return r.bottom - r.top; }
Rect Shifted(Rect r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }
}  // namespace

// The client area lies inside the frame by the system's metrics: the same
// on the left, right and bottom, the caption added at the top. The
// position readings take a parent's border and caption from that difference.
TEST_P(Geometry, ClientAreaLiesInsideTheFrame) {
    const std::uint32_t captioned = win::WS_VISIBLE | win::WS_CAPTION | win32::WS_SYSMENU;
    const Hwnd holder = Frame({600, 100, 1000, 500});
    const struct {
        const char* what;
        std::uint32_t style, exStyle;
        bool child;
        int sideX, sideY;  // metrics of the frame's width; -1 for none
        bool caption;
    } rows[] = {
        {"plain child", win::WS_CHILD | win::WS_VISIBLE, 0, true, -1, -1, false},
        {"bordered child", win::WS_CHILD | win::WS_VISIBLE | win::WS_BORDER, 0, true, win::SM_CXBORDER,
         win::SM_CYBORDER, false},
        {"sunken child", win::WS_CHILD | win::WS_VISIBLE, win::WS_EX_CLIENTEDGE, true, win::SM_CXEDGE,
         win::SM_CYEDGE, false},
        {"dialog frame", captioned, 0, false, win::SM_CXDLGFRAME, win::SM_CYDLGFRAME, true},
        {"sizing frame", captioned | win::WS_THICKFRAME, 0, false, win::SM_CXFRAME, win::SM_CYFRAME, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        WindowDesc desc;
        desc.kind = Kind::Frame;
        desc.style = row.style;
        desc.exStyle = row.exStyle;
        desc.parent = row.child ? holder : 0;
        desc.place = row.child ? Rect{10, 20, 210, 170} : Rect{100, 100, 400, 350};
        const Hwnd hwnd = world().Create(desc);
        const Rect window = WindowRect(hwnd), client = ClientRect(hwnd);
        const int sideX = row.sideX < 0 ? 0 : p().GetSystemMetrics(row.sideX);
        const int sideY = row.sideY < 0 ? 0 : p().GetSystemMetrics(row.sideY);
        const int top = sideY + (row.caption ? p().GetSystemMetrics(win::SM_CYCAPTION) : 0);
        EXPECT_EQ(Width(window), Width(desc.place));
        EXPECT_EQ(Height(window), Height(desc.place));
        EXPECT_EQ(client.left, 0);
        EXPECT_EQ(client.top, 0);
        EXPECT_EQ(client.right, Width(window) - 2 * sideX);
        EXPECT_EQ(client.bottom, Height(window) - top - sideY);
        // A child's place is counted from the client area's corner.
        const Hwnd inner = Child(hwnd, {7, 9, 27, 19});
        EXPECT_EQ(WindowRect(inner), (Rect{window.left + sideX + 7, window.top + top + 9, window.left + sideX + 27,
                                           window.top + top + 19}));
    }
}

TEST_P(Geometry, MovingAWindowMovesItsChildren) {
    const Hwnd frame = Frame({100, 100, 500, 400});
    const Hwnd child = Child(frame, {10, 20, 110, 120}, Kind::Static,
                             win::WS_CHILD | win::WS_VISIBLE | win::WS_BORDER);
    const Hwnd inner = Child(child, {5, 5, 25, 25});
    const Rect frame0 = WindowRect(frame), child0 = WindowRect(child), inner0 = WindowRect(inner);
    const Rect client0 = ClientRect(frame);
    constexpr std::uint32_t kSizeOnly = win::SWP_NOMOVE | win::SWP_NOZORDER | win::SWP_NOACTIVATE;
    constexpr std::uint32_t kMoveOnly = win::SWP_NOSIZE | win::SWP_NOZORDER | win::SWP_NOACTIVATE;
    const struct {
        const char* what;
        std::function<bool()> act;
        Rect frame;
        int childDx, childDy;  // how far the child and its child moved
        int innerDx, innerDy;  // how far the child's child moved beyond that
        int clientGrowth;      // of the frame's client area, both ways
    } steps[] = {
        {"MoveWindow of the frame", [&] { return p().MoveWindow(frame, 150, 130, 400, 300, true); },
         Shifted(frame0, 50, 30), 50, 30, 0, 0, 0},
        {"frame made larger", [&] { return p().SetWindowPos(frame, 0, 0, 0, 440, 340, kSizeOnly); },
         {150, 130, 590, 470}, 50, 30, 0, 0, 40},
        {"child placed in the frame", [&] { return p().SetWindowPos(child, 0, 30, 40, 0, 0, kMoveOnly); },
         {150, 130, 590, 470}, 70, 50, 0, 0, 40},
        {"frame moved back", [&] { return p().SetWindowPos(frame, 0, 100, 100, 0, 0, kMoveOnly); },
         {100, 100, 540, 440}, 20, 20, 0, 0, 40},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        ASSERT_TRUE(step.act());
        EXPECT_EQ(WindowRect(frame), step.frame);
        EXPECT_EQ(WindowRect(child), Shifted(child0, step.childDx, step.childDy));
        EXPECT_EQ(WindowRect(inner), Shifted(inner0, step.childDx + step.innerDx, step.childDy + step.innerDy));
        const Rect client = ClientRect(frame);
        EXPECT_EQ(client.right, client0.right + step.clientGrowth);
        EXPECT_EQ(client.bottom, client0.bottom + step.clientGrowth);
    }
}

// The finder takes what WindowFromPoint answers, then looks for a smaller
// sibling under the point: hidden and disabled controls are passed over;
// a see-through one (a group box, a static control) only when it belongs to
// the caller's thread, the only one the system asks WM_NCHITTEST.
TEST_P(HitTesting, WindowFromPointPassesOverHiddenDisabledAndSeeThroughControls) {
    constexpr std::uint32_t kChild = win::WS_CHILD | win::WS_VISIBLE;
    const Hwnd frame = Frame({100, 100, 500, 400});
    // Children made later lie below the earlier ones.
    Child(frame, {10, 10, 110, 60}, Kind::Static, win::WS_CHILD);  // hidden
    const Hwnd underHidden = Child(frame, {10, 10, 110, 60});
    Child(frame, {10, 80, 110, 130}, Kind::Button, kChild | win::WS_DISABLED);
    const Hwnd underDisabled = Child(frame, {10, 80, 110, 130});
    const Hwnd inFront = Child(frame, {170, 40, 250, 80});
    const Hwnd group = Child(frame, {150, 10, 350, 200}, Kind::GroupBox, kChild | win32::BS_GROUPBOX);
    Child(frame, {170, 120, 250, 160});  // behind the group box
    // Reaches above the client area, into the caption, where it does not show.
    const Hwnd overhang = Child(frame, {360, -15, 390, 20});

    const Hwnd own = Frame({600, 100, 900, 400}, Thread::Own);
    Child(own, {10, 10, 250, 200}, Kind::GroupBox, kChild | win32::BS_GROUPBOX);
    const Hwnd ownBehindGroup = Child(own, {30, 40, 110, 80}, Kind::Button);
    Child(own, {10, 220, 110, 260});  // a static control
    WindowDesc disabledTop;
    disabledTop.kind = Kind::Frame;
    disabledTop.style = win::WS_POPUP | win::WS_VISIBLE | win::WS_DISABLED;
    disabledTop.place = {950, 100, 1100, 250};
    disabledTop.thread = Thread::Own;
    const Hwnd disabled = world().Create(disabledTop);

    const Rect corner = WindowRect(underHidden);  // 10 pixels into the frame's client area
    const int x = corner.left - 10, y = corner.top - 10;
    const Rect ownCorner = WindowRect(ownBehindGroup);
    const int ox = ownCorner.left - 30, oy = ownCorner.top - 40;
    const struct {
        const char* what;
        Point at;
        Hwnd expected;
    } rows[] = {
        {"a hidden control: the one below", {x + 50, y + 30}, underHidden},
        {"a disabled control: the one below", {x + 50, y + 100}, underDisabled},
        {"a control in front of a group box", {x + 200, y + 60}, inFront},
        {"another thread's group box hides what is behind it", {x + 200, y + 140}, group},
        {"the frame between its controls", {x + 50, y + 250}, frame},
        {"a control where it reaches into the caption", {x + 375, y - 5}, frame},
        {"the same control inside the client area", {x + 375, y + 5}, overhang},
        {"our own group box lets the point through", {ox + 200, oy + 150}, own},
        {"to a control behind our own group box", {ox + 60, oy + 60}, ownBehindGroup},
        {"our own static control lets the point through", {ox + 60, oy + 240}, own},
        {"a disabled top-level window is found", {1000, 200}, disabled},
        {"no window", {1270, 790}, p().GetDesktopWindow()},
    };
    for (const auto& row : rows) EXPECT_EQ(p().WindowFromPoint(row.at), row.expected) << row.what;
}

}  // namespace lumivex::contract
