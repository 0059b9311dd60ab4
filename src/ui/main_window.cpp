#include "ui/main_window.h"

#include "ops/state_list.h"
#include "ui/control_ids.h"
#include "app/main_controls.h"
#include "ui/web_browser_window.h"

#include <commctrl.h>

namespace lumivex {

namespace {

constexpr wchar_t kMainClass[] = L"LumivexMain";
constexpr wchar_t kPanelClass[] = L"LumivexPanel";

// Panels pass this on to the main window.
constexpr UINT WM_APP_SETCURSOR = WM_APP + 1;

constexpr COLORREF kLinkBlue = RGB(0, 0, 255);

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, Win32Platform& platform, Session& session)
    : instance_(instance), platform_(platform), session_(session), form_(platform, session) {}

MainWindow::~MainWindow() {
    if (toolTip_) DestroyWindow(toolTip_);  // unowned: not destroyed with the main window
}

bool MainWindow::Create() {
    RegisterFormClass(instance_, kMainClass, ObjectWindowProc<MainWindow>,
                      LoadIconW(instance_, MAKEINTRESOURCEW(IDI_LUMIVEX)));
    RegisterFormClass(instance_, kPanelClass, PanelProc);
    RegisterFormClass(instance_, kFinderClass, FinderProc);
    PictureViewWindow::RegisterClasses(instance_);

    // At the screen's DPI; WM_CREATE fits it to the DPI of its monitor.
    const Size size = ScaleSize(MainFrameLayout().outer, DpiOfWindow(nullptr));
    hwnd_ = CreateWindowExW(0, kMainClass, L"", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                            CW_USEDEFAULT, CW_USEDEFAULT, size.width, size.height, nullptr, nullptr, instance_, this);
    if (!hwnd_) return false;
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    UpdateWindow(hwnd_);
    return true;
}

LRESULT MainWindow::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0; dpi_.Handle(hwnd_, msg, wParam, lParam, result, [this] { OnRescaled(); })) return result;
    switch (msg) {
        case WM_CREATE: OnCreate(); return 0;
        case WM_ACTIVATE: OnActivate(LOWORD(wParam) != WA_INACTIVE); return 0;
        case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)); return 0;
        case WM_NOTIFY:
            if (reinterpret_cast<NMHDR*>(lParam)->hwndFrom == tabStrip_ &&
                reinterpret_cast<NMHDR*>(lParam)->code == TCN_SELCHANGE) {
                form_.SelectTab(TabCtrl_GetCurSel(tabStrip_) + 1);
                Render();
            }
            return 0;
        case WM_TIMER: OnTimer(wParam); return 0;
        case WM_HSCROLL:
        case WM_VSCROLL:
            if (pictureView_.OnScroll(reinterpret_cast<HWND>(lParam), wParam)) Render();
            return 0;
        case WM_SIZE:
            if (wParam != SIZE_MINIMIZED) {
                form_.LayoutPicture();
                Render();
            }
            return 0;
        case WM_APP_SETCURSOR: return OnSetCursor(reinterpret_cast<HWND>(wParam));
        case kFinderMessage: OnFinderMouse(static_cast<UINT>(wParam)); return 0;
        case WM_CTLCOLORSTATIC: return OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_MEASUREITEM: return OnMeasureItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        case WM_DRAWITEM: return OnDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        case WM_CLOSE:
            // A read still running ends when the form goes, after the windows.
            form_.CancelRead();
            CloseForms();
            DestroyWindow(hwnd_);
            return 0;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcW(hwnd_, msg, wParam, lParam);
    }
}

void MainWindow::OnCreate() {
    form_.selfHwnd = FromHwnd(hwnd_);
    form_.showNow = [this] {
        Render();
        UpdateWindow(hwnd_);
    };
    dpi_.Start(hwnd_);

    // Not owned by the main window: under Wine, SetWindowPos(HWND_TOPMOST) on
    // a window that owns a topmost pop-up slides it under that pop-up and
    // leaves it an ordinary window, so "总在最上面" would do nothing.
    toolTip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                               nullptr, nullptr, instance_, nullptr);

    const FormLayout& frame = MainFrameLayout();
    const Box finderBox = frame.BoxOf(IDC_FINDER);
    HWND finder = CreateFormControl(hwnd_, instance_, 0, kFinderClass, L"", 0, finderBox, IDC_FINDER);
    dpi_.controls().Add(finder, finderBox);
    controls_[IDC_FINDER] = finder;
    form_.finderHwnd = FromHwnd(finder);
    for (const ControlDef& def : FrameControls()) CreateControl(hwnd_, def);

    const Box tabsBox = frame.BoxOf(IDC_TABS);
    tabStrip_ = CreateFormControl(hwnd_, instance_, 0, WC_TABCONTROLW, L"", WS_CLIPSIBLINGS | WS_TABSTOP, tabsBox,
                                  IDC_TABS);
    dpi_.controls().Add(tabStrip_, tabsBox);
    // The first six tabs are the window's design; " 工具 " is appended at load.
    for (int i = 0; i < 7; ++i) {
        std::wstring caption = Utf8ToWide(kTabCaptions[static_cast<std::size_t>(i)]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(tabStrip_, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }

    for (int i = 0; i < 7; ++i) {
        tabPanels_[i] = CreateWindowExW(WS_EX_CONTROLPARENT, kPanelClass, L"", WS_CHILD | WS_CLIPSIBLINGS,
                                        kTabPanelBox.left, kTabPanelBox.top, kTabPanelBox.width, kTabPanelBox.height,
                                        hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_TAB_PANEL0 + i)),
                                        instance_, nullptr);
        dpi_.controls().Add(tabPanels_[i], kTabPanelBox);
        SetWindowPos(tabPanels_[i], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        for (const ControlDef& def : TabControls(i)) CreateControl(tabPanels_[i], def);
    }
    HWND status = Control(IDC_STATE_LIST);
    for (const StateRow& row : kStateTable)
        SendMessageW(status, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(row.caption).c_str()));
    SetWindowSubclass(status, StateListProc, 0, reinterpret_cast<DWORD_PTR>(this));
    SetUpToolsTab();
    pictureView_.Attach(hwnd_, tabPanels_[5], instance_);

    form_.Load();
    // The browser comes last in the load: it only shows the program's banner.
    const Box banner = frame.BoxOf(IDC_BANNER);
    CreateWebBrowser(hwnd_, instance_, RECT{banner.left, banner.top, banner.Right(), banner.Bottom()}, dpi_.font());
    dpi_.controls().AddById(hwnd_, IDC_BANNER, banner);
    OnRescaled();
    Render();
}

// What the model has to tell the user, in a box owned by the main window.
void MainWindow::ShowMessageForUser() {
    if (form_.messageForUser.empty()) return;
    const std::wstring text = Utf8ToWide(form_.messageForUser);
    form_.messageForUser.clear();
    MessageBoxW(hwnd_, text.c_str(), Utf8ToWide(kMessageBoxTitle).c_str(), MB_OK | MB_ICONWARNING);
}

void MainWindow::CreateControl(HWND parent, const ControlDef& def) {
    const bool sunken = lstrcmpiW(def.className, L"EDIT") == 0 || lstrcmpiW(def.className, L"LISTBOX") == 0;
    Box box = def.Place();
    // A combo box's height is where its list drops to.
    if (lstrcmpiW(def.className, L"COMBOBOX") == 0) box.height += kDropListHeight;
    HWND control = CreateWindowExW(sunken ? WS_EX_CLIENTEDGE : 0, def.className, Utf8ToWide(def.caption).c_str(),
                                   def.style, box.left, box.top, box.width, box.height, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(def.id)), instance_, nullptr);
    dpi_.controls().Add(control, box);
    if (def.id != IDC_STATIC) controls_[def.id] = control;
    if (def.toolTip) AddToolTip(toolTip_, control, Utf8ToWide(def.toolTip));
}

HWND MainWindow::Control(int id) const {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

void MainWindow::OnCommand(int id, int code, HWND control) {
    switch (id) {
        case IDC_ALWAYS_ON_TOP:
            form_.SetAlwaysOnTop(SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED);
            break;
        case IDC_HEX_DISPLAY: form_.SetHexDisplay(SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED); break;
        case IDC_DELAYED_READ: form_.StartDelayedRead(); break;
        case IDC_READER_CHOICE:
            if (code != CBN_SELCHANGE) return;
            form_.readerChoice = static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0));
            ShowReaderToolTips();
            break;
        case IDC_READ_DATA:
        case IDC_REFRESH:
        case IDC_CLOSE_CONTROL:
        case IDC_END_PROCESS:
        case IDC_SET_STYLES:
        case IDC_SET_SIZE:
        case IDC_FLASH:
        case IDC_SET_TEXT:
            if (code != BN_CLICKED) return;
            OnToolButton(id);
            break;
        case IDC_SAVE_PICTURE:
            if (code == BN_CLICKED) pictureView_.OnSave();
            break;
        case IDC_GO_TO_PROGRAM:
            if (code == STN_CLICKED) form_.OpenProgramFolder();
            break;
        case IDC_PREV_LINK:
        case IDC_NEXT_LINK:
        case IDC_PARENT_LINK:
        case IDC_CHILD_LINK:
        case IDC_OWNER_LINK:
            if (code != STN_CLICKED) return;
            form_.FollowRelatedLink(static_cast<RelatedLink>(id - IDC_PREV_LINK));
            break;
        // The keyboard (space bar) changes a tick without acting on the window.
        case IDC_STATE_LIST:
            if (code == LBN_SELCHANGE) HarvestTicks();
            return;
        case IDC_TREE_BUTTON:
        case IDC_CHILD_LIST_BUTTON:
        case IDC_ABOUT_BUTTON:
            if (code == BN_CLICKED) OpenForm(id);
            break;
        // Ends the program at once, without the unload step; a read still
        // running is stopped first, so that it leaves no block in its target.
        case IDC_OK_BUTTON:
            form_.EndRead();
            ExitProcess(0);
        default:
            if (code == EN_CHANGE) HarvestText(control);
            return;
    }
    Render();
    ShowMessageForUser();
}

// A field the user edits keeps MainForm in step with what is on screen.
void MainWindow::HarvestText(HWND control) {
    if (rendering_) return;
    const int id = GetDlgCtrlID(control);
    for (int tab = 0; tab < 7; ++tab)
        for (const ControlDef& def : TabControls(tab))
            if (def.id == id && def.text) {
                *def.text(form_) = ControlText(control);
                shownText_[id] = *def.text(form_);
                return;
            }
}

void MainWindow::OnActivate(bool active) {
    if (!active) return;
    form_.Activate();
    Render();
    SetFocus(Control(IDC_HANDLE));
}

void MainWindow::OnTimer(UINT_PTR id) {
    switch (id) {
        case kDragTimer: if (form_.dragTimerOn) form_.DragTick(); break;
        case kFlashTimer: if (form_.flashTimerOn) form_.FlashTick(); break;
        case kDelayedReadTimer: if (form_.delayedReadTimerOn) form_.DelayedReadTick(); break;
        case kReadPollTimer: if (form_.readPollTimerOn) form_.ReadPollTick(); break;
        default: return;
    }
    Render();
    ShowMessageForUser();
}

bool MainWindow::OnSetCursor(HWND control) {
    const int id = GetDlgCtrlID(control);
    bool hand = id == IDC_GO_TO_PROGRAM;
    for (int i = 0; i < kRelatedCount; ++i)
        if (id == kLinkLabels[i]) hand = form_.linkActive[static_cast<std::size_t>(i)];
    if (!hand) return false;
    SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)));  // IDC_HAND
    return true;
}

LRESULT MainWindow::OnCtlColorStatic(HDC dc, HWND control) {
    const int id = GetDlgCtrlID(control);
    COLORREF colour = GetSysColor(COLOR_WINDOWTEXT);
    for (int i = 0; i < kRelatedCount; ++i)
        if (id == kLinkLabels[i]) colour = form_.linkActive[static_cast<std::size_t>(i)] ? kLinkBlue : RGB(0, 0, 0);
    SetTextColor(dc, colour);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    // Read-only edits are painted as statics: keep them white like the others.
    wchar_t className[16] = {};
    GetClassNameW(control, className, 16);
    if (lstrcmpiW(className, L"EDIT") == 0) {
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT CALLBACK MainWindow::PanelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    // What it passes on is handled, exceptions and all, by the main window.
    HWND main = GetParent(hwnd);
    switch (msg) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_CTLCOLORSTATIC:
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
        case WM_HSCROLL:
        case WM_VSCROLL: return SendMessageW(main, msg, wParam, lParam);
        case WM_SETCURSOR:
            if (SendMessageW(main, WM_APP_SETCURSOR, wParam, 0)) return TRUE;
            break;
        default: break;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace lumivex
