// The child-window list ("子窗口列表"), modal, owned by the main window.
#include "app/child_list_form.h"
#include "layout/form_layouts.h"
#include "platform/win32/win32_platform.h"
#include "ui/child_list_window.h"
#include "ui/control_ids.h"
#include "ui/form_dpi.h"
#include "ui/window_class.h"

namespace lumivex {
namespace {

constexpr wchar_t kChildListClass[] = L"LumivexChildList";
// Room for rows wider than the list, at 96 DPI.
constexpr int kRowsExtent96 = 1600;

struct ChildListWindow {
    HINSTANCE instance;
    MainForm& main;
    ChildListForm form;
    HWND owner;
    FormDpi dpi{ChildListLayout()};
    HWND hwnd = nullptr;

    HWND Control(int id) const { return GetDlgItem(hwnd, id); }

    void OnCreate() {
        dpi.Start(hwnd);
        TakeProgramIcon(hwnd, instance, dpi.dpi());
        SetWindowPos(hwnd, form.Topmost() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        auto make = [this](DWORD ex, const wchar_t* cls, const wchar_t* text, DWORD style, int id) {
            const Box box = ChildListLayout().BoxOf(id);
            dpi.controls().Add(CreateFormControl(hwnd, instance, ex, cls, text, style, box, id), box);
        };
        make(0, L"STATIC", L"请选择要转到的子窗口", 0, IDC_CHILD_PROMPT);
        make(WS_EX_CLIENTEDGE, L"LISTBOX", L"", WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
             IDC_CHILD_ROWS);
        make(0, L"BUTTON", L"显示所有多级子窗口", WS_TABSTOP | BS_AUTOCHECKBOX, IDC_CHILD_SHOW_ALL);
        make(0, L"BUTTON", L"确定", WS_TABSTOP | BS_DEFPUSHBUTTON, IDC_CHILD_OK);
        make(0, L"BUTTON", L"打开子列表", WS_TABSTOP, IDC_CHILD_OPEN);
        make(0, L"BUTTON", L"取消", WS_TABSTOP, IDC_CHILD_CANCEL);
        make(0, L"BUTTON", L"导出列表", WS_TABSTOP, IDC_CHILD_EXPORT);
        OnRescaled();
        form.Load();
        ShowRows();
        // The export is handed over as a read is: not while one runs.
        main.readStateChanged = [this] { EnableWindow(Control(IDC_CHILD_EXPORT), !main.ReadRunning()); };
        main.readStateChanged();
    }

    void OnRescaled() {
        dpi.LayOut();
        SendMessageW(Control(IDC_CHILD_ROWS), LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(dpi.Scale(kRowsExtent96)), 0);
        TakeProgramIcon(hwnd, instance, dpi.dpi());
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
        if (form.closeRequested) EndModal(hwnd);
    }

    void Attach(HWND h) { hwnd = h; }

    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
        const HWND window = hwnd;
        if (LRESULT result = 0; dpi.Handle(hwnd, msg, wParam, lParam, result, [this] { OnRescaled(); })) return result;
        switch (msg) {
            case WM_CREATE: OnCreate(); return 0;
            case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
            case WM_CLOSE: form.CloseBox(); EndModal(hwnd); return 0;
            case WM_DESTROY: main.readStateChanged = nullptr; break;
            case WM_NCDESTROY: hwnd = nullptr; break;
            default: break;
        }
        return DefWindowProcW(window, msg, wParam, lParam);
    }
};

}  // namespace

void ShowChildListWindow(HINSTANCE instance, MainForm& main, HWND owner) {
    RegisterFormClass(instance, kChildListClass, ObjectWindowProc<ChildListWindow>, ProgramIcon(instance));
    ChildListWindow window{instance, main, ChildListForm(main), owner};
    ShowModalForm(instance, kChildListClass, L"子窗口列表", ChildListLayout(), owner, &window);
}

}  // namespace lumivex
