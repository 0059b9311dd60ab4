#include "ui/read_progress_window.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/window_class.h"

namespace lumivex {

namespace {

constexpr wchar_t kReadProgressClass[] = L"LumivexReadProgress";

// The bar's range is an int: counts beyond it are shown in proportion.
int BarPosition(std::uint64_t done, std::uint64_t total, int range) {
    if (total == 0) return 0;
    return static_cast<int>(static_cast<double>(std::min(done, total)) / static_cast<double>(total) * range);
}

constexpr int kBarRange = 10000;

}  // namespace

void ReadProgressWindow::Render(HWND owner) {
    const ReadProgressView& view = form_.readProgress;
    if (!view.visible) {
        Close();
        return;
    }
    if (!hwnd_) Open(owner);
    if (!hwnd_) return;
    if (view.status != shownStatus_) {
        SetDlgItemTextW(hwnd_, IDC_READ_PROGRESS_TEXT, Utf8ToWide(view.status).c_str());
        shownStatus_ = view.status;
    }
    SendDlgItemMessageW(hwnd_, IDC_READ_PROGRESS_BAR, PBM_SETPOS,
                        static_cast<WPARAM>(BarPosition(view.done, view.total, kBarRange)), 0);
}

void ReadProgressWindow::Open(HWND owner) {
    RegisterFormClass(instance_, kReadProgressClass, ObjectWindowProc<ReadProgressWindow>, ProgramIcon(instance_));
    // Over the middle of the main window, at its DPI; WM_CREATE fits it to its own.
    const Size size = ScaleSize(ReadProgressLayout().outer, DpiOfWindow(owner));
    RECT main{};
    GetWindowRect(owner, &main);
    const int x = (main.left + main.right - size.width) / 2, y = (main.top + main.bottom - size.height) / 2;
    shownStatus_.clear();
    CreateWindowExW(WS_EX_DLGMODALFRAME, kReadProgressClass, L"正在读取", WS_POPUP | WS_CAPTION | WS_SYSMENU, x, y,
                    size.width, size.height, owner, nullptr, instance_, this);
    if (hwnd_) ShowWindow(hwnd_, SW_SHOWNORMAL);
}

void ReadProgressWindow::Close() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void ReadProgressWindow::OnCreate() {
    dpi_.Start(hwnd_);
    auto make = [this](const wchar_t* cls, const wchar_t* text, DWORD style, int id) {
        const Box box = ReadProgressLayout().BoxOf(id);
        HWND control = CreateFormControl(hwnd_, instance_, 0, cls, text, style, box, id);
        dpi_.controls().Add(control, box);
        return control;
    };
    make(L"STATIC", L"", 0, IDC_READ_PROGRESS_TEXT);
    HWND bar = make(PROGRESS_CLASSW, L"", 0, IDC_READ_PROGRESS_BAR);
    SendMessageW(bar, PBM_SETRANGE32, 0, kBarRange);
    make(L"BUTTON", L"取消", WS_TABSTOP | BS_DEFPUSHBUTTON, IDC_READ_CANCEL);
    dpi_.LayOut();
    TakeProgramIcon(hwnd_, instance_, dpi_.dpi());
}

LRESULT ReadProgressWindow::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    const HWND window = hwnd_;
    if (LRESULT result = 0; dpi_.Handle(hwnd_, msg, wParam, lParam, result)) return result;
    switch (msg) {
        case WM_CREATE: OnCreate(); return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDC_READ_CANCEL || LOWORD(wParam) == IDCANCEL) {
                form_.CancelRead();
                EnableWindow(GetDlgItem(hwnd_, IDC_READ_CANCEL), FALSE);
            }
            return 0;
        // Closing the window is cancelling the read; the window goes when the read ends.
        case WM_CLOSE:
            form_.CancelRead();
            EnableWindow(GetDlgItem(hwnd_, IDC_READ_CANCEL), FALSE);
            return 0;
        case WM_NCDESTROY: hwnd_ = nullptr; break;
        default: break;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

}  // namespace lumivex
