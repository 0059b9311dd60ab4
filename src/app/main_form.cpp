// Start-up settings and the main window's own handlers.
#include "app/main_form.h"

#include "info/set_top_most.h"
#include "text/charset_table.h"
#include "version.h"

namespace lumivex {

MainForm::MainForm(Platform& platform, Session& session) : p_(platform), session_(session) {}

std::string MainForm::NormalTitle() const {
    return "Lumivex V" + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor);
}

void MainForm::Load() {
    chkAlwaysOnTop_Click(true);
    chkHex = true;
    SetTopMost(p_, selfHwnd, chkAlwaysOnTop ? 1 : 0);
    isDragging_ = false;
    caption = NormalTitle();
    selectedTab = 1;
    comboIndex = 0;
    InitCharsetTable(session_.Charsets);
}

void MainForm::Activate() {
    if (session_.ChildListHwnd != 0) {
        SnapHwnd = session_.ChildListHwnd;
        Fulfill();
        session_.ChildListHwnd = 0;
    }
}

void MainForm::SelectTab(int index) { selectedTab = index; }

void MainForm::chkAlwaysOnTop_Click(bool ticked) {
    chkAlwaysOnTop = ticked;
    SetTopMost(p_, selfHwnd, ticked ? 1 : 0);
}

void MainForm::chkHex_Click(bool ticked) { chkHex = ticked; }

void MainForm::Label5_Click() {
    if (texts.txtFilePath.empty()) return;
    const std::string parameters = "/select, \"" + p_.Utf8ToAnsi(texts.txtFilePath) + "\"";
    p_.ShellExecuteA(selfHwnd, "Open", "explorer.exe", parameters.c_str(), "", win::SW_SHOWNORMAL);
}

}  // namespace lumivex
