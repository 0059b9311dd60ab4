// The real platform as a contract world: the fixture process makes the
// windows of its threads when asked (fixture/contract_protocol.h); windows
// of the Own thread are made here, on the thread the cases run on.
#include "world.h"

#include <windows.h>

#include <map>
#include <string>

#include "fixture/contract_protocol.h"
#include "platform/win32/win32_platform.h"

namespace lumivex::contract {

namespace {

namespace fx = contract_fixture;

// Deadlines for the fixture, which is ours: a step takes what it needs.
constexpr DWORD kStartDeadlineMs = 30000;
// Above the fixture's own deadline for a step, so that it answers first.
constexpr UINT kRequestDeadlineMs = 40000;
constexpr wchar_t kOwnFrameClass[] = L"LvxContractOwnFrame";

std::wstring Wide(const std::string& utf8) { return Utf8ToWide(utf8); }
HWND ToHWND(Hwnd h) { return ToHwnd(h); }

// The fixture process, started once for the whole run; it ends with us.
class FixtureLink {
public:
    static FixtureLink& Get() {
        static FixtureLink link;
        return link;
    }
    bool ok() const { return control_ != nullptr; }

    LRESULT Ask(fx::Command command, const fx::Request& request) {
        COPYDATASTRUCT data{command, sizeof request, const_cast<fx::Request*>(&request)};
        DWORD_PTR answer = 0;
        if (!control_ ||
            !SendMessageTimeoutW(control_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_NORMAL,
                                 kRequestDeadlineMs, &answer)) {
            ADD_FAILURE() << "the fixture did not carry out request " << command;
            return 0;
        }
        if (answer == 0) ADD_FAILURE() << "the fixture could not carry out request " << command;
        return static_cast<LRESULT>(answer);
    }

private:
    FixtureLink() {
        wchar_t self[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        std::wstring exe(self);
        exe = exe.substr(0, exe.find_last_of(L'\\') + 1) + L"LumivexContractFixture.exe";
        SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
        const HANDLE ready = CreateEventW(&inherited, TRUE, FALSE, nullptr);
        std::wstring line = L"\"" + exe + L"\" " + std::to_wstring(reinterpret_cast<UINT_PTR>(ready)) + L" " +
                            std::to_wstring(GetCurrentProcessId());
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (ready && CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                                    &info)) {
            const HANDLE either[] = {ready, info.hProcess};
            if (WaitForMultipleObjects(2, either, FALSE, kStartDeadlineMs) == WAIT_OBJECT_0)
                control_ = FindWindowExW(HWND_MESSAGE, nullptr, fx::kControlClass,
                                         std::to_wstring(info.dwProcessId).c_str());
            CloseHandle(info.hThread);
            CloseHandle(info.hProcess);
        }
        if (ready) CloseHandle(ready);
    }

    HWND control_ = nullptr;
};

bool RunningUnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

const wchar_t* ClassOf(Kind kind, bool own) {
    switch (kind) {
        case Kind::Frame: return own ? kOwnFrameClass : fx::kFrameClass;
        case Kind::Static: return L"Static";
        case Kind::Button:
        case Kind::GroupBox: return L"Button";
    }
    return L"Static";
}

void Copy(wchar_t* to, std::size_t room, const std::wstring& from) {
    const std::size_t n = std::min(from.size(), room - 1);
    from.copy(to, n);
    to[n] = L'\0';
}

void AppendItems(HMENU menu, const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items) {
        if (item.flags & MF_SEPARATOR) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        } else if (!item.popup.empty()) {
            const HMENU popup = CreatePopupMenu();
            AppendItems(popup, item.popup);
            AppendMenuW(menu, MF_POPUP | item.flags, reinterpret_cast<UINT_PTR>(popup), Wide(item.text).c_str());
        } else {
            AppendMenuW(menu, MF_STRING | item.flags, item.id, Wide(item.text).c_str());
        }
    }
}

void TreeLines(const std::vector<TreeItem>& items, int depth, std::wstring& out) {
    for (const TreeItem& item : items) {
        out += std::wstring(static_cast<std::size_t>(depth), L' ') + (item.expanded ? L'+' : L'-') + Wide(item.text) + L'\n';
        TreeLines(item.children, depth + 1, out);
    }
}

class Win32World : public World {
public:
    Win32World() {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kOwnFrameClass;
        RegisterClassExW(&wc);  // again for each case: the later ones fail harmlessly
        if (!FixtureLink::Get().ok()) ADD_FAILURE() << "the fixture did not start";
    }
    ~Win32World() override {
        for (Thread t : {Thread::Fixture, Thread::OtherFixture}) Release(t);
        for (auto it = made_.rbegin(); it != made_.rend(); ++it) {
            if (!IsWindow(ToHWND(it->first))) continue;
            if (it->second == Thread::Own) {
                DestroyWindow(ToHWND(it->first));
            } else {
                fx::Request r;
                r.thread = Index(it->second);
                r.target = it->first;
                FixtureLink::Get().Ask(fx::kDestroy, r);
            }
        }
    }

    Platform& platform() override { return platform_; }
    bool underWine() const override { return wine_; }

    Hwnd Create(const WindowDesc& desc) override {
        const Thread thread = desc.parent ? ThreadOf(desc.parent) : desc.thread;
        if (thread == Thread::Own) {
            const HWND parent = ToHWND(desc.parent ? desc.parent : desc.owner);
            const HWND hwnd = CreateWindowExW(desc.exStyle, ClassOf(desc.kind, true), Wide(desc.text).c_str(),
                                              desc.style, desc.place.left, desc.place.top,
                                              desc.place.right - desc.place.left, desc.place.bottom - desc.place.top,
                                              parent, nullptr, GetModuleHandleW(nullptr), nullptr);
            return Keep(desc.parent, FromHwnd(hwnd), thread);
        }
        fx::Request r = Placed(thread, desc.parent, desc.place);
        r.owner = desc.owner;
        r.style = desc.style;
        r.exStyle = desc.exStyle;
        Copy(r.className, std::size(r.className), ClassOf(desc.kind, false));
        Copy(r.text, std::size(r.text), Wide(desc.text));
        return Keep(desc.parent, static_cast<Hwnd>(FixtureLink::Get().Ask(fx::kCreate, r)), thread);
    }

    Hwnd CreateListView(Hwnd parent, Rect place, const std::vector<std::vector<std::string>>& rows) override {
        fx::Request r = Placed(ThreadOf(parent), parent, place);
        std::wstring text;
        for (const auto& row : rows) {
            for (std::size_t c = 0; c < row.size(); ++c) text += (c ? L"\t" : L"") + Wide(row[c]);
            text += L'\n';
        }
        Copy(r.text, std::size(r.text), text);
        return Keep(parent, static_cast<Hwnd>(FixtureLink::Get().Ask(fx::kListView, r)), ThreadOf(parent));
    }

    Hwnd CreateTreeView(Hwnd parent, Rect place, const std::vector<TreeItem>& roots) override {
        fx::Request r = Placed(ThreadOf(parent), parent, place);
        std::wstring text;
        TreeLines(roots, 0, text);
        Copy(r.text, std::size(r.text), text);
        return Keep(parent, static_cast<Hwnd>(FixtureLink::Get().Ask(fx::kTreeView, r)), ThreadOf(parent));
    }

    Hmenu SetMenuBar(Hwnd own, const std::vector<MenuItem>& items) override {
        const HMENU bar = CreateMenu();
        AppendItems(bar, items);
        if (!SetMenu(ToHWND(own), bar)) {
            DestroyMenu(bar);
            return 0;
        }
        return reinterpret_cast<Hmenu>(bar);
    }

    void Block(Thread thread) override { AskOf(fx::kBlock, thread); }
    void Hang(Thread thread) override { AskOf(fx::kHang, thread); }
    void Release(Thread thread) override { AskOf(fx::kRelease, thread); }
    void AnswerSlowly(Hwnd hwnd, std::uint32_t msg) override {
        fx::Request r;
        r.thread = Index(ThreadOf(hwnd));
        r.target = hwnd;
        r.message = msg;
        FixtureLink::Get().Ask(fx::kSlow, r);
    }

private:
    static std::uint32_t Index(Thread thread) { return thread == Thread::OtherFixture ? 1 : 0; }
    Thread ThreadOf(Hwnd hwnd) const {
        const auto it = threads_.find(hwnd);
        return it == threads_.end() ? Thread::Fixture : it->second;
    }
    static fx::Request Placed(Thread thread, Hwnd parent, Rect place) {
        fx::Request r;
        r.thread = Index(thread);
        r.parent = parent;
        r.x = place.left;
        r.y = place.top;
        r.width = place.right - place.left;
        r.height = place.bottom - place.top;
        return r;
    }
    void AskOf(fx::Command command, Thread thread) {
        fx::Request r;
        r.thread = Index(thread);
        FixtureLink::Get().Ask(command, r);
    }
    // Top-level windows are destroyed when the case ends; children go with them.
    Hwnd Keep(Hwnd parent, Hwnd hwnd, Thread thread) {
        if (hwnd == 0) ADD_FAILURE() << "a window was not made";
        threads_[hwnd] = thread;
        if (!parent) made_.emplace_back(hwnd, thread);
        return hwnd;
    }

    Win32Platform platform_;
    const bool wine_ = RunningUnderWine();
    std::map<Hwnd, Thread> threads_;
    std::vector<std::pair<Hwnd, Thread>> made_;
};

std::unique_ptr<World> MakeWin32World() { return std::make_unique<Win32World>(); }

}  // namespace

LUMIVEX_CONTRACT_BACKEND(Win32, &MakeWin32World);

}  // namespace lumivex::contract
