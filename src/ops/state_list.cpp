// Releasing a mouse button over the state list acts on the inspected window.
#include "ops/state_list.h"

#include "platform/send.h"

namespace lumivex {

namespace {
constexpr int kNone = -1;
}  // namespace

const std::array<StateRow, kStateEntryCount> kStateTable = {{
    {"窗口可见", {StateAct::ShowWindow, win::SW_SHOW}, {StateAct::ShowWindow, win::SW_HIDE}, {kNone, kNone, kNone}},
    {"窗口可用", {StateAct::EnableWindow, 1}, {StateAct::EnableWindow, 0}, {kNone, kNone, kNone}},
    {"总在最前", {StateAct::SetTopMost, 1}, {StateAct::SetTopMost, 0}, {kNone, kNone, kNone}},
    {"窗口只读", {StateAct::SetReadOnly, 1}, {StateAct::SetReadOnly, 0}, {kNone, kNone, kNone}},
    {"最大化", {StateAct::ShowWindow, win::SW_SHOWMAXIMIZED}, {StateAct::ShowWindow, win::SW_RESTORE},
     {kStateMinimized, kNone, kNone}},
    {"最小化", {StateAct::ShowWindow, win::SW_MINIMIZE}, {StateAct::ShowWindow, win::SW_RESTORE},
     {kStateMaximized, kNone, kNone}},
    {"还原窗口", {StateAct::ShowWindow, win::SW_RESTORE}, {}, {kStateRestore, kStateMinimized, kStateMaximized}},
    {"关闭窗口", {StateAct::Close, 0}, {}, {kStateClose, kNone, kNone}},
    {"激活窗口", {StateAct::BringWindowToTop, 0}, {}, {kStateActivate, kNone, kNone}},
}};

namespace {
// Nothing here waits for the target's thread: a hung program, or one busy
// for half a minute, must not freeze us. Messages go through the one door
// (a "save changes?" box behind WM_CLOSE is not waited for beyond the
// time-out); the window functions take their forms that do not wait, so the
// change happens as soon as the target answers.
void RunStateAction(Platform& p, Hwnd h, const StateAction& action) {
    constexpr std::uint32_t kKeepPlace = win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_ASYNCWINDOWPOS;
    switch (action.act) {
        case StateAct::None: return;
        case StateAct::SetReadOnly:
            SendTimeout(p, h, win::EM_SETREADONLY, static_cast<Wparam>(action.arg), 0);
            return;
        case StateAct::Close: SendTimeout(p, h, win::WM_CLOSE, 0, 0); return;
        case StateAct::ShowWindow: p.ShowWindowAsync(h, action.arg); return;
        case StateAct::EnableWindow: p.EnableWindowAsync(h, action.arg != 0); return;
        case StateAct::SetTopMost:
            p.SetWindowPos(h, action.arg == 1 ? win::HWND_TOPMOST : win::HWND_NOTOPMOST, 0, 0, 0, 0, kKeepPlace);
            return;
        // BringWindowToTop is SetWindowPos to the top of the Z order.
        case StateAct::BringWindowToTop: p.SetWindowPos(h, win::HWND_TOP, 0, 0, 0, 0, kKeepPlace); return;
    }
}
}  // namespace

void ActOnStateEntry(Platform& p, Hwnd h, StateTicks& ticks, int index, bool ticked) {
    if (index < 0 || index >= kStateEntryCount) return;
    const auto entry = static_cast<std::size_t>(index);
    // The list has already toggled the tick; the model follows what is shown.
    ticks[entry] = ticked;
    if (h == 0 || !p.IsWindow(h)) return;

    const StateRow& row = kStateTable[entry];
    RunStateAction(p, h, ticked ? row.whenTicked : row.whenUnticked);
    if (!ticked) return;
    for (int untick : row.untickAfter)
        if (untick != kNone) ticks[static_cast<std::size_t>(untick)] = false;
}

}  // namespace lumivex
