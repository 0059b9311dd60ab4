// The main window at its DPI: every control moved to its scaled place and
// given the font made for it, and the finder's pictures and cursor loaded
// at their size there. Runs at creation and on every WM_DPICHANGED.
#include "app/main_controls.h"
#include "ui/control_ids.h"
#include "ui/main_window.h"

namespace lumivex {

void MainWindow::OnRescaled() {
    dpi_.LayOut();
    LoadFinderPictures();
    TakeProgramIcon(hwnd_, instance_, dpi_.dpi());
    // An owner-drawn list measures its rows only when it is made.
    SendMessageW(Control(IDC_STATE_LIST), LB_SETITEMHEIGHT, 0, dpi_.Scale(kTickRowHeight));
    pictureView_.Rescale(dpi_.dpi());
    InvalidateRect(Control(IDC_FINDER), nullptr, TRUE);
}

void MainWindow::LoadFinderPictures() {
    const int iconSize = dpi_.Scale(32), cursorSize = SystemMetricForDpi(SM_CXCURSOR, dpi_.dpi());
    auto icon = [&](int id) {
        return UniqueIcon(static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(id), IMAGE_ICON, iconSize, iconSize, 0)));
    };
    finderRest_ = icon(IDI_FINDER_REST);
    finderEmpty_ = icon(IDI_FINDER_EMPTY);
    UniqueCursor cursor(static_cast<HCURSOR>(
        LoadImageW(instance_, MAKEINTRESOURCEW(IDCUR_FINDER), IMAGE_CURSOR, cursorSize, cursorSize, 0)));
    // The pointer in use during a drag is swapped before the old one goes.
    if (form_.dragCursor) SetCursor(cursor.get());
    finderCursor_ = std::move(cursor);
}

}  // namespace lumivex
