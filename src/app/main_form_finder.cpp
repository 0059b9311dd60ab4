// The finder, the delayed read, the outline and the flash run.
#include "app/main_form.h"
#include "capture/outline.h"
#include "capture/window_under_pointer.h"

namespace lumivex {

namespace {
constexpr int kDelayTicks = 11;  // the count runs 10, 9, …, 0
}  // namespace

void MainForm::PressFinder() {
    MainClear();
    dragTimerOn = true;
    if (!isDragging_) {
        isDragging_ = true;
        dragCursor = true;
        finderPicture = FinderPicture::Dragging;
        p_.SetCapture(finderHwnd);
    }
    goToLinkVisible = false;
}

void MainForm::DragTick() {
    const Hwnd h = GetMouseHwnd(p_);
    SnapHwnd = h;
    SetFlashRect(h);
}

void MainForm::ReleaseFinder() {
    if (!isDragging_) {
        EndDrag();
        return;
    }
    EndDrag();
    // Released on every way out, also when the fill throws: a capture left
    // behind would send every later click in our windows to the finder.
    struct ReleaseOnExit {
        Platform& p;
        ~ReleaseOnExit() { p.ReleaseCapture(); }
    } release{p_};
    if (SnapHwnd != 0) Fill();
}

bool MainForm::LoseFinderCapture() {
    if (!isDragging_) return false;
    EndDrag();
    return true;
}

void MainForm::EndDrag() {
    dragTimerOn = false;
    finderPicture = FinderPicture::AtRest;
    if (!isDragging_) return;
    dragCursor = false;
    isDragging_ = false;
}

void MainForm::StartDelayedRead() {
    MainClear();
    delayedReadTimerOn = true;
}

void MainForm::DelayedReadTick() {
    const CursorData cursor = GetCursorData(p_);
    caption = CountdownTitle(delayCount_ + 10, cursor);
    delayCount_ = (delayCount_ - 1) % kDelayTicks;  // C++ % keeps the dividend's sign
    TmpHwnd = GetMouseHwnd(p_);
    // The count is seen while its outline holds the thread, the last one (0) too.
    if (showNow) showNow();
    SetFlashRect(TmpHwnd);
    if (delayCount_ != 0) return;

    delayedReadTimerOn = false;
    SnapHwnd = TmpHwnd;
    caption = NormalTitle();
    Fill();
    // A read still running from before leaves this one out.
    if (ReadRunning()) return;
    StartRead(ReaderRun("GetListBoxText", SnapHwnd), false);
}

void MainForm::SetFlashRect(Hwnd hwnd) {
    if (const auto outlined = OutlineWindow(p_, hwnd)) {
        FlashRect = *outlined;
        flashRectOf_ = hwnd;
    }
}

void MainForm::FlashTick() {
    if (TmpHwnd != 0 && p_.IsWindow(TmpHwnd)) {
        SetFlashRect(TmpHwnd);
        flashCount_ = (flashCount_ + 1) % kFlashRunLength;
        if (flashCount_ == 0) flashTimerOn = false;
    } else {
        flashCount_ = 0;
        flashTimerOn = false;
    }
}

void MainForm::StartFlashRun(Hwnd hwnd) {
    TmpHwnd = hwnd;
    flashTimerOn = true;
}

}  // namespace lumivex
