// Handing a text to a Notepad window: the one this program started, found
// by its process, reused while it lives, with a fixed title, size, centred
// place and topmost state; its whole content replaced by the text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace lumivex {

inline const std::string kNotepadTitle = "无标题文档 - 记事本";
constexpr int kNotepadWidth = 600, kNotepadHeight = 400;
// How long a started Notepad is waited for, and how often it is looked for.
constexpr std::uint32_t kNotepadWaitMs = 5000, kNotepadPollMs = 50;
// WM_SETTEXT of a long text takes Notepad a while; a hung one fails at once.
// The time-out holds for each piece of a text sent in pieces.
constexpr std::uint32_t kNotepadTextTimeoutMs = 10000;
// A text longer than this (UTF-16 units, 1 MiB) goes in pieces: WM_SETTEXT
// with the first, then each further one put at the end (EM_SETSEL,
// EM_REPLACESEL). Wine never delivers a message to another process whose
// text passes 2 MiB (the sender just times out), and a piece of this size
// takes Notepad well under its time-out.
constexpr std::size_t kNotepadPieceUnits = 1u << 19;

// The Notepad this program started: its main window and its process. Owned
// by the caller for the whole run; a fresh one means none started yet.
struct NotepadState {
    Hwnd window = 0;
    std::uint32_t processId = 0;
    std::string title;  // the caption last given to it, UTF-8; empty before the first
};

enum class NotepadOutcome {
    NothingToShow,       // the text was blank: nothing started, nothing changed
    Shown,
    NotStarted,          // notepad.exe could not be started
    WindowDidNotAppear,  // started, but no window within kNotepadWaitMs
    NoEditControl,       // the window has no editor (Edit or rich edit) to write to
    NotAnswering,        // Notepad did not take the text in time
};

struct NotepadResult {
    NotepadOutcome outcome = NotepadOutcome::NothingToShow;
    std::string message;  // for the user; empty for NothingToShow and Shown
};

// A text empty or made of blanks (U+0020) only is not shown. Otherwise a
// Notepad of this program's is reused while its window lives, or one is
// started and waited for; a Notepad the user opened is never written to,
// nor ours once the user typed into it or saved it (its caption changed):
// a new one is started instead.
// The window gets the title, width x height pixels centred on the monitor
// of placeBy (our main window; 0: the primary monitor), and, when topmost,
// the topmost state; the text's line breaks become CR LF.
NotepadResult ShowInNotepad(Platform& p, NotepadState& state, const std::string& text,
                            const std::string& title = kNotepadTitle, int width = kNotepadWidth,
                            int height = kNotepadHeight, bool topmost = true, Hwnd placeBy = 0);

// Every CR removed, then every LF made CR LF.
std::string NormaliseLineBreaks(const std::string& text);

// Where a text is cut for sending in pieces of at most pieceUnits: the end
// of each piece, the last the text's size. A piece ends after a line break
// where one fits, and never inside a surrogate pair.
std::vector<std::size_t> TextPieceEnds(const std::u16string& text, std::size_t pieceUnits);

// Where a width x height window is centred on a screen of the given pixels
// and dots per inch, by way of twips at 15 per pixel, rounded down.
Point CentredPlace(int screenWidth, int screenHeight, int dpi, int width, int height);

}  // namespace lumivex
