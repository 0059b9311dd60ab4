#include "readers/notepad_output.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <set>
#include <vector>

#include "info/window_text.h"
#include "platform/monitors.h"
#include "platform/send.h"
#include "platform/utf16.h"

namespace lumivex {

namespace {

constexpr const char* kNotepadProgram = "notepad.exe";  // in the system folder
constexpr const char* kNotepadClass = "Notepad";
// The editors Notepads write into: the classic Edit, and the rich edits of
// newer Notepads, which sit further down their window.
constexpr const char* kEditorClasses[] = {"Edit", "RichEditD2DPT", "RICHEDIT50W", "RichEdit20W"};
constexpr int kEditorDepth = 4, kEditorSearchWindows = 512;
constexpr double kTwipsPerInch = 1440.0, kTwipsPerPixel = 15.0;
constexpr int kPixelDpi = 96;  // one twip-pixel is one pixel

bool IsBlank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

bool SameClassName(const std::string& a, const char* b) {
    const std::string other(b);
    if (a.size() != other.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(other[i])))
            return false;
    return true;
}

bool IsNotepad(Platform& p, Hwnd hwnd) { return SameClassName(GetWndClass(p, hwnd), kNotepadClass); }

// A top-level Notepad window of the process: found by its process, so that
// a Notepad the user opened is never taken for ours.
bool IsNotepadOf(Platform& p, Hwnd hwnd, std::uint32_t processId) {
    if (hwnd == 0 || processId == 0 || !p.IsWindow(hwnd)) return false;
    std::uint32_t owner = 0;
    p.GetWindowThreadProcessId(hwnd, &owner);
    return owner == processId && IsNotepad(p, hwnd);
}

bool IsEditor(const std::string& className) {
    for (const char* editor : kEditorClasses)
        if (SameClassName(className, editor)) return true;
    return false;
}

// The first editor among the window's descendants, the nearest first;
// 0 when it has none. The search is bounded: the window is another program's.
Hwnd FindEditor(Platform& p, Hwnd notepad) {
    std::vector<Hwnd> level{notepad};
    int looked = 0;
    for (int depth = 0; depth < kEditorDepth && !level.empty(); ++depth) {
        std::vector<Hwnd> next;
        for (Hwnd parent : level)
            for (Hwnd c = p.GetWindow(parent, win::GW_CHILD); c != 0 && looked < kEditorSearchWindows;
                 c = p.GetWindow(c, win::GW_HWNDNEXT), ++looked) {
                if (IsEditor(GetWndClass(p, c))) return c;
                next.push_back(c);
            }
        level = std::move(next);
    }
    return 0;
}

// Whether the text in our Notepad may be replaced: nothing typed into it
// since we wrote to it, and still the caption we gave it (saving renames it).
// A Notepad that does not answer the question is not written to either.
bool MayReplace(Platform& p, const NotepadState& state) {
    if (!state.title.empty()) {
        const std::u16string title = Utf8ToUtf16(state.title);
        std::u16string caption(title.size() + 2, u'\0');
        const int n = p.GetWindowTextW(state.window, caption.data(), static_cast<int>(caption.size()));
        if (caption.substr(0, static_cast<std::size_t>(std::max(n, 0))) != title) return false;
    }
    const Hwnd edit = FindEditor(p, state.window);
    if (!edit) return true;  // nothing the user could have typed into
    const auto modified = SendTimeout(p, edit, win::EM_GETMODIFY, 0, 0);
    return modified && *modified == 0;
}

Hwnd FindNotepadOf(Platform& p, std::uint32_t processId) {
    for (Hwnd hwnd : p.EnumWindows())
        if (IsNotepadOf(p, hwnd, processId)) return hwnd;
    return 0;
}

std::set<Hwnd> NotepadWindows(Platform& p) {
    std::set<Hwnd> found;
    for (Hwnd hwnd : p.EnumWindows())
        if (IsNotepad(p, hwnd)) found.insert(hwnd);
    return found;
}

// The window of the Notepad just started: one of its own process, or, as a
// newer notepad.exe hands its window to another process, a Notepad window
// that was not there before the start.
Hwnd FindStartedNotepad(Platform& p, std::uint32_t processId, const std::set<Hwnd>& before) {
    if (const Hwnd own = FindNotepadOf(p, processId)) return own;
    for (Hwnd hwnd : p.EnumWindows())
        if (!before.count(hwnd) && IsNotepad(p, hwnd)) return hwnd;
    return 0;
}

NotepadResult Failure(NotepadOutcome outcome, const char* message) { return {outcome, message}; }

// Our Notepad's window: the one in use, one that appeared after an earlier
// wait ran out, or a new one started and waited for.
NotepadResult FindOrStart(Platform& p, NotepadState& state) {
    if (!IsNotepadOf(p, state.window, state.processId)) state.window = FindNotepadOf(p, state.processId);
    if (state.window && MayReplace(p, state)) return {NotepadOutcome::Shown, {}};
    state = NotepadState{};  // the user's now: left alone for good

    std::uint32_t processId = 0;
    const std::set<Hwnd> before = NotepadWindows(p);
    const std::string commandLine = "\"" + p.GetSystemDirectoryA() + "\\" + kNotepadProgram + "\"";
    if (!p.CreateProcessA(commandLine.c_str(), win::SW_SHOWNORMAL, &processId) || processId == 0)
        return Failure(NotepadOutcome::NotStarted, "无法启动记事本，无法显示文本。");
    state.processId = processId;
    for (std::uint32_t waited = 0;; waited += kNotepadPollMs) {
        state.window = FindStartedNotepad(p, processId, before);
        if (state.window) {
            // Found again by the process that owns the window.
            p.GetWindowThreadProcessId(state.window, &state.processId);
            return {NotepadOutcome::Shown, {}};
        }
        if (waited >= kNotepadWaitMs) break;
        p.Sleep(kNotepadPollMs);
    }
    return Failure(NotepadOutcome::WindowDidNotAppear, "记事本窗口没有出现，无法显示文本。");
}

}  // namespace

std::string NormaliseLineBreaks(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\r') continue;
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

Point CentredPlace(int screenWidth, int screenHeight, int dpi, int width, int height) {
    const double twipsWide = screenWidth * kTwipsPerInch / dpi, twipsHigh = screenHeight * kTwipsPerInch / dpi;
    return {static_cast<std::int32_t>(std::floor((twipsWide / kTwipsPerPixel - width) / 2)),
            static_cast<std::int32_t>(std::floor((twipsHigh / kTwipsPerPixel - height) / 2))};
}

std::vector<std::size_t> TextPieceEnds(const std::u16string& text, std::size_t pieceUnits) {
    std::vector<std::size_t> ends;
    std::size_t start = 0;
    while (text.size() - start > pieceUnits) {
        // The last unit of the piece: a line break if one fits, else a whole character.
        std::size_t last = text.rfind(u'\n', start + pieceUnits - 1);
        if (last == std::u16string::npos || last < start) {
            last = start + pieceUnits - 1;
            const bool highSurrogate = text[last] >= 0xD800 && text[last] < 0xDC00;
            if (highSurrogate && last > start) --last;
        }
        start = last + 1;
        ends.push_back(start);
    }
    ends.push_back(text.size());
    return ends;
}

namespace {
// The whole text into the editor, replacing what it held. Each further piece
// goes at the end: the units sent so far, which a rich edit (it keeps a line
// break as one unit) takes as past its end, and so as its end too.
bool SendText(Platform& p, Hwnd edit, const std::u16string& text) {
    std::size_t start = 0;
    for (const std::size_t end : TextPieceEnds(text, kNotepadPieceUnits)) {
        const std::u16string piece = text.substr(start, end - start);
        const Lparam units = reinterpret_cast<Lparam>(piece.c_str());
        const bool sent =
            start == 0 ? SendTimeout(p, edit, win::WM_SETTEXT, 0, units, kNotepadTextTimeoutMs).has_value()
                       : SendTimeout(p, edit, win::EM_SETSEL, start, static_cast<Lparam>(start)) &&
                             SendTimeout(p, edit, win::EM_REPLACESEL, 0, units, kNotepadTextTimeoutMs);
        if (!sent) return false;
        start = end;
    }
    return true;
}
}  // namespace

NotepadResult ShowInNotepad(Platform& p, NotepadState& state, const std::string& text, const std::string& title,
                            int width, int height, bool topmost, Hwnd placeBy) {
    if (IsBlank(text)) return {};
    const NotepadResult found = FindOrStart(p, state);
    if (found.outcome != NotepadOutcome::Shown) return found;
    const Hwnd notepad = state.window;

    const std::u16string caption = Utf8ToUtf16(title);
    SendTimeout(p, notepad, win::WM_SETTEXT, 0, reinterpret_cast<Lparam>(caption.c_str()));
    state.title = title;
    // Placement that waits for Notepad's thread would let a stuck Notepad
    // stop us: both changes are posted.
    // Centred on the monitor the user works on (placeBy's), by the same
    // rule as on the primary one, then moved to that monitor's origin. The
    // program is aware of each monitor's DPI: the monitor's size and
    // Notepad's are both physical pixels, which the twips of the rule take
    // at 96 dots per inch (at the system's DPI they would put Notepad off
    // centre on a scaled screen).
    const Rect monitor = MonitorRectOf(p, placeBy);
    const Point place = CentredPlace(monitor.right - monitor.left, monitor.bottom - monitor.top, kPixelDpi, width,
                                     height);
    p.SetWindowPos(notepad, 0, monitor.left + place.x, monitor.top + place.y, width, height,
                   win::SWP_NOZORDER | win::SWP_NOACTIVATE | win::SWP_ASYNCWINDOWPOS);
    if (topmost)
        p.SetWindowPos(notepad, win::HWND_TOPMOST, 0, 0, 0, 0,
                       win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_ASYNCWINDOWPOS);

    const Hwnd edit = FindEditor(p, notepad);
    if (!edit) return Failure(NotepadOutcome::NoEditControl, "记事本窗口中没有文本框，无法显示文本。");
    if (!SendText(p, edit, Utf8ToUtf16(NormaliseLineBreaks(text))))
        return Failure(NotepadOutcome::NotAnswering, "记事本没有及时响应，文本可能没有显示出来。");
    return {NotepadOutcome::Shown, {}};
}

}  // namespace lumivex
