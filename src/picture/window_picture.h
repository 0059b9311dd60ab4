// The picture of a window: the screen pixels of its rectangle.
#pragma once

#include "picture/picture_view.h"
#include "platform/platform.h"

namespace lumivex {

// Copies the screen area of `area` into the view and sizes the picture box
// to it, one box pixel for each pixel copied.
void TakeWindowPicture(Platform& p, const Rect& area, PictureView& view);
// Fits the view's scroll bars to the picture.
void LayoutPictureView(PictureView& view);
// The main window moved to a screen of another density: the box keeps one
// pixel for each pixel copied, and the bars are fitted again.
void SetPictureDpi(PictureView& view, int dpi);
// Empties the picture; the box keeps its size and place.
void ClearPicture(PictureView& view);

// The screen pixels of the area (left, top, width x height); a picture
// without pixels when the area is empty or the copy fails.
Picture CopyScreenArea(Platform& p, int left, int top, int width, int height);

// Larger pictures than this are not taken: no screen is that large, and a
// hostile rectangle must not make us allocate gigabytes.
constexpr std::int64_t kMaxPicturePixels = std::int64_t{1} << 26;

}  // namespace lumivex
