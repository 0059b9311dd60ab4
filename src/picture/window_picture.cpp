#include "picture/window_picture.h"

#include "app/main_form.h"

namespace lumivex {
void TakeWindowPicture(MainForm&) {}
void LayoutPictureView(MainForm&) {}
void ClearPicture(MainForm&) {}
}  // namespace lumivex
