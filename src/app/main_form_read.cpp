// The tools tab's read button and the delayed read's hand-off to Notepad.
#include "app/main_form.h"
#include "ops/read_handle.h"
#include "readers/list_items_reader.h"
#include "readers/reader_dispatch.h"
#include "text/reader_choice.h"

namespace lumivex {

Hwnd MainForm::OperationHandle() {
    const std::string& field = texts.tools.handle;
    const bool blank = field.find_first_not_of(' ') == std::string::npos;
    const Hwnd target = blank ? SnapHwnd : static_cast<Hwnd>(ReadHexHandle(field));
    return target != 0 && p_.IsWindow(target) ? target : 0;
}

std::string MainForm::ReaderToolTip() const {
    if (readerChoice < 0 || readerChoice >= static_cast<int>(kReaderChoices.size())) return {};
    return ReaderDescription(kReaderChoices[static_cast<std::size_t>(readerChoice)].key);
}

void MainForm::ReadData() {
    const Hwnd target = OperationHandle();
    if (target == 0) return;
    if (readerChoice < 0 || readerChoice >= static_cast<int>(kReaderChoices.size())) return;
    ReaderOptions options;
    options.kept = &session_.keptBlocks;
    const ReaderOutput output = RunReader(p_, session_.charsets,
                                          kReaderChoices[static_cast<std::size_t>(readerChoice)].key, target, options);
    if (!output.message.empty()) {
        messageForUser = output.message;
        return;
    }
    ShowInNotepad(output.text);
    if (messageForUser.empty()) messageForUser = output.note;
}

void MainForm::ShowInNotepad(const std::string& text) {
    const NotepadResult shown = lumivex::ShowInNotepad(p_, session_.notepad, text, kNotepadTitle, kNotepadWidth,
                                                      kNotepadHeight, true, selfHwnd);
    if (!shown.message.empty()) messageForUser = shown.message;
}

}  // namespace lumivex
