#include "ui/tree_window.h"

#include "layout/form_layouts.h"
#include "platform/win32/win32_platform.h"
#include "ui/centered_msg_box.h"
#include "ui/control_ids.h"
#include "ui/window_class.h"

namespace lumivex {
namespace {

constexpr wchar_t kTreeClass[] = L"LumivexTree";

struct ButtonDef {
    int id;
    const wchar_t* caption;
};
constexpr ButtonDef kButtons[] = {
    {IDC_TREE_DESKTOP, L"桌面"}, {IDC_TREE_PARENT, L"父层"}, {IDC_TREE_BACK, L"返回"},
    {IDC_TREE_FLASH, L"闪烁"},   {IDC_TREE_EXPAND, L"展开"}, {IDC_TREE_OK, L"确定"},
};

// The node picture: at 96 DPI a 14 × 11 window with a black frame, a navy
// title bar of two rows and a white body; light grey is the mask colour.
UniqueImageList MakeNodeImages(int dpi) {
    const auto at = [dpi](int value96) { return ScaleToDpi(value96, dpi); };
    const int width = at(14), height = at(11);
    UniqueImageList list(ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, 1, 1));
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(dc, bitmap);
    auto fill = [dc, &at](RECT r, COLORREF c) {
        HBRUSH brush = CreateSolidBrush(c);
        const RECT scaled{at(r.left), at(r.top), at(r.right), at(r.bottom)};
        FillRect(dc, &scaled, brush);
        DeleteObject(brush);
    };
    fill({0, 0, 14, 11}, RGB(0, 0, 0));
    fill({1, 1, 13, 3}, RGB(0, 0, 0x80));
    fill({1, 3, 13, 10}, RGB(255, 255, 255));
    SelectObject(dc, old);
    ImageList_AddMasked(list.get(), bitmap, RGB(0xC0, 0xC0, 0xC0));
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return list;
}

}  // namespace

TreeWindow::TreeWindow(HINSTANCE instance, MainForm& main, std::function<void()> onMainChanged)
    : instance_(instance), form_(main), onMainChanged_(std::move(onMainChanged)) {}

TreeWindow::~TreeWindow() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

bool TreeWindow::Create(HWND owner) {
    owner_ = owner;
    RegisterFormClass(instance_, kTreeClass, ObjectWindowProc<TreeWindow>, ProgramIcon(instance_));
    const Size size = ScaleSize(TreeLayout().outer, DpiOfWindow(owner));
    hwnd_ = CreateWindowExW(0, kTreeClass, L"句柄树结构列表", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                            CW_USEDEFAULT, CW_USEDEFAULT, size.width, size.height, owner, nullptr, instance_, this);
    if (!hwnd_) return false;
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    return true;
}

LRESULT TreeWindow::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0; dpi_.Handle(hwnd_, msg, wParam, lParam, result, [this] { OnRescaled(); })) return result;
    switch (msg) {
        case WM_CREATE: OnCreate(); return 0;
        case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
        case WM_NOTIFY: return OnNotify(reinterpret_cast<const NMHDR*>(lParam));
        case WM_NCDESTROY: {
            // Closed by its close box, by "确定" or with its owner: the
            // object stays until the main window lets it go.
            const HWND gone = hwnd_;
            hwnd_ = nullptr;
            return DefWindowProcW(gone, msg, wParam, lParam);
        }
        default: return DefWindowProcW(hwnd_, msg, wParam, lParam);
    }
}

void TreeWindow::OnCreate() {
    dpi_.Start(hwnd_);
    SetWindowPos(hwnd_, form_.Topmost() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    auto make = [this](DWORD exStyle, const wchar_t* cls, const wchar_t* text, DWORD style, int id) {
        const Box box = TreeLayout().BoxOf(id);
        HWND control = CreateFormControl(hwnd_, instance_, exStyle, cls, text, style, box, id);
        dpi_.controls().Add(control, box);
        return control;
    };
    // Lines and plus/minus buttons below the root; the root itself has none.
    make(WS_EX_CLIENTEDGE, WC_TREEVIEWW, L"", WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS | TVS_SHOWSELALWAYS,
         IDC_TREE_VIEW);
    for (const ButtonDef& b : kButtons) make(0, L"BUTTON", b.caption, WS_TABSTOP | BS_PUSHBUTTON, b.id);
    HWND handleBox = make(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, IDC_TREE_HANDLE);
    // Owned by the form, so it goes with it.
    HWND tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, hwnd_,
                                nullptr, instance_, nullptr);
    AddToolTip(tips, Control(IDC_TREE_FLASH), L"矩形闪烁");
    AddToolTip(tips, handleBox, L"回车转到树节点");
    SendMessageW(handleBox, EM_SETLIMITTEXT, 8, 0);
    SetWindowSubclass(handleBox, HandleBoxProc, 1, reinterpret_cast<DWORD_PTR>(this));
    make(WS_EX_CLIENTEDGE, L"EDIT", L"", ES_READONLY | ES_AUTOHSCROLL, IDC_TREE_NODE_TEXT);
    OnRescaled();

    form_.Load();
    Render();
}

// The controls' places, the node picture and the icons for the window's DPI.
void TreeWindow::OnRescaled() {
    dpi_.LayOut();
    TakeProgramIcon(hwnd_, instance_, dpi_.dpi());
    UniqueImageList old = std::move(images_);  // the tree holds it until it takes the new one
    images_ = MakeNodeImages(dpi_.dpi());
    TreeView_SetImageList(Control(IDC_TREE_VIEW), images_.get(), TVSIL_NORMAL);
}

void TreeWindow::OnCommand(int id, int code) {
    if (rendering_) return;
    switch (id) {
        case IDC_TREE_DESKTOP: form_.PressDesktop(); break;
        case IDC_TREE_PARENT: form_.PressParent(); break;
        case IDC_TREE_BACK: form_.PressBack(); break;
        case IDC_TREE_FLASH: form_.PressFlash(); break;
        case IDC_TREE_EXPAND: form_.PressExpand(); break;
        case IDC_TREE_OK: form_.PressOk(); break;
        case IDC_TREE_HANDLE:
            if (code == EN_CHANGE) form_.handleText = ControlText(Control(IDC_TREE_HANDLE));
            return;
        default: return;
    }
    Render();
    if (id == IDC_TREE_FLASH || id == IDC_TREE_OK) onMainChanged_();
    if (form_.closeRequested) DestroyWindow(hwnd_);
}

LRESULT TreeWindow::OnNotify(const NMHDR* header) {
    if (header->idFrom != IDC_TREE_VIEW || header->code != TVN_SELCHANGEDW) return 0;
    const auto* change = reinterpret_cast<const NMTREEVIEWW*>(header);
    // A click (or the keyboard) on a node, not a selection made by the form.
    if (rendering_ || change->action == TVC_UNKNOWN) return 0;
    form_.ClickNode(static_cast<int>(change->itemNew.lParam));
    Render();
    return 0;
}

bool TreeWindow::OnHandleBoxChar(WPARAM code) {
    const auto filtered = FilterHandleKey(static_cast<int>(code));
    if (!filtered) return true;
    if (*filtered == '\r') {
        form_.handleText = ControlText(Control(IDC_TREE_HANDLE));
        form_.GoToNode();
        Render();
        return true;
    }
    if (*filtered == '\0') {
        SendMessageW(Control(IDC_TREE_HANDLE), EM_SETSEL, 0, -1);
        return true;
    }
    return false;
}

LRESULT CALLBACK TreeWindow::HandleBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    auto* window = reinterpret_cast<TreeWindow*>(self);
    if (msg == WM_CHAR) {
        if (window->OnHandleBoxChar(wParam)) return 0;
        const auto filtered = FilterHandleKey(static_cast<int>(wParam));
        return DefSubclassProc(hwnd, msg, static_cast<WPARAM>(static_cast<unsigned char>(*filtered)), lParam);
    }
    if (msg == WM_LBUTTONDBLCLK) {
        window->form_.handleText = ControlText(hwnd);
        window->form_.GoToNode();
        window->Render();
        return 0;
    }
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

void TreeWindow::FillTree() {
    HWND tree = Control(IDC_TREE_VIEW);
    ShowWindow(tree, SW_HIDE);
    TreeView_DeleteAllItems(tree);
    items_.clear();
    items_.reserve(form_.nodes.size());
    for (std::size_t i = 0; i < form_.nodes.size(); ++i) {
        const TreeNode& node = form_.nodes[i];
        const std::wstring text = Utf8ToWide(node.text);
        TVINSERTSTRUCTW insert{};
        insert.hParent = node.parent < 0 ? TVI_ROOT : items_[static_cast<std::size_t>(node.parent)];
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        insert.item.pszText = const_cast<wchar_t*>(text.c_str());
        insert.item.lParam = static_cast<LPARAM>(i);
        items_.push_back(TreeView_InsertItem(tree, &insert));
    }
    ShowWindow(tree, SW_SHOW);
    if (!items_.empty()) TreeView_Expand(tree, items_.front(), TVE_EXPAND);
    form_.FinishBuild();
}

void TreeWindow::Render() {
    struct Flag {
        bool& f;
        explicit Flag(bool& b) : f(b) { f = true; }
        ~Flag() { f = false; }
    } flag(rendering_);
    HWND tree = Control(IDC_TREE_VIEW);
    if (shownBuild_ != form_.buildCount) {
        shownBuild_ = form_.buildCount;
        FillTree();
    }
    if (shownExpand_ != form_.expandCount) {
        shownExpand_ = form_.expandCount;
        ShowWindow(tree, SW_HIDE);
        for (std::size_t i = 1; i < items_.size(); ++i)
            TreeView_Expand(tree, items_[i], form_.ExpandAllState ? TVE_EXPAND : TVE_COLLAPSE);
        ShowWindow(tree, SW_SHOW);
        if (!(form_.TreeTarget != 0 && form_.ExpandAllState) && !items_.empty())
            TreeView_EnsureVisible(tree, items_.front());
    }
    if (shownSelect_ != form_.selectCount && form_.selectedNode >= 0 &&
        static_cast<std::size_t>(form_.selectedNode) < items_.size()) {
        shownSelect_ = form_.selectCount;
        const HTREEITEM item = items_[static_cast<std::size_t>(form_.selectedNode)];
        TreeView_SelectItem(tree, item);
        SetFocus(tree);
        TreeView_EnsureVisible(tree, item);
    }
    SetWindowTextW(hwnd_, Utf8ToWide(form_.caption).c_str());
    const int buttonIds[] = {IDC_TREE_DESKTOP, IDC_TREE_PARENT, IDC_TREE_BACK};
    for (int i = 0; i < 3; ++i) EnableWindow(Control(buttonIds[i]), form_.buttonEnabled[static_cast<std::size_t>(i)]);
    if (ControlText(Control(IDC_TREE_HANDLE)) != form_.handleText)
        SetWindowTextW(Control(IDC_TREE_HANDLE), Utf8ToWide(form_.handleText).c_str());
    SetWindowTextW(Control(IDC_TREE_NODE_TEXT), Utf8ToWide(form_.nodeText).c_str());
    if (!form_.messageForUser.empty()) {
        const std::wstring text = Utf8ToWide(form_.messageForUser);
        form_.messageForUser.clear();
        CenteredMsgBox(hwnd_, text.c_str(), MB_ICONEXCLAMATION | MB_OK, Utf8ToWide(kUnplacedTitle).c_str());
    }
}

}  // namespace lumivex
