// The tools tab of the main window: its reader choice, the ten fields'
// lengths and key filters, and its buttons.
#include "ui/main_window.h"

#include "ops/tool_keys.h"
#include "text/reader_choice.h"
#include "ui/control_ids.h"

#include <commctrl.h>

namespace lumivex {

void MainWindow::SetUpToolsTab() {
    HWND combo = Control(IDC_READER_CHOICE);
    for (const ReaderChoice& choice : kReaderChoices)
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(choice.key).c_str()));
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(form_.readerChoice), 0);
    // The fields follow ToolFields' order from IDC_TOOL_HANDLE on.
    for (int field = 0; field < kToolFieldCount; ++field) {
        HWND edit = Control(IDC_TOOL_HANDLE + field);
        if (const int limit = ToolFieldLengthLimit(field))
            SendMessageW(edit, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
        SetWindowSubclass(edit, ToolFieldProc, static_cast<UINT_PTR>(field), reinterpret_cast<DWORD_PTR>(this));
    }
    // A window's whole text may be megabytes; the edit's default is 32 K.
    SendMessageW(Control(IDC_TOOL_TEXT), EM_LIMITTEXT, 0, 0);
    ShowReaderToolTips();
}

// The chosen reader's description, on the choice and on the read button:
// both tools are added with the first one, and only their text changes
// after that.
void MainWindow::ShowReaderToolTips() {
    std::wstring tip = Utf8ToWide(form_.ReaderToolTip());
    for (int id : {IDC_READER_CHOICE, IDC_READ_DATA}) {
        HWND control = Control(id);
        TTTOOLINFOW info{};
        info.cbSize = sizeof info;
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = GetParent(control);
        info.uId = reinterpret_cast<UINT_PTR>(control);
        info.lpszText = tip.data();
        SendMessageW(toolTip_, readerTipsAdded_ ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    }
    readerTipsAdded_ = true;
}

// Typed characters only: a paste (WM_PASTE) reaches the edit unfiltered.
LRESULT CALLBACK MainWindow::ToolFieldProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR field,
                                           DWORD_PTR) {
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, ToolFieldProc, field);
    if (msg != WM_CHAR) return DefSubclassProc(hwnd, msg, wParam, lParam);
    const KeyVerdict verdict =
        FilterToolKey(ToolFieldGroupOf(static_cast<int>(field)), static_cast<std::uint32_t>(wParam));
    switch (verdict.kind) {
        case KeyVerdict::SelectAll: SendMessageW(hwnd, EM_SETSEL, 0, -1); return 0;
        case KeyVerdict::Discard: return 0;
        default: return DefSubclassProc(hwnd, msg, static_cast<WPARAM>(verdict.code), lParam);
    }
}

void MainWindow::OnToolButton(int id) {
    switch (id) {
        case IDC_REFRESH: form_.Refresh(); break;
        case IDC_CLOSE_CONTROL: form_.CloseControl(); break;
        case IDC_END_PROCESS: form_.EndProcess(); break;
        case IDC_SET_STYLES: form_.SetStyles(); break;
        case IDC_READ_DATA: form_.ReadData(); break;
        case IDC_SET_SIZE: form_.SetSize(); break;
        case IDC_FLASH: form_.FlashTarget(); break;
        case IDC_SET_TEXT: form_.SetText(); break;
        default: break;
    }
}

}  // namespace lumivex
