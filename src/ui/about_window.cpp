#include "app/about_form.h"
#include "platform/win32/win32_platform.h"
#include "ui/about_window.h"
#include "ui/control_ids.h"
#include "ui/web_browser_window.h"
#include "ui/window_class.h"

#include <shellapi.h>

#include <cstring>

namespace lumivex {
namespace {

constexpr wchar_t kAboutClass[] = L"LumivexAbout";
constexpr DWORD kFixedInfoSignature = 0xFEEF04BD;

// The version the program's version resource carries (VS_FIXEDFILEINFO),
// so the box tells the version of the file it runs from.
std::string VersionFromResource(HINSTANCE instance) {
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(VS_VERSION_INFO), MAKEINTRESOURCEW(16));
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const auto* bytes = static_cast<const unsigned char*>(loaded ? LockResource(loaded) : nullptr);
    const DWORD size = found ? SizeofResource(instance, found) : 0;
    for (DWORD at = 0; bytes && at + sizeof(VS_FIXEDFILEINFO) <= size; at += 4) {
        VS_FIXEDFILEINFO info;
        std::memcpy(&info, bytes + at, sizeof info);
        if (info.dwSignature != kFixedInfoSignature) continue;
        return AboutVersionText(HIWORD(info.dwFileVersionMS), LOWORD(info.dwFileVersionMS),
                                LOWORD(info.dwFileVersionLS));
    }
    return AboutVersionText(0, 0, 0);
}

struct AboutWindow {
    HINSTANCE instance;
    MainForm& main;
    HWND owner;
    HFONT font;
    HWND hwnd = nullptr;
    HFONT linkFont = nullptr;

    void OnCreate() {
        TakeProgramIcon(hwnd, instance);
        const HICON icon = ProgramIcon(instance);
        auto make = [this](const wchar_t* cls, const std::string& text, DWORD style, int x, int y, int w, int h, int id) {
            return CreateFormControl(hwnd, instance, font, 0, cls, Utf8ToWide(text).c_str(), style, {x, y, w, h}, id);
        };
        HWND picture = make(L"STATIC", "", SS_ICON, 12, 12, 32, 32, IDC_ABOUT_ICON);
        SendMessageW(picture, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
        make(L"STATIC", VersionFromResource(instance), 0, 56, 14, 300, 18, IDC_ABOUT_VERSION);
        make(L"STATIC", "主页:", 0, 56, 38, 40, 18, IDC_ABOUT_HOME_CAPTION);
        HWND link = make(L"STATIC", kHomePageUrl, SS_NOTIFY, 98, 38, 250, 18, IDC_ABOUT_LINK);
        LOGFONTW lf{};
        GetObjectW(font, sizeof lf, &lf);
        lf.lfUnderline = TRUE;
        linkFont = CreateFontIndirectW(&lf);
        SendMessageW(link, WM_SETFONT, reinterpret_cast<WPARAM>(linkFont), FALSE);
        CreateWebBrowser(hwnd, instance, RECT{12, 64, 372, 204}, font);
        make(L"STATIC", kAboutNote, 0, 12, 212, 360, 18, IDC_ABOUT_NOTE);
        make(L"BUTTON", "确定", WS_TABSTOP | BS_DEFPUSHBUTTON, 296, 236, 76, 26, IDC_ABOUT_OK);
        LiftTopmostForAbout(main, static_cast<Hwnd>(reinterpret_cast<UINT_PTR>(hwnd)));
    }

    void OnCommand(int id, int code) {
        if (id == IDC_ABOUT_LINK && code == STN_CLICKED)
            ShellExecuteW(hwnd, nullptr, Utf8ToWide(kHomePageUrl).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        if (id == IDC_ABOUT_OK || id == IDCANCEL) EndModal(hwnd);
    }

    void Attach(HWND h) { hwnd = h; }

    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
        const HWND window = hwnd;
        switch (msg) {
            case WM_CREATE: OnCreate(); return 0;
            case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
            case WM_SETCURSOR:
                if (reinterpret_cast<HWND>(wParam) == GetDlgItem(hwnd, IDC_ABOUT_LINK)) {
                    SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)));  // IDC_HAND
                    return TRUE;
                }
                break;
            case WM_CTLCOLORSTATIC:
                if (reinterpret_cast<HWND>(lParam) == GetDlgItem(hwnd, IDC_ABOUT_LINK)) {
                    SetTextColor(reinterpret_cast<HDC>(wParam), RGB(0, 0, 255));
                    SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
                    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
                }
                break;
            case WM_CLOSE: EndModal(hwnd); return 0;
            case WM_DESTROY: RestoreTopmostAfterAbout(main); break;
            case WM_NCDESTROY:
                if (linkFont) DeleteObject(linkFont);
                hwnd = nullptr;
                break;
            default: break;
        }
        return DefWindowProcW(window, msg, wParam, lParam);
    }
};

}  // namespace

void ShowAboutWindow(HINSTANCE instance, MainForm& main, HWND owner, HFONT font) {
    RegisterFormClass(instance, kAboutClass, ObjectWindowProc<AboutWindow>, ProgramIcon(instance));
    AboutWindow window{instance, main, owner, font};
    ShowModalForm(instance, kAboutClass, Utf8ToWide(kAboutCaption).c_str(), 392, 305, owner, &window);
}

}  // namespace lumivex
