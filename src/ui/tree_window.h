// The window tree form ("句柄树结构列表"), modeless, owned by the main window.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "app/tree_form.h"

#include <windows.h>
#include <commctrl.h>

#include "ui/form_dpi.h"
#include "ui/gdi_handles.h"
#include "ui/window_class.h"

namespace lumivex {

class TreeWindow {
public:
    // onMainChanged runs after the form changed the main window (a fill, a
    // flash run), so that the main window shows it.
    TreeWindow(HINSTANCE instance, MainForm& main, std::function<void()> onMainChanged);
    ~TreeWindow();
    TreeWindow(const TreeWindow&) = delete;
    TreeWindow& operator=(const TreeWindow&) = delete;

    // Opens at the owner's DPI, then takes its own.
    bool Create(HWND owner);
    HWND hwnd() const { return hwnd_; }

private:
    template <typename Window>
    friend LRESULT CALLBACK ObjectWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void Attach(HWND hwnd) { hwnd_ = hwnd; }
    static LRESULT CALLBACK HandleBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                          DWORD_PTR self);
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);
    void OnCreate();
    void OnRescaled();
    void OnCommand(int id, int code);
    LRESULT OnNotify(const NMHDR* header);
    bool OnHandleBoxChar(WPARAM code);
    void Render();
    void FillTree();
    HWND Control(int id) const { return GetDlgItem(hwnd_, id); }

    HINSTANCE instance_;
    TreeForm form_;
    std::function<void()> onMainChanged_;
    HWND hwnd_ = nullptr;
    HWND owner_ = nullptr;
    FormDpi dpi_{TreeLayout()};
    UniqueImageList images_;
    std::vector<HTREEITEM> items_;
    int shownBuild_ = 0, shownSelect_ = 0, shownExpand_ = 0;
    bool rendering_ = false;
};

}  // namespace lumivex
