#include "platform/sim/sim_desktop.h"

#include "platform/sim/sim_frame.h"
#include "platform/sim/sim_text.h"
#include "platform/utf16.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <stdexcept>

namespace lumivex::sim {

namespace {
constexpr std::uint32_t ES_READONLY = 0x0800;

bool SameClass(const std::string& a, const char* b) {
    const std::string other(b);
    return a.size() == other.size() &&
           std::equal(a.begin(), a.end(), other.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}
}  // namespace

SimDesktop::SimDesktop() {
    SimWindow desktop;
    desktop.hwnd = kDesktop;
    desktop.className = "#32769";
    desktop.style = win::WS_VISIBLE | 0x06000000;
    windows_[kDesktop] = desktop;
    SetScreenSize(screenWidth_, screenHeight_);
    // What a fresh display context holds on a Simplified-Chinese system.
    LogFontW system;
    system.lfHeight = 16;
    system.lfWeight = 700;
    system.lfCharSet = 134;
    std::memcpy(system.lfFaceName, u"System", sizeof u"System");
    systemFont_ = AddFont(system);
}

SimWindow* SimDesktop::Find(Hwnd hwnd) {
    const auto it = windows_.find(hwnd);
    return it == windows_.end() ? nullptr : &it->second;
}

SimWindow& SimDesktop::Window(Hwnd hwnd) {
    SimWindow* w = Find(hwnd);
    if (!w) throw std::out_of_range("no simulated window");
    return *w;
}

std::vector<Hwnd>& SimDesktop::Siblings(const SimWindow& w) {
    return w.parent ? Window(w.parent).children : topLevel_;
}

Hwnd SimDesktop::CreateWindow(const WindowSpec& desc) {
    SimWindow w;
    w.hwnd = nextHwnd_;
    nextHwnd_ += 2;
    w.className = desc.className;
    w.text = desc.text;
    w.style = desc.style;
    w.exStyle = desc.exStyle;
    w.classStyle = desc.classStyle;
    w.id = desc.id;
    w.rect = desc.rect;
    w.client = ClientFor(desc.rect, desc.style, desc.exStyle);
    w.parent = desc.parent;
    w.owner = desc.owner;
    w.processId = desc.processId;
    w.threadId = desc.threadId;
    w.transparentHit = desc.transparentHit;
    if (w.parent) {
        // A child lives in its parent's process and thread.
        const SimWindow& parent = Window(w.parent);
        w.processId = parent.processId;
        w.threadId = parent.threadId;
    }
    const Hwnd h = w.hwnd;
    windows_[h] = w;
    // Children are appended below earlier ones; a new top-level window goes
    // to the top, below the topmost ones unless it is topmost itself.
    Siblings(windows_[h]).push_back(h);
    if (!w.parent) Raise(h);
    return h;
}

void SimDesktop::DestroyWindow(Hwnd hwnd) {
    SimWindow* w = Find(hwnd);
    if (!w || hwnd == kDesktop) return;
    const auto children = w->children;
    for (Hwnd child : children) DestroyWindow(child);
    auto& siblings = Siblings(*w);
    siblings.erase(std::remove(siblings.begin(), siblings.end(), hwnd), siblings.end());
    windows_.erase(hwnd);
    if (capture_ == hwnd) capture_ = 0;
}

bool SimDesktop::IsWindow(Hwnd hwnd) { return hwnd != 0 && Find(hwnd) != nullptr; }

bool SimDesktop::IsHungAppWindow(Hwnd hwnd) {
    SimWindow* w = Find(hwnd);
    if (!w) return false;
    const bool hung = Hung(*w);
    if (w->hangsAfterHungTest) w->hung = true;
    return hung;
}

void SimDesktop::NoteWaitingCall(Hwnd hwnd) {
    const SimWindow* w = Find(hwnd);
    if (w && (Hung(*w) || BusyMs(*w) > 0)) ++blockingCallsToUnresponsive;
}

bool SimDesktop::Hung(const SimWindow& w) const { return w.hung || hungThreads.count(w.threadId) > 0; }

Hwnd SimDesktop::GetWindow(Hwnd hwnd, std::uint32_t cmd) {
    SimWindow* w = Find(hwnd);
    if (!w) return 0;
    // The top-level windows are the desktop's children.
    const auto& children = hwnd == kDesktop ? topLevel_ : w->children;
    if (cmd == win::GW_CHILD) return children.empty() ? 0 : children.front();
    if (cmd == win::GW_OWNER) return w->owner;
    if (hwnd == kDesktop) return 0;
    const auto& siblings = Siblings(*w);
    const auto it = std::find(siblings.begin(), siblings.end(), hwnd);
    switch (cmd) {
        case win::GW_HWNDFIRST: return siblings.front();
        case win::GW_HWNDLAST: return siblings.back();
        case win::GW_HWNDNEXT: return it + 1 == siblings.end() ? 0 : *(it + 1);
        case win::GW_HWNDPREV: return it == siblings.begin() ? 0 : *(it - 1);
        default: return 0;
    }
}

Hwnd SimDesktop::GetParent(Hwnd hwnd) {
    const SimWindow* w = Find(hwnd);
    if (!w) return 0;
    if (w->style & win::WS_CHILD) return w->parent;
    return (w->style & win::WS_POPUP) ? w->owner : 0;
}

std::int32_t SimDesktop::GetWindowLongA(Hwnd hwnd, int index) {
    const SimWindow* w = Find(hwnd);
    if (!w) return 0;
    switch (index) {
        case win::GWL_STYLE: return static_cast<std::int32_t>(w->style);
        case win::GWL_EXSTYLE: return static_cast<std::int32_t>(w->exStyle);
        case win::GWL_ID: return w->id;
        default: return 0;
    }
}

std::uint32_t SimDesktop::GetClassLongA(Hwnd hwnd, int index) {
    const SimWindow* w = Find(hwnd);
    if (!w) return 0;
    return index == win::GCL_STYLE ? w->classStyle : 0;
}

int SimDesktop::GetClassNameW(Hwnd hwnd, char16_t* buffer, int maxCount) {
    const SimWindow* w = Find(hwnd);
    return w ? CopyOut(Utf8ToUtf16(w->className), buffer, maxCount) : 0;
}

int SimDesktop::GetWindowTextW(Hwnd hwnd, char16_t* buffer, int maxCount) {
    // Like Windows: the stored caption, never a message to the window.
    const SimWindow* w = Find(hwnd);
    if (!w) {
        if (buffer && maxCount > 0) buffer[0] = u'\0';
        return 0;
    }
    return CopyOut(Utf8ToUtf16(w->text), buffer, maxCount);
}

bool SimDesktop::GetWindowRect(Hwnd hwnd, Rect& rect) {
    if (hwnd == kDesktop) {
        rect = {0, 0, screenWidth_, screenHeight_};
        return true;
    }
    const SimWindow* w = Find(hwnd);
    if (!w) return false;
    rect = w->rect;
    return true;
}

bool SimDesktop::GetClientRect(Hwnd hwnd, Rect& rect) {
    const SimWindow* w = Find(hwnd);
    if (!w) return false;
    rect = hwnd == kDesktop ? Rect{0, 0, screenWidth_, screenHeight_} : w->client;
    return true;
}

std::uint32_t SimDesktop::GetWindowThreadProcessId(Hwnd hwnd, std::uint32_t* processId) {
    const SimWindow* w = Find(hwnd);
    if (processId) *processId = w ? w->processId : 0;
    return w ? w->threadId : 0;
}

Hwnd SimDesktop::FindWindowExA(Hwnd parent, Hwnd childAfter, const char* className, const char* windowName) {
    const SimWindow* p = parent ? Find(parent) : nullptr;
    if (parent && !p) return 0;
    const std::vector<Hwnd>& list = p ? p->children : topLevel_;
    auto it = list.begin();
    if (childAfter) {
        it = std::find(list.begin(), list.end(), childAfter);
        if (it == list.end()) return 0;
        ++it;
    }
    for (; it != list.end(); ++it) {
        const SimWindow& w = windows_.at(*it);
        if (className && !SameClass(w.className, className)) continue;
        if (windowName && Utf8ToAnsi(w.text) != windowName) continue;
        return *it;
    }
    return 0;
}

Hwnd SimDesktop::HitTest(const std::vector<Hwnd>& zOrder, Point p, bool topLevel) {
    for (Hwnd h : zOrder) {
        const SimWindow& w = windows_.at(h);
        if (!(w.style & win::WS_VISIBLE) || !PtInRect(w.rect, p)) continue;
        // Disabled controls are passed over, as on Windows; so are
        // see-through ones, but only of the calling thread: the system asks
        // WM_NCHITTEST of no other thread's windows.
        if (!topLevel && (w.style & win::WS_DISABLED)) continue;
        if (!topLevel && w.transparentHit && w.threadId == callerThreadId) continue;
        // A child shows only inside its parent's client area.
        if (!PtInRect(ClientOnScreen(w), p)) return h;
        const Hwnd deeper = HitTest(w.children, p, false);
        return deeper ? deeper : h;
    }
    return 0;
}

Hwnd SimDesktop::WindowFromPoint(Point p) {
    const Hwnd h = HitTest(topLevel_, p, true);
    return h ? h : kDesktop;
}

Lresult SimDesktop::DefaultAnswer(SimWindow& w, std::uint32_t msg, Wparam wParam, Lparam lParam) {
    switch (msg) {
        case win::WM_GETTEXTLENGTH: return static_cast<Lresult>(Utf8ToUtf16(w.text).size());
        case win::WM_GETTEXT:
            return CopyOut(Utf8ToUtf16(w.text), reinterpret_cast<char16_t*>(lParam), static_cast<int>(wParam));
        case win::WM_SETTEXT:
            w.text = lParam ? Utf16ToUtf8(reinterpret_cast<const char16_t*>(lParam)) : "";
            w.modified = false;  // as an edit control does
            w.selectionStart = w.selectionEnd = 0;
            return 1;
        case win::EM_GETMODIFY: return w.modified ? 1 : 0;
        case win::EM_SETSEL: {
            // As an edit does: the ends in either order, clamped to the text; -1 is the end.
            const std::size_t length = Utf8ToUtf16(w.text).size();
            const auto clamp = [length](Wparam at) { return std::min<std::size_t>(static_cast<std::size_t>(at), length); };
            const std::size_t a = clamp(wParam), b = clamp(static_cast<Wparam>(lParam));
            w.selectionStart = std::min(a, b);
            w.selectionEnd = std::max(a, b);
            return 1;
        }
        case win::EM_REPLACESEL: {
            std::u16string text = Utf8ToUtf16(w.text);
            const std::u16string put = lParam ? reinterpret_cast<const char16_t*>(lParam) : u"";
            const std::size_t start = std::min(w.selectionStart, text.size());
            text.replace(start, std::min(w.selectionEnd, text.size()) - start, put);
            w.text = Utf16ToUtf8(text);
            w.selectionStart = w.selectionEnd = start + put.size();
            return 1;
        }
        case win::EM_SETREADONLY:
            if (wParam)
                w.style |= ES_READONLY;
            else
                w.style &= ~ES_READONLY;
            return 1;
        case win::LVM_GETEXTENDEDLISTVIEWSTYLE: return static_cast<Lresult>(w.listViewExStyle);
        case win::LVM_SETEXTENDEDLISTVIEWSTYLE: {
            // wParam is the mask of bits to change; 0 changes them all.
            const auto mask = wParam ? static_cast<std::uint32_t>(wParam) : ~0u;
            const std::uint32_t previous = w.listViewExStyle;
            w.listViewExStyle = (previous & ~mask) | (static_cast<std::uint32_t>(lParam) & mask);
            return static_cast<Lresult>(previous);
        }
        case win::WM_SYSCOMMAND:
            // SC_CLOSE asks the window to close, as WM_CLOSE, which a window
            // may refuse (a "save changes?" question).
            if ((wParam & 0xFFF0) == win::SC_CLOSE) Deliver(w.hwnd, win::WM_CLOSE, 0, 0);
            return 0;
        case win::WM_CLOSE: DestroyWindow(w.hwnd); return 0;
        case win::WM_GETFONT: return static_cast<Lresult>(w.font);
        default: return 0;
    }
}

Lresult SimDesktop::Deliver(Hwnd hwnd, std::uint32_t msg, Wparam wParam, Lparam lParam) {
    SimWindow* w = Find(hwnd);
    if (!w) return 0;
    if (w->hook) {
        // The hook may destroy the window; do not touch w after it.
        if (auto answer = w->hook(*w, msg, wParam, lParam)) return *answer;
        w = Find(hwnd);
        if (!w) return 0;
    }
    if (w->control) {
        // Held while it answers: the control may destroy its own window.
        const auto control = w->control;
        if (auto answer = control->Answer(*this, *w, msg, wParam, lParam)) return *answer;
        w = Find(hwnd);
        if (!w) return 0;
    }
    return DefaultAnswer(*w, msg, wParam, lParam);
}

bool SimDesktop::SendMessageTimeoutW(Hwnd hwnd, std::uint32_t msg, Wparam wParam, Lparam lParam,
                                     std::uint32_t, std::uint32_t timeoutMs, Lresult* result) {
    return TimedSend(hwnd, msg, wParam, lParam, timeoutMs, result);
}

namespace {
// Messages whose text the system copies between the sender and the target:
// a late answer to them is dropped, not copied into the sender's buffer.
bool CopiesText(std::uint32_t msg) {
    return msg == win::WM_GETTEXT || msg == win::WM_SETTEXT || msg == win::LB_GETTEXT || msg == win::CB_GETLBTEXT;
}
}  // namespace

std::uint32_t SimDesktop::BusyMs(const SimWindow& w) const {
    const auto found = busyThreads.find(w.threadId);
    return found == busyThreads.end() ? 0 : found->second;
}

void SimDesktop::FinishBusyThreads() {
    busyThreads.clear();
    const std::vector<LateMessage> late = std::move(lateMessages_);
    lateMessages_.clear();
    for (const LateMessage& m : late) {
        const Lparam lParam = m.msg == win::WM_SETTEXT ? reinterpret_cast<Lparam>(m.text.c_str()) : m.lParam;
        Deliver(m.hwnd, m.msg, m.wParam, lParam);
    }
}

bool SimDesktop::TimedSend(Hwnd hwnd, std::uint32_t msg, Wparam wParam, Lparam lParam, std::uint32_t timeoutMs,
                           Lresult* result) {
    log.AddMessage(hwnd, msg, wParam, lParam, true);
    if (result) *result = 0;
    lastError_ = 0;
    const SimWindow* w = Find(hwnd);
    if (!w) {
        lastError_ = 1400;  // ERROR_INVALID_WINDOW_HANDLE
        return false;
    }
    // A hung target fails at once with SMTO_ABORTIFHUNG; a busy one after
    // the time-out. Both are time-outs to the caller, and the message is
    // withdrawn: neither thread ever sees it.
    if (Hung(*w) || BusyMs(*w) > timeoutMs) {
        if (!Hung(*w)) waitedMs += timeoutMs;
        lastError_ = win::ERROR_TIMEOUT;
        return false;
    }
    if (w->failingTimedSends.count(msg)) return false;
    if (const SimProcess* owner = Process(w->processId); owner && owner->elevated) {
        lastError_ = win::ERROR_ACCESS_DENIED;
        return false;
    }
    if (const auto slow = w->slowAnswers.find(msg); slow != w->slowAnswers.end() && slow->second > timeoutMs)
        return TakeInSlowly(*w, {hwnd, msg, wParam, lParam, {}}, slow->second, timeoutMs);
    const Lresult answer = Deliver(hwnd, msg, wParam, lParam);
    if (result) *result = answer;
    return true;
}

// The window took the message in and is still at it when the caller gives
// up: its thread finishes it late, and answers nothing else meanwhile.
bool SimDesktop::TakeInSlowly(const SimWindow& w, LateMessage late, std::uint32_t answerMs, std::uint32_t timeoutMs) {
    waitedMs += timeoutMs;
    lastError_ = win::ERROR_TIMEOUT;
    std::uint32_t& busy = busyThreads[w.threadId];
    busy = std::max(busy, answerMs - timeoutMs);
    if (late.msg == win::WM_SETTEXT && late.lParam) late.text = reinterpret_cast<const char16_t*>(late.lParam);
    // What a text query would copy back is dropped: nothing of it is left to run.
    if (late.msg == win::WM_SETTEXT || !CopiesText(late.msg)) lateMessages_.push_back(std::move(late));
    return false;
}

Rect SimDesktop::ClientOnScreen(const SimWindow& w) const {
    const int frame = ((w.rect.right - w.rect.left) - w.client.right) / 2;
    const int left = w.rect.left + frame, top = w.rect.bottom - frame - w.client.bottom;
    return {left, top, left + w.client.right, top + w.client.bottom};
}

Point SimDesktop::PlacementOrigin(const SimWindow& w) {
    // Children are placed in the parent's client area.
    if (!(w.style & win::WS_CHILD) || !w.parent) return {0, 0};
    const Rect client = ClientOnScreen(Window(w.parent));
    return {client.left, client.top};
}

// Never counted as blocking: the Win32 form waits for its helper thread
// only briefly (see Platform::SetWindowLongAsync).
std::int32_t SimDesktop::SetWindowLongAsync(Hwnd hwnd, int index, std::int32_t value) {
    log.AddCall(CallKind::Change, "SetWindowLongAsync", hwnd, index, value);
    SimWindow* w = Find(hwnd);
    if (!w) return 0;
    const auto bits = static_cast<std::uint32_t>(value);
    std::uint32_t* field = index == win::GWL_STYLE ? &w->style : index == win::GWL_EXSTYLE ? &w->exStyle : nullptr;
    if (!field) return 0;
    const auto previous = static_cast<std::int32_t>(*field);
    *field = bits;
    return previous;
}

bool SimDesktop::GetCursorPos(Point& p) {
    p = cursorPos_;
    return true;
}

bool SimDesktop::GetCursorInfo(CursorInfo& info) {
    info.hCursor = cursor_;
    info.ptScreenPos = cursorPos_;
    return true;
}

Hwnd SimDesktop::SetCapture(Hwnd hwnd) {
    const Hwnd previous = capture_;
    capture_ = hwnd;
    return previous;
}

bool SimDesktop::ReleaseCapture() {
    capture_ = 0;
    return true;
}

}  // namespace lumivex::sim
