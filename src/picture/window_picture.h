#pragma once

#include "picture/picture_view.h"
#include "platform/platform.h"

namespace lumivex {
class MainForm;
// Copies the screen area of FlashRect into the picture tab.
void TakeWindowPicture(MainForm& form);
// Fits the picture view's scroll bars to the picture.
void LayoutPictureView(MainForm& form);
// Empties the picture tab.
void ClearPicture(MainForm& form);

// The screen pixels of the area (left, top, width x height); a picture
// without pixels when the area is empty or the copy fails.
Picture CopyScreenArea(Platform& p, int left, int top, int width, int height);

// Larger pictures than this are not taken: no screen is that large, and a
// hostile rectangle must not make us allocate gigabytes.
constexpr std::int64_t kMaxPicturePixels = std::int64_t{1} << 26;
}  // namespace lumivex
