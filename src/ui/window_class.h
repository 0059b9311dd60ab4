// What the windows of our own classes share: their class, their controls,
// and the procedure that hands each message to the C++ object behind the
// window.
#pragma once

#include "platform/win32/win32_platform.h"

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <utility>

#include "ui/control_ids.h"
#include "ui/dpi.h"
#include "ui/modal_loop.h"

namespace lumivex {

// A class with the arrow cursor and the dialog colour. Registering it again
// (a form opened a second time) fails harmlessly.
inline void RegisterFormClass(HINSTANCE instance, const wchar_t* name, WNDPROC proc, HICON icon = nullptr) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

// The program's icon, for the class of every form (shared: never destroyed).
inline HICON ProgramIcon(HINSTANCE instance) { return LoadIconW(instance, MAKEINTRESOURCEW(IDI_LUMIVEX)); }

// The program's icon as the window's own, in both sizes at the window's DPI:
// a class icon alone is not what WM_GETICON answers, which the task bar and
// other programs ask.
inline void TakeProgramIcon(HWND window, HINSTANCE instance, int dpi) {
    for (const auto& [which, metric] : {std::pair{ICON_BIG, SM_CXICON}, std::pair{ICON_SMALL, SM_CXSMICON}}) {
        const HICON icon = SharedProgramIcon(instance, SystemMetricForDpi(metric, dpi));
        SendMessageW(window, WM_SETICON, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(icon));
    }
}

// A visible control of a form at its place at 96 DPI; the form's layout
// moves it to its DPI and hands it the font.
inline HWND CreateFormControl(HWND form, HINSTANCE instance, DWORD exStyle, const wchar_t* className,
                              const wchar_t* text, DWORD style, const Box& at, int id) {
    return CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, at.left, at.top, at.width,
                           at.height, form, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

// A control's whole text, as UTF-8.
inline std::string ControlText(HWND control) {
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(control, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return WideToUtf8(text);
}

// A form run modally over its owner: object is the window's C++ object,
// handed to its class's ObjectWindowProc. It opens at its owner's DPI; its
// WM_CREATE fits it to its own.
inline void ShowModalForm(HINSTANCE instance, const wchar_t* className, const wchar_t* caption,
                          const FormLayout& layout, HWND owner, void* object) {
    const Size size = ScaleSize(layout.outer, DpiOfWindow(owner));
    const HWND dialog = CreateWindowExW(WS_EX_DLGMODALFRAME, className, caption, WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                        CW_USEDEFAULT, CW_USEDEFAULT, size.width, size.height, owner, nullptr,
                                        instance, object);
    if (!dialog) return;
    ShowWindow(dialog, SW_SHOWNORMAL);
    RunModal(dialog, owner);
}

// The tip shown while the mouse rests on control; tips is a tooltip control.
inline void AddToolTip(HWND tips, HWND control, std::wstring text) {
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = GetParent(control);
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.lpszText = text.data();
    SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

// The procedure of a class whose windows are objects of Window: the object
// comes as CreateWindowEx's last argument, Window::Attach takes the handle,
// and Window::Handle(msg, wParam, lParam) answers every message from then
// on. After WM_NCDESTROY the window no longer leads to the object, which may
// outlive it.
template <typename Window>
LRESULT CALLBACK ObjectWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->Attach(hwnd);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    // No exception may unwind through the system's dispatcher: whatever a
    // handler ran out of, the message is handled as the default would.
    try {
        return self->Handle(msg, wParam, lParam);
    } catch (...) {
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

}  // namespace lumivex
