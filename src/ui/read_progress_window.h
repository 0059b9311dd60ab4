// The small window a long read shows over the main window ("正在读取"): how
// many items it read of how many, and "取消".
#pragma once

#include "app/main_form.h"

#include <windows.h>

#include "ui/form_dpi.h"

namespace lumivex {

class ReadProgressWindow {
public:
    ReadProgressWindow(HINSTANCE instance, MainForm& form) : instance_(instance), form_(form) {}
    ~ReadProgressWindow() { Close(); }
    ReadProgressWindow(const ReadProgressWindow&) = delete;
    ReadProgressWindow& operator=(const ReadProgressWindow&) = delete;

    // Opens, updates or closes the window as the form's read progress says.
    void Render(HWND owner);

    void Attach(HWND hwnd) { hwnd_ = hwnd; }
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    void Open(HWND owner);
    void Close();
    void OnCreate();

    HINSTANCE instance_;
    MainForm& form_;
    FormDpi dpi_{ReadProgressLayout()};
    HWND hwnd_ = nullptr;
    std::string shownStatus_;
};

}  // namespace lumivex
