// The picture view's scroll bars: fitted to the picture after each picture
// and on every resize of the main window, and moved by the user.
#include <algorithm>

#include "picture/picture_scroll.h"
#include "picture/window_picture.h"

namespace lumivex {

namespace {

ScrollBarModel& Bar(PictureView& view, ScrollAxis axis) {
    return axis == ScrollAxis::Horizontal ? view.hScroll : view.vScroll;
}

// One bar: hidden while the viewport is larger than the picture; otherwise
// shown, scrolled back to the start, and given its range and steps.
void LayoutBar(PictureView& view, ScrollAxis axis, int viewport, int picture) {
    ScrollBarModel& bar = Bar(view, axis);
    if (viewport > picture) {
        bar.visible = false;
        return;
    }
    bar.visible = true;
    SetScrollValue(view, axis, 0);
    // A maximum that does not fit the bar's 16 bits is not set: the bar
    // keeps the one it had.
    const std::int64_t max = std::int64_t{picture} - viewport + kOverscrollTwips;
    if (max <= kScrollBarLimit) bar.max = static_cast<int>(max);
    bar.smallChange = PixelsToTwips(1, view.dpi);
    bar.largeChange = viewport / 3;
    if (bar.largeChange == 0) bar.largeChange = bar.smallChange;
}

}  // namespace

void LayoutPictureView(PictureView& view) {
    view.hScroll.box.top = view.viewport.top + view.viewport.height;
    view.hScroll.box.width = view.viewport.width;
    view.vScroll.box.left = view.viewport.left + view.viewport.width;
    view.vScroll.box.height = view.viewport.height;
    LayoutBar(view, ScrollAxis::Horizontal, view.viewport.width, view.pictureBox.width);
    LayoutBar(view, ScrollAxis::Vertical, view.viewport.height, view.pictureBox.height);
}

void SetPictureDpi(PictureView& view, int dpi) {
    if (dpi <= 0 || dpi == view.dpi) return;
    TwipsBox& box = view.pictureBox;
    box.width = PixelsToTwips(TwipsToPixels(box.width, view.dpi), dpi);
    box.height = PixelsToTwips(TwipsToPixels(box.height, view.dpi), dpi);
    view.dpi = dpi;
    LayoutPictureView(view);
}

void SetScrollValue(PictureView& view, ScrollAxis axis, int value) {
    ScrollBarModel& bar = Bar(view, axis);
    bar.value = std::clamp(value, 0, std::max(bar.max, 0));
    if (axis == ScrollAxis::Horizontal)
        view.pictureBox.left = -bar.value;
    else
        view.pictureBox.top = -bar.value;
}

bool ScrollPicture(PictureView& view, ScrollAxis axis, int code, int trackPos) {
    const ScrollBarModel& bar = Bar(view, axis);
    // Steps are counted in 64 bits: value plus a change cannot overflow.
    std::int64_t value = bar.value;
    switch (code) {
        case win::SB_LINELEFT: value -= bar.smallChange; break;
        case win::SB_LINERIGHT: value += bar.smallChange; break;
        case win::SB_PAGELEFT: value -= bar.largeChange; break;
        case win::SB_PAGERIGHT: value += bar.largeChange; break;
        case win::SB_THUMBPOSITION:
        case win::SB_THUMBTRACK: value = trackPos; break;
        case win::SB_LEFT: value = 0; break;
        case win::SB_RIGHT: value = bar.max; break;
        default: return false;
    }
    SetScrollValue(view, axis, static_cast<int>(std::clamp<std::int64_t>(value, 0, std::max(bar.max, 0))));
    return true;
}

}  // namespace lumivex
