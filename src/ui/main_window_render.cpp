// Showing what MainForm holds: texts, lists, ticks, panels, timers.
#include "ui/control_ids.h"
#include "app/main_controls.h"
#include "ui/main_window.h"

#include <commctrl.h>

namespace lumivex {

namespace {

void SetText(HWND control, const std::string& utf8) { SetWindowTextW(control, Utf8ToWide(utf8).c_str()); }

}  // namespace

void MainWindow::SyncTimers() {
    const bool wanted[4] = {form_.dragTimerOn, form_.flashTimerOn, form_.delayedReadTimerOn, form_.readPollTimerOn};
    for (int i = 0; i < 4; ++i) {
        if (wanted[i] == timerOn_[i]) continue;
        if (wanted[i])
            SetTimer(hwnd_, static_cast<UINT_PTR>(i + 1), kTimerPeriods[i], nullptr);
        else
            KillTimer(hwnd_, static_cast<UINT_PTR>(i + 1));
        timerOn_[i] = wanted[i];
    }
}

void MainWindow::ShowSelectedPanel() {
    if (TabCtrl_GetCurSel(tabStrip_) != form_.selectedTab - 1) TabCtrl_SetCurSel(tabStrip_, form_.selectedTab - 1);
    for (int i = 0; i < 7; ++i) ShowWindow(tabPanels_[i], i == form_.selectedTab - 1 ? SW_SHOW : SW_HIDE);
}

void MainWindow::Render() {
    // The flag tells the edit boxes' change notices from the user's edits;
    // it is lowered on every way out, or every later edit would be ignored.
    struct RenderingFlag {
        bool& flag;
        explicit RenderingFlag(bool& f) : flag(f) { flag = true; }
        ~RenderingFlag() { flag = false; }
    } renderingFlag(rendering_);
    RenderTexts();
    RenderLists();
    RenderChecks();
    RenderFinder();
    ShowSelectedPanel();
    ShowWindow(Control(IDC_GO_TO_PROGRAM), form_.goToLinkVisible ? SW_SHOW : SW_HIDE);
    HWND combo = Control(IDC_READER_CHOICE);
    if (SendMessageW(combo, CB_GETCURSEL, 0, 0) != form_.readerChoice)
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(form_.readerChoice), 0);
    for (int id : kLinkLabels) InvalidateRect(Control(id), nullptr, TRUE);
    const std::wstring caption = Utf8ToWide(form_.caption);
    wchar_t shown[512] = {};
    GetWindowTextW(hwnd_, shown, 512);
    if (caption != shown) SetWindowTextW(hwnd_, caption.c_str());
    pictureView_.Render();
    // Neither starts a read while one runs.
    for (int id : {IDC_READ_DATA, IDC_DELAYED_READ}) EnableWindow(Control(id), !form_.ReadRunning());
    readProgress_.Render(hwnd_);
    SyncTimers();
}

void MainWindow::RenderTexts() {
    for (int tab = 0; tab < 7; ++tab)
        for (const ControlDef& def : TabControls(tab)) {
            if (!def.text) continue;
            const std::string& value = *def.text(form_);
            auto& shown = shownText_[def.id];
            if (shown == value) continue;
            SetText(Control(def.id), value);
            shown = value;
        }
}

void MainWindow::RenderLists() {
    for (int tab = 0; tab < 7; ++tab)
        for (const ControlDef& def : TabControls(tab)) {
            if (!def.list) continue;
            const auto& entries = *def.list(form_);
            auto& shown = shownList_[def.id];
            if (shown == entries) continue;
            HWND list = Control(def.id);
            SendMessageW(list, WM_SETREDRAW, FALSE, 0);
            SendMessageW(list, LB_RESETCONTENT, 0, 0);
            for (const auto& entry : entries)
                SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(entry).c_str()));
            SendMessageW(list, WM_SETREDRAW, TRUE, 0);
            InvalidateRect(list, nullptr, TRUE);
            shown = entries;
        }
}

void MainWindow::RenderChecks() {
    SendMessageW(Control(IDC_ALWAYS_ON_TOP), BM_SETCHECK, form_.alwaysOnTop ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageW(Control(IDC_HEX_DISPLAY), BM_SETCHECK, form_.hexDisplay ? BST_CHECKED : BST_UNCHECKED, 0);
    HWND status = Control(IDC_STATE_LIST);
    for (int i = 0; i < kStateEntryCount; ++i) {
        const bool ticked = form_.stateTicks[static_cast<std::size_t>(i)];
        if ((SendMessageW(status, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0) != ticked)
            SendMessageW(status, LB_SETSEL, ticked, i);
    }
}

void MainWindow::RenderFinder() {
    HWND finder = Control(IDC_FINDER);
    InvalidateRect(finder, nullptr, TRUE);
    if (form_.dragCursor) SetCursor(finderCursor_.get());
}

}  // namespace lumivex
