// The simulated screen and the GDI calls that copy it: memory device
// contexts, bitmaps, block transfers and reading bitmaps back. The rules
// Windows enforces and a careless caller trips over are enforced here too:
// a bitmap goes into one memory device context at a time, GetDIBits refuses
// a bitmap that is still selected, a memory device context is deleted and
// never released.
#include <algorithm>
#include <cstring>

#include "platform/sim/sim_desktop.h"

namespace lumivex::sim {

namespace {
constexpr std::uintptr_t kBitmapTag = 0x80000;
constexpr std::uint16_t kTrueColour = 32;
}  // namespace

void SimDesktop::SetScreenSize(int width, int height) {
    SetMonitors({SimMonitor{Rect{0, 0, width, height}, Rect{}, dpi_}});
}

// Screen coordinates are those of the virtual screen: the primary monitor's
// top-left is (0, 0), and a monitor left of or above it has negative ones.
void SimDesktop::SetScreenPixel(int x, int y, std::uint32_t rgb) {
    if (!PtInRect(virtual_, {x, y})) return;
    const auto width = static_cast<std::size_t>(virtual_.right - virtual_.left);
    screen_[static_cast<std::size_t>(y - virtual_.top) * width + static_cast<std::size_t>(x - virtual_.left)] = rgb;
}

std::uint32_t SimDesktop::ScreenPixel(int x, int y) const {
    if (!PtInRect(virtual_, {x, y})) return 0;
    const auto width = static_cast<std::size_t>(virtual_.right - virtual_.left);
    return screen_[static_cast<std::size_t>(y - virtual_.top) * width + static_cast<std::size_t>(x - virtual_.left)];
}

void SimDesktop::FillScreen(const Rect& area, std::uint32_t rgb) {
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) SetScreenPixel(x, y, rgb);
}

bool SimDesktop::IsSelectedBitmap(Hgdiobj bitmap) const {
    for (const auto& entry : openDcs_)
        if (entry.second.bitmap == bitmap) return true;
    return false;
}

// A window device context starts at the window's top-left corner; the
// desktop's covers the screen.
bool SimDesktop::ReadPixel(const DcState& dc, int x, int y, std::uint32_t& rgb) const {
    if (dc.memory) {
        const auto it = bitmaps_.find(dc.bitmap);
        if (it == bitmaps_.end()) return false;
        const SimBitmap& b = it->second;
        if (x < 0 || y < 0 || x >= b.width || y >= b.height) return false;
        rgb = b.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(b.width) + static_cast<std::size_t>(x)];
        return true;
    }
    Point origin;
    if (dc.window != kDesktop) {
        const auto w = windows_.find(dc.window);
        if (w == windows_.end()) return false;
        origin = {w->second.rect.left, w->second.rect.top};
    }
    rgb = ScreenPixel(origin.x + x, origin.y + y);
    return true;
}

void SimDesktop::WritePixel(const DcState& dc, int x, int y, std::uint32_t rgb) {
    if (dc.memory) {
        const auto it = bitmaps_.find(dc.bitmap);
        if (it == bitmaps_.end()) return;
        SimBitmap& b = it->second;
        if (x < 0 || y < 0 || x >= b.width || y >= b.height) return;
        b.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(b.width) + static_cast<std::size_t>(x)] = rgb;
        return;
    }
    Point origin;
    if (dc.window != kDesktop) {
        const auto w = windows_.find(dc.window);
        if (w == windows_.end()) return;
        origin = {w->second.rect.left, w->second.rect.top};
    }
    SetScreenPixel(origin.x + x, origin.y + y, rgb);
}

Hdc SimDesktop::CreateCompatibleDC(Hdc dc) {
    log.AddCall(CallKind::Gdi, "CreateCompatibleDC");
    if (dc != 0 && !openDcs_.count(dc)) return 0;
    const Hdc memory = nextGdi_++;
    DcState state{0};
    state.memory = true;
    openDcs_[memory] = state;
    return memory;
}

bool SimDesktop::DeleteDC(Hdc dc) {
    log.AddCall(CallKind::Gdi, "DeleteDC");
    const auto it = openDcs_.find(dc);
    if (it == openDcs_.end() || !it->second.memory) return false;
    openDcs_.erase(it);
    return true;
}

Hgdiobj SimDesktop::CreateCompatibleBitmap(Hdc dc, int width, int height) {
    log.AddCall(CallKind::Gdi, "CreateCompatibleBitmap");
    if (faults.failCreateCompatibleBitmap || !openDcs_.count(dc) || width < 0 || height < 0) return 0;
    // Windows answers a zero size with a 1x1 bitmap.
    SimBitmap b;
    b.width = std::max(width, 1);
    b.height = std::max(height, 1);
    b.pixels.assign(static_cast<std::size_t>(b.width) * static_cast<std::size_t>(b.height), 0);
    const Hgdiobj bitmap = kBitmapTag | nextGdi_++;
    bitmaps_[bitmap] = std::move(b);
    gdiObjects_.insert(bitmap);
    return bitmap;
}

bool SimDesktop::BitBlt(Hdc dest, int x, int y, int width, int height, Hdc src, int x1, int y1,
                        std::uint32_t rop) {
    log.AddCall(CallKind::Gdi, "BitBlt");
    const auto d = openDcs_.find(dest);
    const auto s = openDcs_.find(src);
    if (faults.failBitBlt || d == openDcs_.end() || s == openDcs_.end() || rop != win::SRCCOPY) return false;
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column) {
            std::uint32_t rgb = 0;
            // What lies outside the source comes out black.
            ReadPixel(s->second, x1 + column, y1 + row, rgb);
            WritePixel(d->second, x + column, y + row, rgb);
        }
    return true;
}

int SimDesktop::GetDIBits(Hdc dc, Hgdiobj bitmap, std::uint32_t start, std::uint32_t lines, void* bits,
                          BitmapInfoHeader* info, std::uint32_t usage) {
    log.AddCall(CallKind::Gdi, "GetDIBits");
    const auto it = bitmaps_.find(bitmap);
    if (!openDcs_.count(dc) || it == bitmaps_.end() || IsSelectedBitmap(bitmap) || !bits || !info) return 0;
    // Only the format the program asks for is simulated.
    if (info->biBitCount != kTrueColour || info->biCompression != win::BI_RGB || usage != win::DIB_RGB_COLORS ||
        info->biWidth <= 0)
        return 0;
    const SimBitmap& b = it->second;
    const bool topDown = info->biHeight < 0;
    const auto height = static_cast<std::uint32_t>(b.height);
    if (start >= height) return 0;
    const std::uint32_t copied = std::min(lines, height - start);
    const auto stride = static_cast<std::size_t>(info->biWidth);
    const auto columns = static_cast<std::size_t>(std::min(info->biWidth, b.width));
    auto* out = static_cast<std::uint32_t*>(bits);
    for (std::uint32_t line = 0; line < copied; ++line) {
        const std::uint32_t scan = start + line;
        const std::uint32_t row = topDown ? scan : height - 1 - scan;
        std::memcpy(out + line * stride, b.pixels.data() + static_cast<std::size_t>(row) * static_cast<std::size_t>(b.width),
                    columns * sizeof(std::uint32_t));
    }
    return static_cast<int>(copied);
}

}  // namespace lumivex::sim
