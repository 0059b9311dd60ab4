// The picture tab's Win32 side: the viewport with the picture box inside
// it, the two scroll bars and the save button, all showing what MainForm's
// PictureView holds.
#pragma once

#include "app/main_controls.h"
#include "app/main_form.h"
#include "platform/win32/win32_platform.h"

namespace lumivex {

// kPictureViewportClass is the control tables' (app/main_controls.h).
constexpr wchar_t kPictureBoxClass[] = L"LumivexPicBmp";

class PictureViewWindow {
public:
    explicit PictureViewWindow(MainForm& form) : form_(form) {}
    PictureViewWindow(const PictureViewWindow&) = delete;
    PictureViewWindow& operator=(const PictureViewWindow&) = delete;

    // Before the tab's controls are created: the viewport is one of them.
    static void RegisterClasses(HINSTANCE instance);
    // Once the tab's controls exist: finds them on the panel and puts the
    // picture box into the viewport. Dialogs of the save are modal to mainWindow.
    void Attach(HWND mainWindow, HWND panel, HINSTANCE instance);
    // WM_HSCROLL or WM_VSCROLL from a control; true when it moved the picture.
    bool OnScroll(HWND bar, WPARAM wParam);
    // "保存(&S)".
    void OnSave();
    // The main window's DPI, at its creation and at every change.
    void Rescale(int dpi);
    // Places, shows and repaints what changed since the last call.
    void Render();

private:
    struct Shown {
        TwipsBox box{-1, -1, -1, -1};
        bool visible = false;
        int value = -1, max = -1;
    };
    static LRESULT CALLBACK BitmapProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void PaintBitmap(HDC dc, const RECT& client) const;
    void Place(HWND control, const TwipsBox& box, Shown& shown);
    void RenderBar(HWND bar, const ScrollBarModel& model, Shown& shown);

    MainForm& form_;
    HINSTANCE instance_ = nullptr;
    HWND main_ = nullptr, viewport_ = nullptr, pictureBox_ = nullptr, hScroll_ = nullptr, vScroll_ = nullptr;
    Shown shownViewport_, shownBox_, shownH_, shownV_;
    bool barsShown_ = false;
    unsigned shownGeneration_ = 0;
};

}  // namespace lumivex
