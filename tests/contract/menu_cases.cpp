// Menu queries on a window of the program's own, as the menu reader makes
// them. (Under Wine the menus of another process cannot be read at all; the
// simulated desktop stands in for them in the unit tests.)
#include "contract_win.h"
#include "platform/utf16.h"
#include "world.h"

namespace lumivex::contract {

TEST_P(Menus, BarSubmenusStatesAndTexts) {
    const Hwnd own = Frame({100, 100, 400, 300}, Thread::Own);
    const Hmenu bar = world().SetMenuBar(
        own, {{"文件(&F)", 0, 0,
               {{"打开", 101, 0, {}}, {"", 0, win::MF_SEPARATOR, {}}, {"退出", 102, win::MF_GRAYED, {}}}},
              {"关于", 103, win32::MF_CHECKED, {}}});
    ASSERT_NE(bar, 0u);
    EXPECT_EQ(p().GetMenu(own), bar);
    EXPECT_EQ(p().GetMenuItemCount(bar), 2);
    const Hmenu file = p().GetSubMenu(bar, 0);
    ASSERT_NE(file, 0u);
    EXPECT_EQ(p().GetSubMenu(bar, 1), 0u) << "a command has no submenu";
    EXPECT_EQ(p().GetMenuItemCount(file), 3);
    EXPECT_EQ(p().GetMenuItemID(bar, 0), win32::kNoMenuItem) << "a submenu's item";
    EXPECT_EQ(p().GetMenuItemID(file, 0), 101u);

    const auto fileId = static_cast<std::uint32_t>(file);
    constexpr std::uint32_t kPopupOfThree = (3u << 8) | win::MF_POPUP;  // its item count in the high byte
    const struct {
        const char* what;
        Hmenu menu;
        std::uint32_t id, flags, state;
    } states[] = {
        {"a submenu's item", bar, 0, win::MF_BYPOSITION, kPopupOfThree},
        {"the same by its handle", bar, fileId, win::MF_BYCOMMAND, kPopupOfThree},
        {"a separator", file, 1, win::MF_BYPOSITION, win::MF_SEPARATOR | win::MF_GRAYED | win::MF_DISABLED},
        {"a command inside a submenu", bar, 102, win::MF_BYCOMMAND, win::MF_GRAYED},
        {"a ticked command", bar, 103, win::MF_BYCOMMAND, win32::MF_CHECKED},
        {"no such command", bar, 999, win::MF_BYCOMMAND, win32::kNoMenuItem},
    };
    for (const auto& row : states) EXPECT_EQ(p().GetMenuState(row.menu, row.id, row.flags), row.state) << row.what;

    const struct {
        const char* what;
        Hmenu menu;
        std::uint32_t id, flags;
        int room;
        int count;
        std::string text;
    } texts[] = {
        {"a submenu's item", bar, 0, win::MF_BYPOSITION, 32, 6, "文件(&F)"},
        {"a command inside a submenu", bar, 101, win::MF_BYCOMMAND, 32, 2, "打开"},
        {"a separator", file, 1, win::MF_BYPOSITION, 32, 0, ""},
        {"cut to the room, a NUL after", file, 0, win::MF_BYPOSITION, 2, 1, "打"},
    };
    for (const auto& row : texts) {
        char16_t buffer[32] = {};
        const int count = p().GetMenuStringW(row.menu, row.id, buffer, row.room, row.flags);
        EXPECT_EQ(count, row.count) << row.what;
        EXPECT_EQ(Utf16ToUtf8(buffer), row.text) << row.what;
    }
}

}  // namespace lumivex::contract
