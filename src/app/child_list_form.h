// The child-window list dialog: its rows, the window they list, and what
// each button does with the shared ChildListHwnd.
#pragma once

#include <string>
#include <vector>

#include "app/main_form.h"

namespace lumivex {

class ChildListForm {
public:
    explicit ChildListForm(MainForm& main);

    std::vector<std::string> rows;
    int selectedRow = -1;
    bool showAll = false;  // "显示所有多级子窗口"
    // "总在最上面" of the main window, as the dialog takes it when it loads.
    bool Topmost() const { return main_.alwaysOnTop; }
    bool closeRequested = false;
    // What the window must tell the user in a message box, then clear.

    void Load();
    void SetShowAll(bool ticked);
    // "打开子列表" and a double click on a row.
    void OpenSelected();
    void PressOk();
    void PressCancel();
    // The close box leaves ChildListHwnd as it is.
    void CloseBox() { closeRequested = true; }
    // "导出列表": the rows to the Notepad this program started, handed over
    // as a read hands its text (what goes wrong is told by the main window);
    // nothing while a read runs.
    void Export();

private:
    void FillFor(Hwnd root);
    Hwnd SelectedHandle() const;

    MainForm& main_;
    Session& session_;
};

}  // namespace lumivex
