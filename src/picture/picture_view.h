// What the picture tab shows: the picture taken from the screen, the
// viewport it scrolls in and the two scroll bars. Positions and sizes are in
// twips, the unit the tab is laid out in; the window code turns them into
// pixels at the main window's DPI (15 twips per pixel at 96 DPI).
//
// The picture folder is logic: it takes the platform and plain values and
// returns plain values; it includes only the platform besides itself.
#pragma once

#include <cstdint>
#include <vector>

namespace lumivex {

// Twips are 1/1440 inch: 15 to a pixel at 96 dots per inch.
constexpr int kTwipsPerInch = 1440;
constexpr int kTwipsPerPixel = 15;

// Half a unit rounds away from zero, as a form places its controls.
inline int RoundedRatio(long long value, long long multiplier, long long divisor) {
    const long long product = value * multiplier, half = divisor / 2;
    return static_cast<int>(product >= 0 ? (product + half) / divisor : -((-product + half) / divisor));
}
inline int TwipsToPixels(int twips, int dpi) { return RoundedRatio(twips, dpi, kTwipsPerInch); }
inline int PixelsToTwips(int pixels, int dpi) { return RoundedRatio(pixels, kTwipsPerInch, dpi); }

// A control's place on its parent: left, top, width, height in twips.
struct TwipsBox {
    int left = 0, top = 0, width = 0, height = 0;
};

struct ScrollBarModel {
    TwipsBox box;
    bool visible = false;
    // The minimum is always 0; the value never leaves 0 … max.
    int value = 0;
    int max = 32767;
    int largeChange = 1;
    int smallChange = 1;
};

// Screen pixels, rows top-down, each 0x00RRGGBB. No pixels means nothing
// was copied (an empty area, a failed copy, a cleared tab): the box shows
// its background and there is nothing to save.
struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;

    bool HasPixels() const { return !pixels.empty(); }
    std::uint32_t At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
    }
};

// The scroll bars' thickness is the system's, 17 pixels at 96 dots per inch.
constexpr int kScrollBarTwips = 255;
// The scroll bars may move the picture this far past its far edge.
constexpr int kOverscrollTwips = 60;
// Scroll-bar values are signed 16-bit.
constexpr int kScrollBarLimit = 32767;

struct PictureView {
    // Fixed: nothing resizes it.
    TwipsBox viewport{120, 120, 5830, 2055};
    // Inside the viewport; its left and top follow the scroll bars.
    TwipsBox pictureBox;
    // Along the bottom and the right edge of the viewport.
    ScrollBarModel hScroll{{120, 120 + 2055, 5830, kScrollBarTwips}};
    ScrollBarModel vScroll{{120 + 5830, 120, kScrollBarTwips, 2055}};
    Picture picture;
    // Counts pictures taken and cleared, so the window knows when to repaint.
    unsigned generation = 0;
    // The main window's dots per inch: the twips of one screen pixel.
    int dpi = 96;
};

}  // namespace lumivex
