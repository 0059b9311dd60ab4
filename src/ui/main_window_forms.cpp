// The windows the main window opens: the window tree (modeless), the
// child-window list and the about box (modal), and their unload with it.
#include "ui/about_window.h"
#include "ui/child_list_window.h"
#include "ui/control_ids.h"
#include "ui/main_window.h"

namespace lumivex {

void MainWindow::OpenForm(int buttonId) {
    switch (buttonId) {
        case IDC_TREE_BUTTON:
            // A tree already open comes to the front as it is.
            if (treeWindow_ && treeWindow_->hwnd()) {
                ShowWindow(treeWindow_->hwnd(), SW_RESTORE);
                SetForegroundWindow(treeWindow_->hwnd());
                return;
            }
            treeWindow_ = std::make_unique<TreeWindow>(instance_, form_, [this] { Render(); });
            if (!treeWindow_->Create(hwnd_)) treeWindow_.reset();
            return;
        case IDC_CHILD_LIST_BUTTON:
            session_.ChildListHwnd = form_.SnapHwnd;
            ShowChildListWindow(instance_, form_, hwnd_);
            OnActivate(true);  // takes the chosen window, even if the activation came first
            return;
        case IDC_ABOUT_BUTTON: ShowAboutWindow(instance_, form_, hwnd_); return;
        default: return;
    }
}

void MainWindow::CloseForms() { treeWindow_.reset(); }

}  // namespace lumivex
