// The tools tab's read button and the delayed read's hand-off to Notepad.
#include "app/main_form.h"
#include "ops/read_handle.h"
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
    if (ReadRunning()) return;
    const Hwnd target = OperationHandle();
    if (target == 0) return;
    if (readerChoice < 0 || readerChoice >= static_cast<int>(kReaderChoices.size())) return;
    StartRead(ReaderRun(kReaderChoices[static_cast<std::size_t>(readerChoice)].key, target), true);
}

ReadJob::Read MainForm::ReaderRun(const std::string& key, Hwnd target) {
    return [&p = p_, &session = session_, key, target](ReadProgress& progress) {
        ReaderOptions options;
        options.kept = &session.keptBlocks;
        options.progress = &progress;
        return RunReader(p, session.charsets, key, target, options);
    };
}

void MainForm::StartRead(ReadJob::Read read, bool showsMessages) {
    readShowsMessages_ = showsMessages;
    readTicks_ = 0;
    readProgress = {};
    read_ = std::make_unique<ReadJob>(p_, std::move(read));
    readPollTimerOn = true;
}

// A read that ends within this many polls shows no progress window.
constexpr int kQuietPolls = 6;  // 300 ms at 50 ms a poll

void MainForm::ReadPollTick() {
    if (!read_) {
        readPollTimerOn = false;
        return;
    }
    if (!read_->Finished()) {
        const ProgressSnapshot progress = read_->Progress();
        readProgress.visible = readProgress.visible || ++readTicks_ >= kQuietPolls;
        readProgress.status = ProgressText(progress);
        readProgress.done = progress.done;
        readProgress.total = progress.total;
        return;
    }
    const ReaderOutput output = read_->Take();
    read_.reset();
    readPollTimerOn = false;
    readProgress = {};
    HandOverRead(output);
}

void MainForm::CancelRead() {
    if (read_) read_->Cancel();
}

void MainForm::EndRead() {
    read_.reset();
    readPollTimerOn = false;
    readProgress = {};
}

void MainForm::HandOverRead(const ReaderOutput& output) {
    if (!readShowsMessages_) {
        ShowInNotepad(output.text);
        return;
    }
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
