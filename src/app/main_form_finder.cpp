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
    dragTimerOn = false;
    finderPicture = FinderPicture::AtRest;
    if (!isDragging_) return;
    dragCursor = false;
    isDragging_ = false;
    if (SnapHwnd != 0) Fill();
    // Released whether or not anything was filled: a capture left behind
    // would send every later click in our windows to the finder.
    p_.ReleaseCapture();
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
    SetFlashRect(TmpHwnd);
    if (delayCount_ != 0) return;

    delayedReadTimerOn = false;
    SnapHwnd = TmpHwnd;
    caption = NormalTitle();
    Fill();
    // TODO: hand the list items of SnapHwnd to Notepad once the readers exist.
}

void MainForm::SetFlashRect(Hwnd hwnd) {
    if (const auto outlined = OutlineWindow(p_, hwnd)) {
        FlashRect = *outlined;
        lastOutlined_ = hwnd;
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
