#include "contract_win.h"
#include "platform/utf16.h"
#include "world.h"

namespace lumivex::contract {

Hwnd ContractTest::Frame(Rect screen, Thread thread) {
    WindowDesc desc;
    desc.kind = Kind::Frame;
    desc.style = win::WS_VISIBLE | win::WS_CAPTION | win32::WS_SYSMENU;
    desc.place = screen;
    desc.thread = thread;
    return world().Create(desc);
}

Hwnd ContractTest::Child(Hwnd parent, Rect place, Kind kind, std::uint32_t style) {
    WindowDesc desc;
    desc.kind = kind;
    desc.style = style;
    desc.place = place;
    desc.parent = parent;
    return world().Create(desc);
}

Rect ContractTest::WindowRect(Hwnd hwnd) {
    Rect r;
    EXPECT_TRUE(p().GetWindowRect(hwnd, r)) << hwnd;
    return r;
}

Rect ContractTest::ClientRect(Hwnd hwnd) {
    Rect r;
    EXPECT_TRUE(p().GetClientRect(hwnd, r)) << hwnd;
    return r;
}

std::string ContractTest::Text(Hwnd hwnd) {
    char16_t buffer[256] = {};
    const int n = p().GetWindowTextW(hwnd, buffer, 256);
    return Utf16ToUtf8(std::u16string_view(buffer, static_cast<std::size_t>(n > 0 ? n : 0)));
}

}  // namespace lumivex::contract
