// The child-window list ("子窗口列表"), modal, owned by the main window.
#include "app/child_list_form.h"
#include "platform/win32/win32_platform.h"
#include "ui/child_list_window.h"
#include "ui/control_ids.h"
#include "ui/window_class.h"

namespace lumivex {
namespace {

constexpr wchar_t kChildListClass[] = L"LumivexChildList";

struct ChildListWindow {
    HINSTANCE instance;
    ChildListForm form;
    HWND owner;
    HFONT font;
    HWND hwnd = nullptr;

    HWND Control(int id) const { return GetDlgItem(hwnd, id); }

    void OnCreate() {
        TakeProgramIcon(hwnd, instance);
        SetWindowPos(hwnd, form.Topmost() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        auto make = [this](DWORD ex, const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h,
                           int id) { CreateFormControl(hwnd, instance, font, ex, cls, text, style, {x, y, w, h}, id); };
        make(0, L"STATIC", L"请选择要转到的子窗口", 0, 8, 8, 300, 18, IDC_CHILD_PROMPT);
        make(WS_EX_CLIENTEDGE, L"LISTBOX", L"", WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
             8, 28, 520, 250, IDC_CHILD_ROWS);
        make(0, L"BUTTON", L"显示所有多级子窗口", WS_TABSTOP | BS_AUTOCHECKBOX, 8, 286, 170, 22, IDC_CHILD_SHOW_ALL);
        make(0, L"BUTTON", L"确定", WS_TABSTOP | BS_DEFPUSHBUTTON, 190, 284, 76, 26, IDC_CHILD_OK);
        make(0, L"BUTTON", L"打开子列表", WS_TABSTOP, 272, 284, 86, 26, IDC_CHILD_OPEN);
        make(0, L"BUTTON", L"取消", WS_TABSTOP, 364, 284, 76, 26, IDC_CHILD_CANCEL);
        make(0, L"BUTTON", L"导出列表", WS_TABSTOP, 446, 284, 82, 26, IDC_CHILD_EXPORT);
        SendMessageW(Control(IDC_CHILD_ROWS), LB_SETHORIZONTALEXTENT, 1600, 0);
        form.Load();
        ShowRows();
    }

    void ShowRows() {
        HWND list = Control(IDC_CHILD_ROWS);
        SendMessageW(list, LB_RESETCONTENT, 0, 0);
        for (const std::string& row : form.rows)
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(row).c_str()));
    }

    void OnCommand(int id, int code) {
        const int selected = static_cast<int>(SendMessageW(Control(IDC_CHILD_ROWS), LB_GETCURSEL, 0, 0));
        form.selectedRow = selected == LB_ERR ? -1 : selected;
        switch (id) {
            case IDC_CHILD_ROWS:
                if (code != LBN_DBLCLK) return;
                form.OpenSelected();
                ShowRows();
                break;
            case IDC_CHILD_SHOW_ALL:
                form.SetShowAll(SendMessageW(Control(IDC_CHILD_SHOW_ALL), BM_GETCHECK, 0, 0) == BST_CHECKED);
                ShowRows();
                break;
            case IDC_CHILD_OPEN: {
                const auto before = form.rows;
                form.OpenSelected();
                if (form.rows != before) ShowRows();
                break;
            }
            case IDC_CHILD_OK: form.PressOk(); break;
            case IDCANCEL:  // Escape
            case IDC_CHILD_CANCEL: form.PressCancel(); break;
            case IDC_CHILD_EXPORT: form.Export(); break;
            default: return;
        }
        if (!form.messageForUser.empty()) {
            MessageBoxW(hwnd, Utf8ToWide(form.messageForUser).c_str(), L"子窗口列表", MB_ICONEXCLAMATION | MB_OK);
            form.messageForUser.clear();
        }
        if (form.closeRequested) EndModal(hwnd);
    }

    void Attach(HWND h) { hwnd = h; }

    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
        const HWND window = hwnd;
        switch (msg) {
            case WM_CREATE: OnCreate(); return 0;
            case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
            case WM_CLOSE: form.CloseBox(); EndModal(hwnd); return 0;
            case WM_NCDESTROY: hwnd = nullptr; break;
            default: break;
        }
        return DefWindowProcW(window, msg, wParam, lParam);
    }
};

}  // namespace

void ShowChildListWindow(HINSTANCE instance, MainForm& main, HWND owner, HFONT font) {
    RegisterFormClass(instance, kChildListClass, ObjectWindowProc<ChildListWindow>, ProgramIcon(instance));
    ChildListWindow window{instance, ChildListForm(main), owner, font};
    ShowModalForm(instance, kChildListClass, L"子窗口列表", 545, 350, owner, &window);
}

}  // namespace lumivex
