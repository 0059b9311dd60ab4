// The drag-to-pick finder and the delayed read.
#include "app/finder.h"

#include "app/main_form.h"
#include "info/num_text.h"

namespace lumivex {

namespace {
constexpr int kDelayTicks = 11;  // the count runs 10, 9, …, 0
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

Hwnd MainForm::GetMouseHwnd() {
    Point pt;
    p_.GetCursorPos(pt);
    Hwnd best = p_.WindowFromPoint(pt);
    Hwnd c = p_.GetWindow(best, win::GW_CHILD);
    if (!IsTopLevelWindow(p_, best) && c == 0) c = p_.GetWindow(best, win::GW_HWNDLAST);

    // WindowFromPoint passes over hidden and disabled controls; a smaller
    // sibling under the point (a disabled button inside a group box) wins.
    // The walk is bounded: a sibling chain that loops must not hang us.
    Rect bestRect = WindowRect(p_, best);
    for (int steps = 0; c != 0 && steps < kMaxSiblingWalk; ++steps) {
        const Rect r = WindowRect(p_, c);
        if (PtInRect(r, pt) && Width(r) < Width(bestRect) && Height(r) < Height(bestRect)) {
            best = c;
            bestRect = r;
        }
        c = p_.GetWindow(c, win::GW_HWNDPREV);
    }

    c = p_.GetWindow(best, win::GW_CHILD);
    for (int steps = 0; c != 0 && steps < kMaxSiblingWalk; ++steps) {
        if (PtInRect(WindowRect(p_, c), pt)) return c;
        c = p_.GetWindow(c, win::GW_HWNDNEXT);
    }
    return best;
}

void MainForm::picShot_MouseDown() {
    MainClear();
    tmrEnabled = true;
    if (!isDragging_) {
        isDragging_ = true;
        dragCursor = true;
        finderPicture = FinderPicture::Image2Dragging;
        p_.SetCapture(picShotHwnd);
    }
    label5Visible = false;
}

void MainForm::tmr_Timer() {
    const Hwnd h = GetMouseHwnd();
    SnapHwnd = h;
    SetFlashRect(h);
}

void MainForm::picShot_MouseUp() {
    tmrEnabled = false;
    finderPicture = FinderPicture::Image3AtRest;
    if (!isDragging_) return;
    dragCursor = false;
    isDragging_ = false;
    if (SnapHwnd != 0) Fulfill();
    // Released whether or not anything was filled: a capture left behind
    // would send every later click in our windows to the finder.
    p_.ReleaseCapture();
}

void MainForm::SleepButton_Click() {
    MainClear();
    timer2Enabled = true;
}

void MainForm::Timer2_Timer() {
    const CursorData cursor = GetCursorData(p_);
    caption = CountdownTitle(delayCount_ + 10, cursor);
    delayCount_ = (delayCount_ - 1) % kDelayTicks;  // C++ % keeps the dividend's sign
    TmpHwnd = GetMouseHwnd();
    SetFlashRect(TmpHwnd);
    if (delayCount_ != 0) return;

    timer2Enabled = false;
    SnapHwnd = TmpHwnd;
    caption = NormalTitle();
    Fulfill();
    // TODO: hand the list items of SnapHwnd to Notepad once the readers exist.
}

}  // namespace lumivex
