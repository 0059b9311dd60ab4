// Releasing a mouse button over the state list acts on the inspected window.
#include "ops/state_list.h"

#include "ops/set_top_most.h"
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
void RunStateAction(Platform& p, Hwnd h, const StateAction& action) {
    switch (action.act) {
        case StateAct::None: return;
        // Messages go through the one door: a hung target fails at once and a
        // slow one (a "save changes?" box behind WM_CLOSE) is not waited for
        // beyond the time-out.
        case StateAct::SetReadOnly:
            SendTimeout(p, h, win::EM_SETREADONLY, static_cast<Wparam>(action.arg), 0);
            return;
        case StateAct::Close: SendTimeout(p, h, win::WM_CLOSE, 0, 0); return;
        default: break;
    }
    // The window functions below wait for the target's thread to handle the
    // messages they send it: a hung target would freeze us, so it is left alone.
    if (p.IsHungAppWindow(h)) return;
    switch (action.act) {
        case StateAct::ShowWindow: p.ShowWindow(h, action.arg); break;
        case StateAct::EnableWindow: p.EnableWindow(h, action.arg != 0); break;
        case StateAct::SetTopMost: SetTopMost(p, h, action.arg); break;
        case StateAct::BringWindowToTop: p.BringWindowToTop(h); break;
        default: break;
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
