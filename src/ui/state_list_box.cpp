// The state list on screen: tick boxes drawn by us, and the mouse release
// that acts on the inspected window.
#include "ops/state_list.h"
#include "ui/control_ids.h"
#include "app/main_controls.h"
#include "ui/main_window.h"

#include <commctrl.h>

namespace lumivex {

// The state list toggles its own ticks; MainForm follows what it shows.
void MainWindow::HarvestTicks() {
    HWND status = Control(IDC_STATE_LIST);
    for (int i = 0; i < kStateEntryCount; ++i)
        form_.stateTicks[static_cast<std::size_t>(i)] = SendMessageW(status, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0;
}

// Only a mouse release acts, on the entry the click went to with the tick it
// has now (the list toggled it on the press, or left it alone).
void MainWindow::OnStateListMouseUp(HWND list) {
    HarvestTicks();
    const int current = static_cast<int>(SendMessageW(list, LB_GETCARETINDEX, 0, 0));
    const bool ticked = current >= 0 && SendMessageW(list, LB_GETSEL, static_cast<WPARAM>(current), 0) > 0;
    form_.ActOnStateEntry(current, ticked);
    Render();
}

LRESULT CALLBACK MainWindow::StateListProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR self) {
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, StateListProc, 0);
    const LRESULT result = DefSubclassProc(hwnd, msg, wParam, lParam);
    // No exception may unwind through the system's dispatcher.
    try {
        if (msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP)
            reinterpret_cast<MainWindow*>(self)->OnStateListMouseUp(hwnd);
    } catch (...) {
    }
    return result;
}

LRESULT MainWindow::OnMeasureItem(MEASUREITEMSTRUCT* item) {
    if (item->CtlType != ODT_LISTBOX || item->CtlID != IDC_STATE_LIST) return FALSE;
    item->itemHeight = static_cast<UINT>(dpi_.Scale(kTickRowHeight));
    return TRUE;
}

// A tick box and the entry's text; the selection shows only as the tick.
LRESULT MainWindow::OnDrawItem(const DRAWITEMSTRUCT* item) {
    if (item->CtlType != ODT_LISTBOX || item->CtlID != IDC_STATE_LIST || item->itemID == static_cast<UINT>(-1))
        return FALSE;
    HDC dc = item->hDC;
    RECT row = item->rcItem;
    FillRect(dc, &row, GetSysColorBrush(COLOR_WINDOW));
    const int box = dpi_.Scale(13);
    RECT tick{row.left + dpi_.Scale(2), row.top + (row.bottom - row.top - box) / 2, 0, 0};
    tick.right = tick.left + box;
    tick.bottom = tick.top + box;
    DrawFrameControl(dc, &tick, DFC_BUTTON,
                     DFCS_BUTTONCHECK | DFCS_FLAT | ((item->itemState & ODS_SELECTED) ? DFCS_CHECKED : 0u));

    const int length = static_cast<int>(SendMessageW(item->hwndItem, LB_GETTEXTLEN, item->itemID, 0));
    std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    SendMessageW(item->hwndItem, LB_GETTEXT, item->itemID, reinterpret_cast<LPARAM>(text.data()));
    RECT label{tick.right + dpi_.Scale(4), row.top, row.right, row.bottom};
    HGDIOBJ oldFont = SelectObject(dc, dpi_.font());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    DrawTextW(dc, text.c_str(), -1, &label, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    if (item->itemState & ODS_FOCUS) DrawFocusRect(dc, &row);
    return TRUE;
}

}  // namespace lumivex
