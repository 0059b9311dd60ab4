#include <cstring>

#include "info/tools_readings.h"
#include "sim_fixture.h"

namespace lumivex::test {
namespace {

class ToolsReadingsTest : public DesktopTest {
protected:
    // A dialog at (100,100) with a 3-pixel frame and a 26-pixel caption and
    // top frame around a 200 x 200 client area.
    Hwnd dialog = 0;
    void SetUp() override {
        dialog = TopLevel("对话框", {100, 100, 306, 329});
        desk.Window(dialog).client = {0, 0, 200, 200};
    }
    void AnswerWith(Hwnd h, std::uint32_t message, Lresult answer) {
        desk.Window(h).hook = [=](sim::SimWindow&, std::uint32_t msg, Wparam, Lparam) -> std::optional<Lresult> {
            if (msg == message) return answer;
            return std::nullopt;
        };
    }
};

TEST_F(ToolsReadingsTest, PositionIsRelativeToTheParentsClientArea) {
    const Hwnd button = Child(dialog, "Button", "OK", {113, 146, 163, 166});
    const WndPos pos = GetWndPos(desk, button);
    EXPECT_EQ(pos.left, 10);
    EXPECT_EQ(pos.top, 20);
    EXPECT_EQ(pos.width, 50);
    EXPECT_EQ(pos.height, 20);
}

TEST_F(ToolsReadingsTest, HalfAFrameRoundsToEven) {
    // The horizontal frame difference decides the border: 5 → 2, 3 → 2, 7 → 4.
    const std::pair<int, int> cases[] = {{5, 2}, {3, 2}, {7, 4}, {6, 3}, {1, 0}};
    for (const auto& [difference, border] : cases) {
        SCOPED_TRACE(difference);
        desk.Window(dialog).client = {0, 0, 206 - difference, 200};
        const Hwnd child = Child(dialog, "Static", "", {150, 150, 160, 160});
        EXPECT_EQ(GetWndPos(desk, child).left, 50 - border);
        // The caption takes all extra height above the border.
        EXPECT_EQ(GetWndPos(desk, child).top, 50 - (29 - border));
        desk.DestroyWindow(child);
    }
}

TEST_F(ToolsReadingsTest, WindowWithoutParentGivesItsScreenPlace) {
    const WndPos pos = GetWndPos(desk, dialog);
    EXPECT_EQ(pos.left, 100);
    EXPECT_EQ(pos.top, 100);
    EXPECT_EQ(pos.width, 206);
    EXPECT_EQ(pos.height, 229);

    const WndPos none = GetWndPos(desk, 0x7FFF0000);
    EXPECT_EQ(none.left, 0);
    EXPECT_EQ(none.top, 0);
    EXPECT_EQ(none.width, 0);
    EXPECT_EQ(none.height, 0);
}

TEST_F(ToolsReadingsTest, OwnedPopupIsPlacedRelativeToItsOwner) {
    WindowSpec s;
    s.style = win::WS_POPUP | win::WS_VISIBLE;
    s.owner = dialog;
    s.rect = {153, 176, 253, 226};
    const WndPos pos = GetWndPos(desk, desk.CreateWindow(s));
    EXPECT_EQ(pos.left, 50);
    EXPECT_EQ(pos.top, 50);
    EXPECT_EQ(pos.width, 100);
    EXPECT_EQ(pos.height, 50);
}

TEST_F(ToolsReadingsTest, HostileRectanglesDoNotOverflow) {
    desk.Window(dialog).rect = {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    desk.Window(dialog).client = {0, 0, 0, 0};
    const Hwnd child = Child(dialog, "Static", "", {0, 0, 10, 10});
    desk.Window(child).rect = {INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    const WndPos pos = GetWndPos(desk, child);
    EXPECT_EQ(pos.width, 1);  // 32-bit wrap of -4294967295, not undefined behaviour
    // (2^32 - 1) - 2^31: the border of 2^31 - 0.5 rounds to the even 2^31.
    EXPECT_EQ(pos.left, INT32_MAX);
}

TEST_F(ToolsReadingsTest, TextIsCutToTheLimit) {
    const Hwnd edit = Child(dialog, "Edit", "abcdefghij", {110, 130, 200, 150});
    EXPECT_EQ(GetWndText(desk, edit, 4), "abcd");
    EXPECT_EQ(GetWndText(desk, edit, 10), "abcdefghij");
    EXPECT_EQ(GetWndText(desk, edit, 1000), "abcdefghij");
    // The window is told the size of the buffer it writes into.
    desk.log.Clear();
    GetWndText(desk, edit, 4);
    ASSERT_EQ(desk.log.Messages().size(), 2u);
    EXPECT_EQ(desk.log.Messages()[0].msg, win::WM_GETTEXTLENGTH);
    EXPECT_EQ(desk.log.Messages()[1].msg, win::WM_GETTEXT);
    EXPECT_EQ(desk.log.Messages()[1].wParam, 5u);
    EXPECT_TRUE(desk.log.Messages()[0].withTimeout && desk.log.Messages()[1].withTimeout);
}

TEST_F(ToolsReadingsTest, TextInAnyScriptArrivesWhole) {
    const Hwnd edit = Child(dialog, "Edit", "第一行\r\n사진 € ✓ 😀", {110, 130, 200, 150});
    EXPECT_EQ(GetWndText(desk, edit, kToolsTextLimit), "第一行\r\n사진 € ✓ 😀");
}

TEST_F(ToolsReadingsTest, WindowThatFillsTheWholeBufferGetsNoMoreThanTheLimit) {
    const Hwnd edit = Child(dialog, "Edit", "", {110, 130, 200, 150});
    desk.Window(edit).hook = [](sim::SimWindow&, std::uint32_t msg, Wparam w, Lparam l) -> std::optional<Lresult> {
        if (msg == win::WM_GETTEXTLENGTH) return 100;
        if (msg == win::WM_GETTEXT) {
            std::fill_n(reinterpret_cast<char16_t*>(l), w, u'x');  // every unit, no NUL
            return static_cast<Lresult>(w);
        }
        return std::nullopt;
    };
    EXPECT_EQ(GetWndText(desk, edit, 8), std::string(8, 'x'));
}

TEST_F(ToolsReadingsTest, LengthsThatLieAreNotBelieved) {
    const Hwnd edit = Child(dialog, "Edit", "short", {110, 130, 200, 150});
    AnswerWith(edit, win::WM_GETTEXTLENGTH, -5);
    EXPECT_EQ(GetWndText(desk, edit, 100), "");
    // Two gigabytes announced: the buffer is the limit's, the text what came.
    AnswerWith(edit, win::WM_GETTEXTLENGTH, 0x7FFFFFFF);
    EXPECT_EQ(GetWndText(desk, edit, 1024), "short");
}

TEST_F(ToolsReadingsTest, EmptyTextIsEmpty) {
    const Hwnd edit = Child(dialog, "Edit", "", {110, 130, 200, 150});
    EXPECT_EQ(GetWndText(desk, edit, kToolsTextLimit), "");
    EXPECT_EQ(GetWndText(desk, 0, kToolsTextLimit), "");
    EXPECT_EQ(GetWndText(desk, 0x7FFF0000, kToolsTextLimit), "");
}

TEST_F(ToolsReadingsTest, HungWindowIsSentNothing) {
    const Hwnd edit = Child(dialog, "Edit", "text", {110, 130, 200, 150});
    desk.Window(edit).hung = true;
    desk.log.Clear();
    EXPECT_EQ(GetWndText(desk, edit, kToolsTextLimit), "(未响应)");
    EXPECT_TRUE(desk.log.Messages().empty());
}

TEST_F(ToolsReadingsTest, WindowThatStopsAnsweringMidwayIsNotResponding) {
    const Hwnd edit = Child(dialog, "Edit", "text", {110, 130, 200, 150});
    desk.Window(edit).hook = [](sim::SimWindow& self, std::uint32_t msg, Wparam, Lparam) -> std::optional<Lresult> {
        if (msg == win::WM_GETTEXTLENGTH) self.hung = true;  // answers this one, then no more
        return std::nullopt;
    };
    EXPECT_EQ(GetWndText(desk, edit, kToolsTextLimit), "(未响应)");
    EXPECT_EQ(desk.blockingCallsToUnresponsive, 0);
}

TEST_F(ToolsReadingsTest, StylesIncludeTheListViewStyleUnlessNotAnswered) {
    const Hwnd list = Child(dialog, "SysListView32", "", {110, 130, 200, 150}, 0,
                            kWsChildVisible | 0x0001);
    desk.Window(list).exStyle = 0x200;
    desk.Window(list).listViewExStyle = 0x31;
    WndStyles styles = GetWndStyles(desk, list);
    EXPECT_EQ(styles.style, kWsChildVisible | 0x0001);
    EXPECT_EQ(styles.exStyle, 0x200u);
    EXPECT_EQ(styles.listViewExStyle, std::optional<std::uint32_t>(0x31));

    desk.Window(list).hung = true;
    desk.log.Clear();
    styles = GetWndStyles(desk, list);
    EXPECT_EQ(styles.style, kWsChildVisible | 0x0001);
    EXPECT_FALSE(styles.listViewExStyle.has_value());
    EXPECT_TRUE(desk.log.Messages().empty());

    const WndStyles none = GetWndStyles(desk, 0);
    EXPECT_EQ(none.style, 0u);
    EXPECT_EQ(none.exStyle, 0u);
    EXPECT_EQ(none.listViewExStyle, std::optional<std::uint32_t>(0));
}

}  // namespace
}  // namespace lumivex::test
