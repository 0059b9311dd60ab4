#pragma once

namespace lumivex {
class MainForm;
// Copies the screen area of FlashRect into the picture tab.
void TakeWindowPicture(MainForm& form);
// Fits the picture view's scroll bars to the picture.
void LayoutPictureView(MainForm& form);
// Empties the picture tab.
void ClearPicture(MainForm& form);
}  // namespace lumivex
