// Start-up settings, the switches, the "转到" link, the state list and the
// picture tab's actions.
#include "app/main_form.h"

#include "ops/set_top_most.h"
#include "picture/window_picture.h"
#include "platform/utf16.h"
#include "text/charset_table.h"
#include "version.h"

namespace lumivex {

MainForm::MainForm(Platform& platform, Session& session) : p_(platform), session_(session) {}

std::string MainForm::NormalTitle() const {
    return "Lumivex V" + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor);
}

void MainForm::Load() {
    SetAlwaysOnTop(true);
    hexDisplay = true;
    SetTopMost(p_, selfHwnd, alwaysOnTop ? 1 : 0);
    isDragging_ = false;
    caption = NormalTitle();
    selectedTab = 1;
    readerChoice = 0;
    InitCharsetTable(session_.charsets);
}

void MainForm::Activate() {
    if (session_.ChildListHwnd != 0) {
        SnapHwnd = session_.ChildListHwnd;
        Fill();
        session_.ChildListHwnd = 0;
    }
}

void MainForm::SelectTab(int index) { selectedTab = index; }

void MainForm::SetAlwaysOnTop(bool ticked) {
    alwaysOnTop = ticked;
    SetTopMost(p_, selfHwnd, ticked ? 1 : 0);
}

void MainForm::SetHexDisplay(bool ticked) { hexDisplay = ticked; }

void MainForm::OpenProgramFolder() {
    if (texts.programPath.empty()) return;
    // Wide, so that a path in any script reaches Explorer whole.
    const std::u16string parameters = Utf8ToUtf16("/select, \"" + texts.programPath + "\"");
    // By its full path: a planted explorer.exe in the current folder is not run.
    const std::u16string explorer = Utf8ToUtf16(p_.AnsiToUtf8(p_.GetWindowsDirectoryA()) + "\\explorer.exe");
    p_.ShellExecuteW(selfHwnd, u"Open", explorer.c_str(), parameters.c_str(), u"", win::SW_SHOWNORMAL);
}

void MainForm::ActOnStateEntry(int index, bool ticked) {
    lumivex::ActOnStateEntry(p_, SnapHwnd, stateTicks, index, ticked);
}

SaveOutcome MainForm::SavePicture(SaveUi& ui, FileOps& files) {
    // What the user saw when clicking is what gets saved, even if a timer
    // takes a new picture while the dialog is open.
    const Picture picture = pictureView.picture;
    return lumivex::SavePicture(picture, ui, files);
}

void MainForm::LayoutPicture() {
    if (selfHwnd != 0 &&
        (static_cast<std::uint32_t>(p_.GetWindowLongA(selfHwnd, win::GWL_STYLE)) & win::WS_MINIMIZE) != 0)
        return;
    LayoutPictureView(pictureView);
}

}  // namespace lumivex
