// The finder box: the cross-hair the user drags out onto a window. It
// passes its mouse events to the main window, which forwards them to the
// model, and keeps the cross-hair up as the pointer while it is out.
#include "ui/main_window.h"

namespace lumivex {

void MainWindow::OnFinderMouse(UINT msg) {
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: form_.PressFinder(); break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: form_.ReleaseFinder(); break;
        // Our own release of the capture comes here too, after the drag ended.
        case WM_CAPTURECHANGED:
            if (!form_.LoseFinderCapture()) return;
            break;
        case WM_MOUSEMOVE: break;
        default: return;
    }
    Render();
}

LRESULT CALLBACK MainWindow::FinderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    try {
        return FinderMessage(hwnd, msg, wParam, lParam);
    } catch (...) {
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

LRESULT MainWindow::FinderMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    MainWindow* self = FromHandle(GetParent(hwnd));
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            if (self) {
                const bool dragging = self->form_.finderPicture == FinderPicture::Dragging;
                const int size = self->dpi_.Scale(32);
                DrawIconEx(dc, 0, 0, dragging ? self->finderEmpty_.get() : self->finderRest_.get(), size, size, 0,
                           nullptr, DI_NORMAL);
            }
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_MOUSEMOVE:
            // While the mouse is captured no WM_SETCURSOR arrives: keep the
            // cross-hair up by hand.
            if (self && self->form_.dragCursor) SetCursor(self->finderCursor_.get());
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            SendMessageW(GetParent(hwnd), kFinderMessage, msg, 0);
            if (self && !self->form_.dragCursor) SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)));
            return 0;
        case WM_CAPTURECHANGED:
            SendMessageW(GetParent(hwnd), kFinderMessage, msg, 0);
            return 0;
        default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

}  // namespace lumivex
