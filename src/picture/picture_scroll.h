// Moving the picture inside its viewport with the two scroll bars.
#pragma once

#include "picture/picture_view.h"

namespace lumivex {

namespace win {
// The scroll codes of WM_HSCROLL and WM_VSCROLL (the vertical names share the values).
constexpr int SB_LINELEFT = 0, SB_LINERIGHT = 1, SB_PAGELEFT = 2, SB_PAGERIGHT = 3, SB_THUMBPOSITION = 4,
              SB_THUMBTRACK = 5, SB_LEFT = 6, SB_RIGHT = 7, SB_ENDSCROLL = 8;
}  // namespace win

enum class ScrollAxis { Horizontal, Vertical };

// Sets the bar's value, kept within 0 … max, and moves the picture box to match:
// its left (or top) is minus the value.
void SetScrollValue(PictureView& view, ScrollAxis axis, int value);

// The user's action on a scroll bar: a line, a page, an end, or the thumb
// dragged or dropped at trackPos. False when the action moves nothing
// (SB_ENDSCROLL and unknown codes).
bool ScrollPicture(PictureView& view, ScrollAxis axis, int code, int trackPos);

}  // namespace lumivex
