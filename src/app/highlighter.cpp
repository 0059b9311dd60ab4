// The inverted outline drawn round a window, and the three-outline flash run.
#include "app/main_form.h"
#include "platform/handles.h"

namespace lumivex {

namespace {
constexpr std::uint32_t kOutlineMs = 400;
constexpr int kPenWidth = 3;
constexpr int kFlashRunLength = 3;
}  // namespace

Rect MainForm::ClampedWindowRect(Hwnd hwnd) {
    Rect r;
    p_.GetWindowRect(hwnd, r);
    // The screen size at a fixed 15 twips per pixel is the size in pixels.
    const int screenWidth = p_.GetSystemMetrics(win::SM_CXSCREEN);
    const int screenHeight = p_.GetSystemMetrics(win::SM_CYSCREEN);
    if (r.left < 0) r.left = 0;
    if (r.top < 0) r.top = 0;
    if (screenWidth < r.right) r.right = screenWidth;
    if (screenHeight < r.bottom) r.bottom = screenHeight;
    return r;
}

void MainForm::SetFlashRect(Hwnd hwnd) {
    if (hwnd == 0 || !p_.IsWindow(hwnd)) return;
    FlashRect = ClampedWindowRect(hwnd);
    lastOutlined_ = hwnd;
    // A window of our own shows the inverted frame: drawn on the screen's
    // device context it would be discarded under Wine, and on Windows it
    // would leave inverted pixels behind where the window beneath repaints.
    ShownInvertedFrame frame(p_, FlashRect, kPenWidth);
    p_.Sleep(kOutlineMs);
}

void MainForm::Timer1_Timer() {
    if (TmpHwnd != 0 && p_.IsWindow(TmpHwnd)) {
        SetFlashRect(TmpHwnd);
        flashCount_ = (flashCount_ + 1) % kFlashRunLength;
        if (flashCount_ == 0) timer1Enabled = false;
    } else {
        flashCount_ = 0;
        timer1Enabled = false;
    }
}

void MainForm::StartFlashRun(Hwnd hwnd) {
    TmpHwnd = hwnd;
    timer1Enabled = true;
}

}  // namespace lumivex
