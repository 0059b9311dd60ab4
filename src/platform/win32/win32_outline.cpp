// The outline on the screen: windows of our own, shaped to the frame,
// showing the screen's pixels under them inverted.
//
// Drawing on the screen's device context is discarded under Wine, and on
// Windows it leaves inverted pixels behind where a window beneath repaints
// while the outline is up. A window leaves nothing: when it goes, the system
// shows again what lies below. The frame's windows are topmost; never
// activated, so the focus and the finder's mouse capture stay where they
// are; the mouse passes through them, so WindowFromPoint sees what lies
// below; and as tool windows they have no taskbar button. Their regions are
// exactly the outline's pixels, and they paint a copy of the screen taken
// with NOTSRCCOPY before they were shown.
//
// The frame takes two windows, its upper and its lower half: Wine counts a
// pop-up covering the whole screen as a window for the window manager, and
// with no window manager running (as on the test display) it waited 2 s for
// one each time the frame of a maximised window or of the desktop went.
#include "platform/inverted_frame.h"
#include "platform/unique_handle.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_thread_calls.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace lumivex {

namespace {

constexpr wchar_t kFrameClass[] = L"LumivexInvertedFrame";
constexpr DWORD kFrameExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT;
// How long the screen may take to show a frame, or to show it no more.
constexpr DWORD kScreenWaitMs = 250;

struct ReleaseScreenDc {
    void operator()(HDC dc) const { ::ReleaseDC(nullptr, dc); }
};
struct DeleteDc {
    void operator()(HDC dc) const { ::DeleteDC(dc); }
};
struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const { ::DeleteObject(object); }
};
struct SelectBack {
    HDC dc;
    void operator()(HGDIOBJ previous) const { ::SelectObject(dc, previous); }
};

struct ScreenDc : UniqueHandle<HDC, ReleaseScreenDc> {
    ScreenDc() : UniqueHandle(::GetDC(nullptr)) {}
};

struct MemoryDc : UniqueHandle<HDC, DeleteDc> {
    explicit MemoryDc(HDC like) : UniqueHandle(::CreateCompatibleDC(like)) {}
};

// Selects an object and puts the one it replaced back.
struct Selection : UniqueHandle<HGDIOBJ, SelectBack> {
    Selection(HDC dc, HGDIOBJ object) : UniqueHandle(dc ? ::SelectObject(dc, object) : nullptr, {dc}) {}
};

// A region we still own; SetWindowRgn takes it over.
using Region = UniqueHandle<HRGN, DeleteGdiObject>;

bool IsEmpty(const Rect& r) { return r.left >= r.right || r.top >= r.bottom; }

Rect Intersect(const Rect& a, const Rect& b) {
    return Rect{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
}

// All monitors: the frame of a window on another monitor shows there too.
Rect VirtualScreen() {
    const int x = ::GetSystemMetrics(SM_XVIRTUALSCREEN), y = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    return Rect{x, y, x + ::GetSystemMetrics(SM_CXVIRTUALSCREEN), y + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

// What one of the frame's windows paints: its part of the picture.
struct FramePart {
    HWND hwnd = nullptr;
    HBITMAP picture = nullptr;
    POINT offset{};  // the window's top-left corner in the picture
};

void PaintFrame(HWND hwnd) {
    PAINTSTRUCT ps{};
    HDC dc = ::BeginPaint(hwnd, &ps);
    const auto* part = reinterpret_cast<const FramePart*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (dc && part) {
        MemoryDc memory(dc);
        Selection usePicture(memory.get(), part->picture);
        if (usePicture)
            ::BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
                     ps.rcPaint.bottom - ps.rcPaint.top, memory.get(), part->offset.x + ps.rcPaint.left,
                     part->offset.y + ps.rcPaint.top, SRCCOPY);
    }
    ::EndPaint(hwnd, &ps);
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_NCHITTEST: return HTTRANSPARENT;
        case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
        case WM_ERASEBKGND: return 1;  // the picture covers every pixel of the region
        case WM_PAINT: PaintFrame(hwnd); return 0;
        default: return ::DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

bool RegisterFrameClass(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (::GetClassInfoExW(instance, kFrameClass, &wc)) return true;
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = FrameProc;
    wc.hInstance = instance;
    wc.lpszClassName = kFrameClass;
    return ::RegisterClassExW(&wc) != 0;
}

// Pixels of a part of the screen that we can read: a 32-bit DIB section,
// top row first.
class Pixels {
public:
    Pixels(int width, int height) : width_(width) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        *bitmap_.put() = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<const std::uint32_t*>(bits);
    }
        HBITMAP get() const { return bitmap_.get(); }
    explicit operator bool() const { return bitmap_ && bits_; }
    // The colour without the byte GDI leaves undefined.
    std::uint32_t Rgb(int x, int y) const {
        return bits_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] &
               0x00FFFFFFu;
    }

    // Copies the screen's pixels of each piece (in coordinates of `origin`)
    // with the raster operation `rop`.
    bool CopyScreen(const std::vector<Rect>& pieces, POINT origin, DWORD rop) {
        ScreenDc screen;
        MemoryDc memory(screen.get());
        Selection select(memory.get(), bitmap_.get());
        if (!screen.get() || !select) return false;
        for (const Rect& p : pieces)
            if (!::BitBlt(memory.get(), p.left, p.top, p.right - p.left, p.bottom - p.top, screen.get(),
                          origin.x + p.left, origin.y + p.top, rop))
                return false;
        ::GdiFlush();  // before the bits are read
        return true;
    }

private:
    int width_;
    UniqueHandle<HBITMAP, DeleteGdiObject> bitmap_{nullptr};
    const std::uint32_t* bits_ = nullptr;
};

}  // namespace

class InvertedFrame {
public:
    // Null when nothing of the frame lies on the screen or a call failed.
    static std::unique_ptr<InvertedFrame> Show(const Rect& rect, int penWidth);
    ~InvertedFrame() { Destroy(); }
    InvertedFrame(const InvertedFrame&) = delete;
    InvertedFrame& operator=(const InvertedFrame&) = delete;
    // Takes the windows away; returns once the screen no longer shows them.
    void Hide();

private:
    InvertedFrame(const Rect& bounds, std::vector<Rect> pieces);
    bool Create();
    bool CreatePart(FramePart& part, const Rect& rows);
    void Destroy();
    // Does the screen show the frame (every pixel of it, when `shown`), or
    // nothing of it (no pixel, when not)?
    bool ScreenShows(bool shown);
    void WaitUntilScreenShows(bool shown);

    Rect bounds_;               // on the screen
    std::vector<Rect> pieces_;  // the outline's pixels, in coordinates of bounds_
    Pixels picture_;            // what the windows show, in coordinates of bounds_
    std::array<FramePart, 2> parts_;  // the upper half and the lower; they paint from picture_
};

InvertedFrame::InvertedFrame(const Rect& bounds, std::vector<Rect> pieces)
    : bounds_(bounds), pieces_(std::move(pieces)), picture_(bounds.right - bounds.left, bounds.bottom - bounds.top) {}

std::unique_ptr<InvertedFrame> InvertedFrame::Show(const Rect& rect, int penWidth) {
    const Rect bounds = Intersect(InvertedFrameBounds(rect, penWidth), VirtualScreen());
    if (IsEmpty(bounds)) return nullptr;
    std::vector<Rect> pieces;
    for (const Rect& piece : InvertedFrameRects(rect, penWidth)) {
        const Rect onScreen = Intersect(piece, bounds);
        if (!IsEmpty(onScreen))
            pieces.push_back({onScreen.left - bounds.left, onScreen.top - bounds.top, onScreen.right - bounds.left,
                              onScreen.bottom - bounds.top});
    }
    std::unique_ptr<InvertedFrame> frame(new InvertedFrame(bounds, std::move(pieces)));
    // The copy comes first: once the windows are up, the screen shows them.
    // Only the frame's pixels are read, not a whole window's worth of screen.
    if (!frame->picture_ || !frame->picture_.CopyScreen(frame->pieces_, {bounds.left, bounds.top}, NOTSRCCOPY) ||
        !frame->Create())
        return nullptr;
    for (const FramePart& part : frame->parts_) {
        if (!part.hwnd) continue;
        ::ShowWindow(part.hwnd, SW_SHOWNOACTIVATE);
        ::UpdateWindow(part.hwnd);
    }
    frame->WaitUntilScreenShows(true);
    return frame;
}

void InvertedFrame::Hide() {
    Destroy();
    WaitUntilScreenShows(false);
}

void InvertedFrame::Destroy() {
    for (FramePart& part : parts_) {
        if (part.hwnd) ::DestroyWindow(part.hwnd);
        part.hwnd = nullptr;
    }
}

bool InvertedFrame::Create() {
    const int middle = (bounds_.bottom - bounds_.top) / 2;
    return CreatePart(parts_[0], Rect{0, 0, bounds_.right - bounds_.left, middle}) &&
           CreatePart(parts_[1], Rect{0, middle, bounds_.right - bounds_.left, bounds_.bottom - bounds_.top});
}

// A window for the outline's pixels within `rows` (coordinates of bounds_);
// none when the outline has no pixel there.
bool InvertedFrame::CreatePart(FramePart& part, const Rect& rows) {
    std::vector<Rect> mine;
    for (const Rect& p : pieces_) {
        const Rect r = Intersect(p, rows);
        if (!IsEmpty(r)) mine.push_back(r);
    }
    if (mine.empty()) return true;
    Rect place = mine.front();
    for (const Rect& r : mine)
        place = Rect{std::min(place.left, r.left), std::min(place.top, r.top), std::max(place.right, r.right),
                     std::max(place.bottom, r.bottom)};
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    if (!RegisterFrameClass(instance)) return false;
    Region region(::CreateRectRgn(0, 0, 0, 0));
    if (!region.get()) return false;
    for (const Rect& r : mine) {
        Region piece(::CreateRectRgn(r.left - place.left, r.top - place.top, r.right - place.left,
                                     r.bottom - place.top));
        if (!piece.get() || ::CombineRgn(region.get(), region.get(), piece.get(), RGN_OR) == ERROR) return false;
    }
    part.picture = picture_.get();
    part.offset = {place.left, place.top};
    part.hwnd = ::CreateWindowExW(kFrameExStyle, kFrameClass, L"", WS_POPUP, bounds_.left + place.left,
                                  bounds_.top + place.top, place.right - place.left, place.bottom - place.top, nullptr,
                                  nullptr, instance, nullptr);
    if (!part.hwnd) return false;
    ::SetWindowLongPtrW(part.hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&part));
    // Without its region the window would cover what it frames.
    if (!::SetWindowRgn(part.hwnd, region.get(), FALSE)) return false;
    region.Disown();  // the system's now
    return true;
}

bool InvertedFrame::ScreenShows(bool shown) {
    Pixels seen(bounds_.right - bounds_.left, bounds_.bottom - bounds_.top);
    if (!seen || !seen.CopyScreen(pieces_, {bounds_.left, bounds_.top}, SRCCOPY)) return false;
    for (const Rect& p : pieces_)
        for (int y = p.top; y < p.bottom; ++y)
            for (int x = p.left; x < p.right; ++x)
                if ((seen.Rgb(x, y) == picture_.Rgb(x, y)) != shown) return false;
    return true;
}

// The frame must be on the screen before the caller's wait starts, and off
// it before the next frame copies the screen: a copy that still holds the
// last frame shows the screen's own pixels instead of their inverse. Under
// Wine neither happens by itself in time. A window's pixels reach the X
// server when its thread looks for messages and finds none (while painting
// only if it has not been idle for 50 ms), pixels sent before the X server
// has mapped the window are lost until the thread handles the exposure that
// follows, and a window's removal may wait in the thread's output to the X
// server: a frame shown right after the message loop was idle stayed off
// the X display for its whole 400 ms, and frames shown right after another
// one went showed nothing. A wait for messages with no time-out is such a
// look and sends what waits; it neither removes nor dispatches a queued
// message. Reading the frame's pixels back tells when the screen is there;
// the limit keeps a screen that changes under the frame, or a window below
// that does not repaint, from holding us up.
void InvertedFrame::WaitUntilScreenShows(bool shown) {
    const DWORD started = ::GetTickCount();
    for (;;) {
        ::GdiFlush();
        ::MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, 0);
        if (ScreenShows(shown) || ::GetTickCount() - started >= kScreenWaitMs) return;
        ::Sleep(1);
    }
}

Win32Platform::Win32Platform() : threadCalls_(std::make_unique<TargetThreadCalls>()) {}
Win32Platform::~Win32Platform() = default;

void Win32Platform::ShowInvertedFrame(const Rect& rect, int penWidth) {
    // The old frame goes before the screen is copied for the new one.
    HideInvertedFrame();
    frame_ = InvertedFrame::Show(rect, penWidth);
}

void Win32Platform::HideInvertedFrame() {
    if (frame_) frame_->Hide();
    frame_.reset();
}

}  // namespace lumivex
