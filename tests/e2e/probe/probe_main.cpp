// The end-to-end probe: reads what Lumivex shows, from outside, the way a
// user's eyes would, and prints it as JSON for the Python driver.
//
//   LumivexProbe.exe command...
//
// Commands (each answers one element of the printed array, in order):
//   main                      Lumivex's main window: title, topmost, tabs,
//                             visible panel, every control by identifier
//   responds[:ms]             does Lumivex's main window answer WM_NULL in time
//   window:<hwnd>             one window: class, text, rectangle, client area,
//                             styles, hung, owner
//   find:<class>              top-level windows of a class: titles, rectangles,
//                             visibility
//   focus:<hwnd>              the foreground window, and the active and focus
//                             windows of the thread that owns <hwnd>
//   children:<hwnd>           every descendant: id, class, text, rectangle, parent
//   tree:<hwnd>               a tree view's nodes: text, depth, expanded,
//                             children; and how many it lists from the root
//   tip:<hwnd>                the tool tip text Lumivex holds for a control
//   send:<hwnd>:<msg>[:w[:l]] SendMessageTimeout, reports the answer
//   post:<hwnd>:<msg>[:w[:l]] PostMessage
//   place:<hwnd>:<x>:<y>:<w>:<h> moves a window, its Z order and activation kept
//   setstyle:<hwnd>:<style>   SetWindowLongW(GWL_STYLE); reports the style before
//   settext:<hwnd>:<text>     WM_SETTEXT of a UTF-16 text (which may hold
//                             colons), as SendMessageTimeoutW; reports the answer
//   ping:<period>:<ms>:<stop file>  pings Lumivex's main window until the stop
//                             file exists: pings, the longest answer time
//   textsum:<hwnd>[:<class>]  a long text's size, CRC-32, lines, first and last
//   gdi-outline:<pen>:<l>:<t>:<r>:<b>  pixels GDI inverts for the old outline
//   frame-rects:<pen>:<l>:<t>:<r>:<b>  the rectangles of Lumivex's outline
// Numbers are decimal or 0x-prefixed hexadecimal.
#include <windows.h>

#include <cstdint>
#include <cwchar>
#include <string>
#include <vector>

#include "long_watch.h"
#include "outline_pixels.h"
#include "window_report.h"

namespace {

using e2e::JsonWriter;

std::vector<std::wstring> Split(const std::wstring& text, wchar_t separator) {
    std::vector<std::wstring> parts;
    std::size_t start = 0;
    for (;;) {
        const auto end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start));
        if (end == std::wstring::npos) return parts;
        start = end + 1;
    }
}

unsigned long long Number(const std::vector<std::wstring>& parts, std::size_t index, unsigned long long fallback = 0) {
    return index < parts.size() ? std::wcstoull(parts[index].c_str(), nullptr, 0) : fallback;
}

HWND HandleArg(const std::vector<std::wstring>& parts) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(Number(parts, 1)));
}

void Responds(JsonWriter& json, const std::vector<std::wstring>& parts) {
    const UINT timeout = static_cast<UINT>(Number(parts, 1, 1000));
    HWND main = probe::FindLumivexMain();
    const DWORD start = GetTickCount();
    DWORD_PTR answer = 0;
    const bool ok = main && SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeout, &answer) != 0;
    json.BeginObject();
    json.Key("found").Bool(main != nullptr);
    json.Key("answered").Bool(ok);
    json.Key("ms").Number(GetTickCount() - start);
    json.EndObject();
}

void SendOrPost(JsonWriter& json, const std::vector<std::wstring>& parts, bool send) {
    HWND target = HandleArg(parts);
    const UINT msg = static_cast<UINT>(Number(parts, 2));
    const WPARAM wParam = static_cast<WPARAM>(Number(parts, 3));
    const LPARAM lParam = static_cast<LPARAM>(Number(parts, 4));
    json.BeginObject();
    if (send) {
        DWORD_PTR answer = 0;
        const bool ok =
            SendMessageTimeoutW(target, msg, wParam, lParam, SMTO_ABORTIFHUNG, probe::kAnswerTimeoutMs, &answer) != 0;
        json.Key("ok").Bool(ok);
        json.Key("result").Number(static_cast<std::int64_t>(answer));
    } else {
        json.Key("ok").Bool(PostMessageW(target, msg, wParam, lParam) != 0);
    }
    json.EndObject();
}

void Place(JsonWriter& json, const std::vector<std::wstring>& parts) {
    const bool ok = SetWindowPos(HandleArg(parts), nullptr, static_cast<int>(Number(parts, 2)),
                                 static_cast<int>(Number(parts, 3)), static_cast<int>(Number(parts, 4)),
                                 static_cast<int>(Number(parts, 5)), SWP_NOZORDER | SWP_NOACTIVATE) != 0;
    json.BeginObject();
    json.Key("ok").Bool(ok);
    json.EndObject();
}

void SetStyle(JsonWriter& json, const std::vector<std::wstring>& parts) {
    SetLastError(0);
    const LONG before = SetWindowLongW(HandleArg(parts), GWL_STYLE, static_cast<LONG>(Number(parts, 2)));
    json.BeginObject();
    json.Key("ok").Bool(before != 0 || GetLastError() == 0);
    json.Key("before").Number(static_cast<std::uint32_t>(before));
    json.EndObject();
}

void Focus(JsonWriter& json, const std::vector<std::wstring>& parts) {
    HWND hwnd = HandleArg(parts);
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const DWORD thread = IsWindow(hwnd) ? GetWindowThreadProcessId(hwnd, nullptr) : 0;
    const bool ok = thread != 0 && GetGUIThreadInfo(thread, &info) != 0;
    json.BeginObject();
    json.Key("ok").Bool(ok);
    json.Key("foreground").Handle(GetForegroundWindow());
    json.Key("active").Handle(ok ? info.hwndActive : nullptr);
    json.Key("focus").Handle(ok ? info.hwndFocus : nullptr);
    json.EndObject();
}

// Text in any script goes in whole: xdotool, typing a character outside the
// keyboard map, remaps a key for it and can lose the next one.
void SetText(JsonWriter& json, const std::wstring& command) {
    const auto parts = Split(command, L':');
    const auto textStart = command.find(L':', command.find(L':') + 1);
    const std::wstring text = textStart == std::wstring::npos ? std::wstring() : command.substr(textStart + 1);
    DWORD_PTR answer = 0;
    const bool ok = SendMessageTimeoutW(HandleArg(parts), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                                        SMTO_ABORTIFHUNG, probe::kAnswerTimeoutMs, &answer) != 0;
    json.BeginObject();
    json.Key("ok").Bool(ok);
    json.Key("result").Number(static_cast<std::int64_t>(answer));
    json.EndObject();
}

struct FindByClass {
    std::wstring className;
    std::vector<HWND> found;
};

BOOL CALLBACK MatchClass(HWND hwnd, LPARAM parameter) {
    auto* search = reinterpret_cast<FindByClass*>(parameter);
    wchar_t name[256] = {};
    GetClassNameW(hwnd, name, 256);
    if (lstrcmpiW(name, search->className.c_str()) == 0) search->found.push_back(hwnd);
    return TRUE;
}

void Find(JsonWriter& json, const std::vector<std::wstring>& parts) {
    FindByClass search{parts.size() > 1 ? parts[1] : L"", {}};
    EnumWindows(MatchClass, reinterpret_cast<LPARAM>(&search));
    json.BeginArray();
    for (HWND hwnd : search.found) {
        json.BeginObject();
        json.Key("handle").Handle(hwnd);
        // The caption as stored, without WM_GETTEXT: the answer would wait
        // for the window's thread, and Lumivex's is held for the whole
        // outline its frame windows show, which are gone once it answers.
        wchar_t title[1024] = {};
        GetWindowTextW(hwnd, title, 1024);
        json.Key("title").String(title);
        // The rectangle before the visibility: a window destroyed in between
        // reads as hidden, and its empty rectangle is not taken for its place.
        RECT r{};
        GetWindowRect(hwnd, &r);
        json.Key("rect").RectArray(r);
        json.Key("visible").Bool(IsWindowVisible(hwnd) != 0);
        DWORD processId = 0;
        GetWindowThreadProcessId(hwnd, &processId);
        json.Key("pid").Number(processId);
        json.EndObject();
    }
    json.EndArray();
}

void Run(JsonWriter& json, const std::wstring& command) {
    const auto parts = Split(command, L':');
    const std::wstring& verb = parts[0];
    json.BeginObject();
    json.Key("command").String(command);
    json.Key("result");
    if (verb == L"main")
        probe::ReportMainWindow(json, probe::FindLumivexMain());
    else if (verb == L"responds")
        Responds(json, parts);
    else if (verb == L"window")
        probe::ReportWindow(json, HandleArg(parts));
    else if (verb == L"find")
        Find(json, parts);
    else if (verb == L"focus")
        Focus(json, parts);
    else if (verb == L"children")
        probe::ReportChildren(json, HandleArg(parts));
    else if (verb == L"tip")
        probe::ReportToolTip(json, HandleArg(parts));
    else if (verb == L"tree")
        probe::ReportTree(json, HandleArg(parts));
    else if (verb == L"send" || verb == L"post")
        SendOrPost(json, parts, verb == L"send");
    else if (verb == L"place")
        Place(json, parts);
    else if (verb == L"setstyle")
        SetStyle(json, parts);
    else if (verb == L"settext")
        SetText(json, command);
    else if (verb == L"ping")
        probe::Ping(json, command);
    else if (verb == L"textsum")
        probe::ReportTextSummary(json, HandleArg(parts), parts.size() > 2 ? parts[2] : L"");
    else if (verb == L"gdi-outline")
        probe::ReportGdiOutline(json, parts);
    else if (verb == L"frame-rects")
        probe::ReportFrameRects(json, parts);
    else
        json.Null();
    json.EndObject();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    JsonWriter json;
    json.BeginArray();
    for (int i = 1; i < argc; ++i) Run(json, argv[i]);
    json.EndArray();
    // Raw bytes: the driver reads UTF-8 from a file stdout was sent to.
    const std::string out = json.str() + "\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), out.data(), static_cast<DWORD>(out.size()), &written, nullptr);
    return written == out.size() ? 0 : 1;
}
