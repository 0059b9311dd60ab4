#include "app/child_list_form.h"

#include "desktop_tree/child_rows.h"

namespace lumivex {

ChildListForm::ChildListForm(MainForm& main) : main_(main), session_(main.session()) {}

void ChildListForm::Load() {
    FillFor(session_.ChildListHwnd);
}

void ChildListForm::FillFor(Hwnd root) {
    rows = ChildRows(main_.platform(), root, showAll, main_.hexDisplay);
    selectedRow = -1;
}

Hwnd ChildListForm::SelectedHandle() const {
    return static_cast<Hwnd>(ReadChildRow(rows[static_cast<std::size_t>(selectedRow)], main_.hexDisplay));
}

void ChildListForm::SetShowAll(bool ticked) {
    showAll = ticked;
    FillFor(session_.ChildListHwnd);
}

void ChildListForm::OpenSelected() {
    if (selectedRow < 0 || static_cast<std::size_t>(selectedRow) >= rows.size()) return;
    const Hwnd h = SelectedHandle();
    session_.ChildListHwnd = h;
    if (main_.platform().GetWindow(h, win::GW_CHILD) != 0)
        FillFor(h);
    else
        session_.ChildListHwnd = main_.platform().GetParent(h);
}

void ChildListForm::PressOk() {
    const bool chosen = selectedRow >= 0 && static_cast<std::size_t>(selectedRow) < rows.size();
    session_.ChildListHwnd = chosen ? SelectedHandle() : 0;
    closeRequested = true;
}

void ChildListForm::PressCancel() {
    session_.ChildListHwnd = 0;
    closeRequested = true;
}

void ChildListForm::Export() {
    if (rows.empty()) return;
    main_.HandToNotepad(JoinRows(rows));
}

}  // namespace lumivex
