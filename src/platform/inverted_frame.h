// The pixels an outline inverts: exactly those a NOT-XOR Rectangle with a
// PS_SOLID pen of the given width inverts on a device context, so that a
// frame-shaped window of ours shows the outline the drawing would have shown.
//
// GDI centres the pen on the rectangle's edges, which run through the first
// and the last column and row inside it (Rectangle leaves out the right and
// bottom edges): a pen of width w covers w/2 pixels outside and (w-1)/2
// inside the rectangle, plus the pixel row of the edge itself. The round
// join of a pen of width 3 or more leaves out the outermost corner pixel.
// An empty rectangle draws nothing; a reversed one is drawn as if ordered.
// Measured with GDI under Wine for widths 1 to 5 (the end-to-end test
// "outline_geometry" keeps it so); wider pens round their corners more, and
// the frame does not follow that.
//
// Header only: the Win32 platform, the simulated desktop and the end-to-end
// probe that checks it against GDI all use this one rule.
#pragma once

#include <algorithm>
#include <vector>

#include "platform/platform.h"

namespace lumivex {

// The outline's pixels as rectangles that do not overlap, in the
// rectangle's coordinates, top to bottom; empty when nothing is inverted.
inline std::vector<Rect> InvertedFrameRects(const Rect& rect, int penWidth) {
    const int w = std::max(penWidth, 1);  // a width of 0 is one pixel, as in CreatePen
    const int left = std::min(rect.left, rect.right), right = std::max(rect.left, rect.right);
    const int top = std::min(rect.top, rect.bottom), bottom = std::max(rect.top, rect.bottom);
    std::vector<Rect> rects;
    if (left == right || top == bottom) return rects;
    // Exclusive bounds of what the pen covers, and of the hole it leaves.
    const Rect outer{left - w / 2, top - w / 2, right + (w - 1) / 2, bottom + (w - 1) / 2};
    const Rect hole{outer.left + w, outer.top + w, outer.right - w, outer.bottom - w};
    const bool hasHole = hole.left < hole.right && hole.top < hole.bottom;
    const int corner = w >= 3 ? 1 : 0;

    // Rows that look alike are gathered into one band of rectangles.
    auto band = [&](int y0, int y1, bool cutCorners, bool besideHole) {
        if (y0 >= y1) return;
        const int inset = cutCorners ? corner : 0;
        if (besideHole) {
            rects.push_back({outer.left, y0, hole.left, y1});
            rects.push_back({hole.right, y0, outer.right, y1});
        } else {
            rects.push_back({outer.left + inset, y0, outer.right - inset, y1});
        }
    };
    band(outer.top, outer.top + corner, true, false);
    if (hasHole) {
        band(outer.top + corner, hole.top, false, false);
        band(hole.top, hole.bottom, false, true);
        band(hole.bottom, outer.bottom - corner, false, false);
    } else {
        band(outer.top + corner, outer.bottom - corner, false, false);
    }
    band(outer.bottom - corner, outer.bottom, true, false);
    return rects;
}

// The smallest rectangle holding every pixel of the outline; empty (all
// zeros) when nothing is inverted.
inline Rect InvertedFrameBounds(const Rect& rect, int penWidth) {
    const auto rects = InvertedFrameRects(rect, penWidth);
    if (rects.empty()) return Rect{};
    Rect bounds = rects.front();
    for (const Rect& r : rects) {
        bounds.left = std::min(bounds.left, r.left);
        bounds.top = std::min(bounds.top, r.top);
        bounds.right = std::max(bounds.right, r.right);
        bounds.bottom = std::max(bounds.bottom, r.bottom);
    }
    return bounds;
}

}  // namespace lumivex
