// The tools tab's read button and the delayed read's hand-off to Notepad.
#include "app/main_form.h"

#include "ops/read_handle.h"
#include "platform/send.h"
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

void MainForm::HandToNotepad(std::string text) {
    if (ReadRunning()) return;
    StartRead([text = std::move(text)](ReadProgress&) { return ReaderOutput{text, {}, {}, false}; }, true);
    // Asked from another window (the child list): the main window's timer
    // and buttons follow at once.
    if (showNow) showNow();
}

ReadJob::Read MainForm::ReaderRun(const std::string& key, Hwnd target) {
    return [&p = p_, &session = session_, key, target](ReadProgress& progress) {
        ReaderOptions options;
        options.kept = &session.keptBlocks;
        options.progress = &progress;
        return RunReader(p, session.charsets, key, target, options);
    };
}

// The hand-off to Notepad runs on the read's thread too: starting Notepad
// and giving it megabytes of text take their time, which the read's budget
// for its targets does not cut short. The delayed read hands
// over its text and tells only what went wrong with Notepad.
void MainForm::StartRead(ReadJob::Read read, bool showsMessages) {
    readTicks_ = 0;
    readProgress = {};
    read_ = std::make_unique<ReadJob>(
        p_, [read = std::move(read), showsMessages, &p = p_, &notepad = session_.notepad,
             placeBy = selfHwnd](ReadProgress& progress) {
            ReaderOutput output = read(progress);
            if (!showsMessages) output.message.clear(), output.note.clear();
            if (!output.message.empty()) return output;
            const OutsideActionScope notepadsOwnTime;
            const NotepadResult shown = lumivex::ShowInNotepad(p, notepad, output.text, kNotepadTitle, kNotepadWidth,
                                                              kNotepadHeight, true, placeBy);
            output.message = shown.message;
            return output;
        });
    readPollTimerOn = true;
    if (readStateChanged) readStateChanged();
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
    EndRead();
    if (!output.message.empty())
        messageForUser = output.message;
    else if (messageForUser.empty())
        messageForUser = output.note;
}

void MainForm::CancelRead() {
    if (read_) read_->Cancel();
}

void MainForm::EndRead() {
    read_.reset();
    readPollTimerOn = false;
    readProgress = {};
    if (readStateChanged) readStateChanged();
}

}  // namespace lumivex
