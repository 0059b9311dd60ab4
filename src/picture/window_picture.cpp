// The picture of the inspected window: the screen pixels of FlashRect.
#include "picture/window_picture.h"

#include <algorithm>

#include "platform/handles.h"

namespace lumivex {

namespace {
constexpr std::uint16_t kTrueColour = 32;
// Far beyond any screen, small enough that the size in twips fits 32 bits.
constexpr std::int64_t kMaxPictureSide = 1 << 16;

// A rectangle wholly left of or above the screen keeps a negative width or
// height after clamping; it is pictured as empty rather than refused.
int PictureSide(std::int32_t from, std::int32_t to) {
    return static_cast<int>(std::clamp<std::int64_t>(std::int64_t{to} - from, 0, kMaxPictureSide));
}

bool CopyIntoBitmap(Platform& p, Hdc screen, Hdc memory, Hgdiobj bitmap, int left, int top, int width,
                    int height) {
    SelectGuard select(p, memory, bitmap);
    return p.BitBlt(memory, 0, 0, width, height, screen, left, top, win::SRCCOPY);
}
}  // namespace

Picture CopyScreenArea(Platform& p, int left, int top, int width, int height) {
    Picture picture;
    picture.width = std::max(width, 0);
    picture.height = std::max(height, 0);
    if (picture.width == 0 || picture.height == 0) return picture;  // nothing to transfer
    if (std::int64_t{picture.width} * picture.height > kMaxPicturePixels) return picture;

    // The screen's device context spans every monitor with its origin at the
    // primary's top-left: an area at negative coordinates (a monitor left of
    // or above the primary) is copied from where it is, untranslated.
    const Hwnd desk = p.GetDesktopWindow();
    WindowDc screen(p, desk, p.GetWindowDC(desk));
    if (!screen) return picture;
    MemoryDc memory(p, p.CreateCompatibleDC(screen.get()));
    if (!memory) return picture;
    GdiObject bitmap(p, p.CreateCompatibleBitmap(screen.get(), width, height));
    if (!bitmap) return picture;
    // The selection ends before the read-back: GetDIBits wants the bitmap free.
    if (!CopyIntoBitmap(p, screen.get(), memory.get(), bitmap.get(), left, top, width, height)) return picture;

    BitmapInfoHeader info;
    info.biWidth = width;
    info.biHeight = -height;  // top-down, as the picture keeps its rows
    info.biBitCount = kTrueColour;
    info.biCompression = win::BI_RGB;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    const int lines = p.GetDIBits(memory.get(), bitmap.get(), 0, static_cast<std::uint32_t>(height),
                                  pixels.data(), &info, win::DIB_RGB_COLORS);
    if (lines != height) return picture;
    // The fourth byte of a 32-bit pixel is undefined for a screen copy.
    for (std::uint32_t& pixel : pixels) pixel &= 0x00FFFFFFu;
    picture.pixels = std::move(pixels);
    return picture;
}

void TakeWindowPicture(Platform& p, const Rect& r, PictureView& view) {
    const int width = PictureSide(r.left, r.right), height = PictureSide(r.top, r.bottom);
    // The box is sized in pixels: one box pixel for each pixel copied.
    view.pictureBox = {0, 0, PixelsToTwips(width, view.dpi), PixelsToTwips(height, view.dpi)};
    view.picture = CopyScreenArea(p, r.left, r.top, width, height);
    ++view.generation;
}

void ClearPicture(PictureView& view) {
    view.picture.pixels.clear();
    ++view.generation;
}

}  // namespace lumivex
