#include "app/about_form.h"
#include "layout/form_layouts.h"
#include "platform/win32/win32_platform.h"
#include "ui/about_window.h"
#include "ui/control_ids.h"
#include "ui/form_dpi.h"
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
    FormDpi dpi{AboutLayout()};
    HWND hwnd = nullptr;
    UniqueFont linkFont{};

    void OnCreate() {
        dpi.Start(hwnd);
        auto make = [this](const wchar_t* cls, const std::string& text, DWORD style, int id) {
            const Box box = AboutLayout().BoxOf(id);
            HWND control = CreateFormControl(hwnd, instance, 0, cls, Utf8ToWide(text).c_str(), style, box, id);
            dpi.controls().Add(control, box);
            return control;
        };
        // The control keeps its place's size whatever the icon's.
        make(L"STATIC", "", SS_ICON | SS_REALSIZECONTROL, IDC_ABOUT_ICON);
        make(L"STATIC", VersionFromResource(instance), 0, IDC_ABOUT_VERSION);
        make(L"STATIC", "主页:", 0, IDC_ABOUT_HOME_CAPTION);
        make(L"STATIC", kHomePageUrl, SS_NOTIFY, IDC_ABOUT_LINK);
        const Box page = AboutLayout().BoxOf(IDC_BANNER);
        CreateWebBrowser(hwnd, instance, RECT{page.left, page.top, page.Right(), page.Bottom()}, dpi.font());
        dpi.controls().AddById(hwnd, IDC_BANNER, page);
        make(L"STATIC", kAboutNote, 0, IDC_ABOUT_NOTE);
        make(L"BUTTON", "确定", WS_TABSTOP | BS_DEFPUSHBUTTON, IDC_ABOUT_OK);
        OnRescaled();
        LiftTopmostForAbout(main, static_cast<Hwnd>(reinterpret_cast<UINT_PTR>(hwnd)));
    }

    // The icons and the link's underlined font, for the DPI the controls
    // were just laid out for.
    void OnRescaled() {
        dpi.LayOut();
        TakeProgramIcon(hwnd, instance, dpi.dpi());
        const HICON icon = SharedProgramIcon(instance, dpi.Scale(32));
        SendMessageW(GetDlgItem(hwnd, IDC_ABOUT_ICON), STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
        LOGFONTW lf{};
        GetObjectW(dpi.font(), sizeof lf, &lf);
        lf.lfUnderline = TRUE;
        UniqueFont old = std::move(linkFont);  // the link holds it until it takes the new one
        linkFont = UniqueFont(CreateFontIndirectW(&lf));
        SendMessageW(GetDlgItem(hwnd, IDC_ABOUT_LINK), WM_SETFONT, reinterpret_cast<WPARAM>(linkFont.get()), TRUE);
    }

    void OnCommand(int id, int code) {
        if (id == IDC_ABOUT_LINK && code == STN_CLICKED)
            ShellExecuteW(hwnd, nullptr, Utf8ToWide(kHomePageUrl).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        if (id == IDC_ABOUT_OK || id == IDCANCEL) EndModal(hwnd);
    }

    void Attach(HWND h) { hwnd = h; }

    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
        const HWND window = hwnd;
        if (LRESULT result = 0; dpi.Handle(hwnd, msg, wParam, lParam, result, [this] { OnRescaled(); })) return result;
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
                hwnd = nullptr;
                break;
            default: break;
        }
        return DefWindowProcW(window, msg, wParam, lParam);
    }
};

}  // namespace

void ShowAboutWindow(HINSTANCE instance, MainForm& main, HWND owner) {
    RegisterFormClass(instance, kAboutClass, ObjectWindowProc<AboutWindow>, ProgramIcon(instance));
    AboutWindow window{instance, main, owner};
    ShowModalForm(instance, kAboutClass, Utf8ToWide(kAboutCaption).c_str(), AboutLayout(), owner, &window);
}

}  // namespace lumivex
