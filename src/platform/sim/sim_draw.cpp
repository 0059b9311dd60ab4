// The simulated screen's metrics, device contexts, selections and fonts.
#include <cstring>

#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_frame.h"

namespace lumivex::sim {

namespace {
constexpr std::uintptr_t kFontTag = 0x100000;
}  // namespace

Hgdiobj SimDesktop::AddFont(const LogFontW& logFont) {
    const Hgdiobj font = kFontTag | nextGdi_++;
    fonts_[font] = logFont;
    return font;
}

int SimDesktop::GetSystemMetrics(int index) {
    if (index == win::SM_CXSCREEN) return screenWidth_;
    if (index == win::SM_CYSCREEN) return screenHeight_;
    if (index == win::SM_XVIRTUALSCREEN) return virtual_.left;
    if (index == win::SM_YVIRTUALSCREEN) return virtual_.top;
    if (index == win::SM_CXVIRTUALSCREEN) return virtual_.right - virtual_.left;
    if (index == win::SM_CYVIRTUALSCREEN) return virtual_.bottom - virtual_.top;
    if (index == win::SM_CMONITORS) return static_cast<int>(monitors_.size());
    if (const int frame = FrameMetric(index); frame >= 0) return frame;
    return 0;
}

int SimDesktop::GetDeviceCaps(Hdc, int index) {
    return index == win::LOGPIXELSX || index == win::LOGPIXELSY ? dpi_ : 0;
}

Hdc SimDesktop::GetWindowDC(Hwnd hwnd) {
    log.AddCall(CallKind::Gdi, "GetWindowDC");
    if (hwnd != kDesktop && !Find(hwnd)) return 0;
    const Hdc dc = nextGdi_++;
    openDcs_[dc] = DcState{hwnd, 0, systemFont_};
    return dc;
}

Hdc SimDesktop::GetDC(Hwnd hwnd) {
    // GetDC(NULL) is the screen's display context.
    if (hwnd == 0) {
        const Hdc dc = nextGdi_++;
        openDcs_[dc] = DcState{0, 0, systemFont_};
        return dc;
    }
    return GetWindowDC(hwnd);
}

int SimDesktop::ReleaseDC(Hwnd hwnd, Hdc dc) {
    log.AddCall(CallKind::Gdi, "ReleaseDC");
    const auto it = openDcs_.find(dc);
    // A memory device context is deleted, never released.
    if (it == openDcs_.end() || it->second.memory || it->second.window != hwnd) return 0;
    openDcs_.erase(it);
    return 1;
}

Hgdiobj SimDesktop::SelectObject(Hdc dc, Hgdiobj object) {
    log.AddCall(CallKind::Gdi, "SelectObject");
    const auto it = openDcs_.find(dc);
    if (it == openDcs_.end()) return 0;
    if (object == kStockBitmap || bitmaps_.count(object)) {
        // Only a memory device context takes a bitmap, and only one at a time.
        if (!it->second.memory) return 0;
        if (object != kStockBitmap && it->second.bitmap != object && IsSelectedBitmap(object)) return 0;
        const Hgdiobj previous = it->second.bitmap ? it->second.bitmap : kStockBitmap;
        it->second.bitmap = object == kStockBitmap ? 0 : object;
        return previous;
    }
    // The stock pen stands in for what a fresh device context holds.
    const Hgdiobj previous = it->second.pen ? it->second.pen : 0x7;
    it->second.pen = object == 0x7 ? 0 : object;
    return previous;
}

bool SimDesktop::DeleteObject(Hgdiobj object) {
    log.AddCall(CallKind::Gdi, "DeleteObject");
    for (const auto& [dc, state] : openDcs_)
        if (state.pen == object || state.bitmap == object) return false;  // still selected: Windows refuses
    // The stock font stays whatever the caller does, as on Windows.
    if (object != systemFont_ && fonts_.erase(object) > 0) return true;
    bitmaps_.erase(object);
    return gdiObjects_.erase(object) > 0;
}

Hgdiobj SimDesktop::GetCurrentObject(Hdc dc, std::uint32_t type) {
    const auto it = openDcs_.find(dc);
    if (it == openDcs_.end() || type != win::OBJ_FONT) return 0;
    return it->second.font;
}

int SimDesktop::GetObjectW(Hgdiobj object, int size, void* buffer) {
    const auto it = fonts_.find(object);
    if (it == fonts_.end() || !buffer || size <= 0) return 0;
    const int n = std::min<int>(size, static_cast<int>(sizeof(LogFontW)));
    std::memcpy(buffer, &it->second, static_cast<std::size_t>(n));
    return n;
}

}  // namespace lumivex::sim
