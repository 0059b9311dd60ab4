// Logic headers first: they declare names that <windows.h> makes macros.
#include "picture/picture_save.h"
#include "picture/picture_scroll.h"
#include "picture/window_picture.h"
#include "platform/win32/win32_file_ops.h"

#include "ui/control_ids.h"
#include "ui/picture_view_window.h"
#include "ui/save_dialog.h"

namespace lumivex {

namespace {

class Win32SaveUi : public SaveUi {
public:
    Win32SaveUi(HWND owner, HINSTANCE instance) : owner_(owner), instance_(instance) {}
    SaveDialogChoice ShowSaveDialog(const std::string& extension) override {
        return lumivex::ShowSaveDialog(owner_, instance_, extension);
    }
    int ShowMessageBox(const std::string& text, const std::string& caption, std::uint32_t type) override {
        return MessageBoxW(owner_, Utf8ToWide(text).c_str(), Utf8ToWide(caption).c_str(), type);
    }

private:
    HWND owner_;
    HINSTANCE instance_;
};

}  // namespace

void PictureViewWindow::RegisterClasses(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    // The viewport's empty part stands out from the picture and the panel.
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    wc.lpszClassName = kPictureViewportClass;
    RegisterClassExW(&wc);

    wc.lpfnWndProc = BitmapProc;
    wc.hbrBackground = nullptr;  // the paint covers every pixel
    wc.lpszClassName = kPictureBoxClass;
    RegisterClassExW(&wc);
}

void PictureViewWindow::Attach(HWND mainWindow, HWND panel, HINSTANCE instance) {
    main_ = mainWindow;
    instance_ = instance;
    viewport_ = GetDlgItem(panel, IDC_PICTURE_VIEWPORT);
    hScroll_ = GetDlgItem(panel, IDC_PICTURE_HSCROLL);
    vScroll_ = GetDlgItem(panel, IDC_PICTURE_VSCROLL);
    pictureBox_ = CreateWindowExW(0, kPictureBoxClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, viewport_,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_PICTURE_BOX)), instance, this);
}

LRESULT CALLBACK PictureViewWindow::BitmapProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* self = reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    const auto* self = reinterpret_cast<const PictureViewWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (msg) {
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            RECT client;
            GetClientRect(hwnd, &client);
            if (self) self->PaintBitmap(dc, client);
            EndPaint(hwnd, &ps);
            return 0;
        }
        default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

void PictureViewWindow::PaintBitmap(HDC dc, const RECT& client) const {
    const Picture& picture = form_.pictureView.picture;
    if (!picture.HasPixels()) {
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;  // the picture keeps its rows top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(picture.width), static_cast<DWORD>(picture.height), 0, 0, 0,
                      static_cast<UINT>(picture.height), picture.pixels.data(), &info, DIB_RGB_COLORS);
}

bool PictureViewWindow::OnScroll(HWND bar, WPARAM wParam) {
    if (!bar || (bar != hScroll_ && bar != vScroll_)) return false;
    const int code = LOWORD(wParam);
    int trackPos = 0;
    if (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) {
        // The 16-bit position in wParam would do for our range; the
        // scroll information is exact whatever the range.
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(bar, SB_CTL, &info);
        trackPos = info.nTrackPos;
    }
    const ScrollAxis axis = bar == hScroll_ ? ScrollAxis::Horizontal : ScrollAxis::Vertical;
    return ScrollPicture(form_.pictureView, axis, code, trackPos);
}

void PictureViewWindow::OnSave() {
    Win32SaveUi ui(main_, instance_);
    Win32FileOps files;
    form_.SavePicture(ui, files);
}

void PictureViewWindow::Place(HWND control, const TwipsBox& box, Shown& shown) {
    if (box.left == shown.box.left && box.top == shown.box.top && box.width == shown.box.width &&
        box.height == shown.box.height)
        return;
    const int dpi = form_.pictureView.dpi;
    MoveWindow(control, TwipsToPixels(box.left, dpi), TwipsToPixels(box.top, dpi), TwipsToPixels(box.width, dpi),
               TwipsToPixels(box.height, dpi), TRUE);
    shown.box = box;
}

void PictureViewWindow::RenderBar(HWND bar, const ScrollBarModel& model, Shown& shown) {
    Place(bar, model.box, shown);
    if (model.max != shown.max || model.value != shown.value) {
        // No page: the thumb reaches the maximum, and page steps are ours.
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
        info.nMin = 0;
        info.nMax = model.max;
        info.nPage = 0;
        info.nPos = model.value;
        SetScrollInfo(bar, SB_CTL, &info, TRUE);
        shown.max = model.max;
        shown.value = model.value;
    }
    if (model.visible != shown.visible || !barsShown_) ShowWindow(bar, model.visible ? SW_SHOW : SW_HIDE);
    shown.visible = model.visible;
}

void PictureViewWindow::Rescale(int dpi) {
    SetPictureDpi(form_.pictureView, dpi);
    // The same twips are other pixels now: every control is placed again.
    shownViewport_.box = shownBox_.box = shownH_.box = shownV_.box = TwipsBox{-1, -1, -1, -1};
    Render();
}

void PictureViewWindow::Render() {
    if (!pictureBox_) return;
    const PictureView& view = form_.pictureView;
    Place(viewport_, view.viewport, shownViewport_);
    RenderBar(hScroll_, view.hScroll, shownH_);
    RenderBar(vScroll_, view.vScroll, shownV_);
    barsShown_ = true;
    Place(pictureBox_, view.pictureBox, shownBox_);
    if (view.generation != shownGeneration_) {
        InvalidateRect(pictureBox_, nullptr, FALSE);
        shownGeneration_ = view.generation;
    }
}

}  // namespace lumivex
