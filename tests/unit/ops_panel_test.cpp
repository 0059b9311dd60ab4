#include <gtest/gtest.h>


#include "ops/window_ops.h"
#include "sim_fixture.h"

namespace lumivex::test {
namespace {

constexpr std::uint32_t kLvsGridLines = 0x1, kLvsFullRowSelect = 0x20;

class OpsPanelTest : public DesktopTest {
protected:
    void SetUp() override {
        desk.AddProcess(1000, "\\Device\\HarddiskVolume1\\app\\dialog.exe");
        desk.AddProcess(3000, "\\Device\\HarddiskVolume1\\app\\other.exe");
        dialog = TopLevel("Dialog", {100, 100, 500, 400});
        list = Child(dialog, "SysListView32", "", {120, 140, 320, 240}, 7);
        desk.Window(list).listViewExStyle = kLvsGridLines;
        edit = Child(dialog, "Edit", "old", {120, 260, 320, 280}, 8);
        other = TopLevel("Other", {600, 100, 800, 300}, 3000);
        form.SnapHwnd = list;
        form.Fill();
        Forget();
    }
    void Forget() { desk.log.Clear(); }
    // Every button of the panel and "修改文本", as the window calls them.
    static std::vector<std::pair<const char*, void (MainForm::*)()>> Buttons() {
        return {{"refresh", &MainForm::Refresh},   {"styles", &MainForm::SetStyles},
                {"size", &MainForm::SetSize},      {"flash", &MainForm::FlashTarget},
                {"text", &MainForm::SetText},      {"close", &MainForm::CloseControl},
                {"end", &MainForm::EndProcess}};
    }

    Hwnd dialog = 0, list = 0, edit = 0, other = 0;
};

TEST_F(OpsPanelTest, TargetIsTheTypedHandleOrTheInspectedWindowWhenBlank) {
    const struct {
        std::string field;
        Hwnd target;
    } rows[] = {
        {"", list},
        {"   ", list},
        {HexText(edit), edit},
        {" " + HexText(other) + " ", other},
        // Read up to the first character that is no hexadecimal digit.
        {HexText(edit) + "G4", edit},
        {"12G4", 0},  // 0x12 names no window
        {"0", 0},
    };
    for (const auto& row : rows) {
        form.texts.tools.handle = row.field;
        EXPECT_EQ(form.OperationHandle(), row.target) << "field \"" << row.field << '"';
    }
    form.texts.tools.handle.clear();
    form.SnapHwnd = 0;
    EXPECT_EQ(form.OperationHandle(), 0u);
}

TEST_F(OpsPanelTest, NoWindowTargetMakesEveryButtonDoNothing) {
    const std::string nowhere = "12G4";  // 0x12, which names no window
    for (const auto& button : Buttons()) {
        SCOPED_TRACE(button.first);
        form.texts.tools.handle = nowhere;
        const MainTexts before = form.texts;
        (form.*button.second)();
        EXPECT_TRUE(desk.log.Changes().empty());
        EXPECT_TRUE(desk.log.Messages().empty());
        EXPECT_FALSE(form.flashTimerOn);
        EXPECT_EQ(form.texts.tools.handle, nowhere);
        EXPECT_EQ(form.texts.title, before.title);
    }
    EXPECT_TRUE(desk.log.Named("TerminateProcess").empty());
}

TEST_F(OpsPanelTest, RefreshFillsTheInspectedWindowAndWritesItsHandleBack) {
    desk.Window(list).text = "renamed";
    form.texts.tools.handle = HexText(other);
    form.Refresh();
    EXPECT_EQ(form.SnapHwnd, list);
    EXPECT_EQ(form.texts.tools.handle, HexText(list));
    EXPECT_EQ(form.texts.title, "renamed");
}

TEST_F(OpsPanelTest, CloseSendsTheSystemMenusCloseThroughTheDoor) {
    form.texts.tools.handle = HexText(edit);
    form.CloseControl();
    ASSERT_EQ(desk.log.Messages().size(), 1u);
    EXPECT_EQ(desk.log.Messages()[0].hwnd, edit);
    EXPECT_EQ(desk.log.Messages()[0].msg, win::WM_SYSCOMMAND);
    EXPECT_EQ(desk.log.Messages()[0].wParam, win::SC_CLOSE);
    EXPECT_EQ(desk.log.Messages()[0].lParam, 0);
    EXPECT_TRUE(desk.log.Messages()[0].withTimeout);
    EXPECT_FALSE(desk.IsWindow(edit));
    EXPECT_TRUE(desk.IsWindow(list));
}

TEST_F(OpsPanelTest, EndProcessEndsOnlyTheTargetsProcessAndClosesItsHandle) {
    form.texts.tools.handle = HexText(other);
    form.EndProcess();
    ASSERT_EQ(desk.log.Count("TerminateProcess"), 1u);
    EXPECT_EQ(desk.log.Named("TerminateProcess")[0].b, 3000);
    EXPECT_FALSE(desk.IsWindow(other));
    EXPECT_TRUE(desk.IsWindow(dialog));
    EXPECT_TRUE(desk.IsWindow(list));
    EXPECT_EQ(desk.openProcessHandles(), 0);
}

TEST_F(OpsPanelTest, EndProcessOfAnUnopenableProcessDoesNothing) {
    desk.Process(3000)->openable = false;
    form.texts.tools.handle = HexText(other);
    form.EndProcess();
    EXPECT_TRUE(desk.log.Named("TerminateProcess").empty());
    EXPECT_TRUE(desk.IsWindow(other));
}

TEST_F(OpsPanelTest, SetStylesWritesStyleThenExtendedStyleThenListViewStyle) {
    form.texts.tools.style = "50010001";
    form.texts.tools.exStyle = "200";
    form.texts.tools.listViewStyle = "21";
    form.SetStyles();
    ASSERT_EQ(desk.log.Names(CallKind::Change), (std::vector<std::string>{"SetWindowLongAsync", "SetWindowLongAsync"}));
    EXPECT_EQ(desk.log.Changes()[0].a, win::GWL_STYLE);
    EXPECT_EQ(desk.log.Changes()[0].b, 0x50010001);
    EXPECT_EQ(desk.log.Changes()[1].a, win::GWL_EXSTYLE);
    EXPECT_EQ(desk.log.Changes()[1].b, 0x200);
    ASSERT_EQ(desk.log.Messages().size(), 1u);
    EXPECT_EQ(desk.log.Messages()[0].msg, win::LVM_SETEXTENDEDLISTVIEWSTYLE);
    EXPECT_EQ(desk.log.Messages()[0].wParam, 0u);  // every bit written
    EXPECT_TRUE(desk.log.Messages()[0].withTimeout);
    EXPECT_EQ(desk.Window(list).style, 0x50010001u);
    EXPECT_EQ(desk.Window(list).exStyle, 0x200u);
    EXPECT_EQ(desk.Window(list).listViewExStyle, kLvsGridLines | kLvsFullRowSelect);
}

TEST_F(OpsPanelTest, SetStylesWithTenDigitsKeepsTheLastEight) {
    form.texts.tools.style = "FF50010001";
    form.SetStyles();
    EXPECT_EQ(desk.Window(list).style, 0x50010001u);
}

TEST_F(OpsPanelTest, EmptyStyleFieldsOfAReadWindowWriteZero) {
    form.texts.tools.style.clear();
    form.texts.tools.exStyle.clear();
    form.texts.tools.listViewStyle.clear();
    form.SetStyles();
    EXPECT_EQ(desk.Window(list).style, 0u);
    EXPECT_EQ(desk.Window(list).exStyle, 0u);
    ASSERT_EQ(desk.log.Messages().size(), 1u);
    EXPECT_EQ(desk.Window(list).listViewExStyle, 0u);
}

TEST_F(OpsPanelTest, ListViewStyleNeverReadIsLeftAloneUnlessTyped) {
    desk.Window(list).hung = true;
    form.Fill();  // a reduced fill: the list-view style is unknown
    ASSERT_EQ(form.texts.tools.listViewStyle, "");
    desk.Window(list).hung = false;
    Forget();
    form.SetStyles();
    EXPECT_EQ(desk.log.Names(CallKind::Change).size(), 2u);
    EXPECT_TRUE(desk.log.Messages().empty());
    EXPECT_EQ(desk.Window(list).listViewExStyle, kLvsGridLines);

    form.texts.tools.listViewStyle = "20";
    form.SetStyles();
    EXPECT_EQ(desk.Window(list).listViewExStyle, kLvsFullRowSelect);
}

TEST_F(OpsPanelTest, SetSizePlacesAChildInItsParentsClientAreaWithoutWaiting) {
    form.texts.tools.handle = HexText(edit);
    const struct {
        const char *left, *top, *width, *height;
        int x, y, cx, cy;
    } rows[] = {
        {"10", "20", "300", "200", 10, 20, 300, 200},
        {"1.5", "2.5", "-", "12abc", 2, 2, 0, 12},
        {"-2.5", "-3.5", "40.6", "7", -2, -4, 41, 7},
    };
    // Where MoveWindow would have put it, on a twin of the edit.
    const Hwnd twin = Child(dialog, "Edit", "", {120, 260, 320, 280}, 9);
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.left) + " " + row.top + " " + row.width + " " + row.height);
        Forget();
        form.texts.tools.left = row.left;
        form.texts.tools.top = row.top;
        form.texts.tools.width = row.width;
        form.texts.tools.height = row.height;
        form.SetSize();
        ASSERT_EQ(desk.log.Names(CallKind::Change), std::vector<std::string>{"SetWindowPos"});
        EXPECT_EQ(desk.log.Changes()[0].hwnd, edit);
        EXPECT_EQ(desk.log.Changes()[0].b, win::SWP_NOZORDER | win::SWP_NOACTIVATE | win::SWP_ASYNCWINDOWPOS);
        desk.MoveWindow(twin, row.x, row.y, row.cx, row.cy, true);
        EXPECT_EQ(desk.Window(edit).rect, desk.Window(twin).rect);
    }
}

TEST_F(OpsPanelTest, SetSizeOfATopLevelWindowIsInScreenCoordinates) {
    form.texts.tools.handle = HexText(other);
    form.texts.tools.left = "10";
    form.texts.tools.top = "20";
    form.texts.tools.width = "300";
    form.texts.tools.height = "200";
    form.SetSize();
    EXPECT_EQ(desk.Window(other).rect, (Rect{10, 20, 310, 220}));
}

TEST_F(OpsPanelTest, FlashStartsARunOnTheTarget) {
    form.texts.tools.handle = HexText(other);
    form.FlashTarget();
    EXPECT_EQ(form.TmpHwnd, other);
    EXPECT_TRUE(form.flashTimerOn);
    EXPECT_EQ(form.SnapHwnd, list);
}

TEST_F(OpsPanelTest, SetTextSendsMultiLineTextInAnyScript) {
    const std::string text = "第一行\r\n사진 😀 ok";
    form.texts.tools.handle = HexText(edit);
    form.texts.tools.text = text;
    form.SetText();
    ASSERT_EQ(desk.log.Messages().size(), 1u);
    EXPECT_EQ(desk.log.Messages()[0].msg, win::WM_SETTEXT);
    EXPECT_TRUE(desk.log.Messages()[0].withTimeout);
    EXPECT_EQ(desk.Window(edit).text, text);
}

TEST_F(OpsPanelTest, SetTextOfAHungWindowSendsNothing) {
    desk.Window(edit).hung = true;
    form.texts.tools.handle = HexText(edit);
    form.texts.tools.text = "new";
    form.SetText();
    EXPECT_TRUE(desk.log.Messages().empty());
    EXPECT_EQ(desk.Window(edit).text, "old");
}

// Hung (answers nothing), busy (answers after 5 s, before the system calls
// it hung) and hanging right after the hung test: no button waits for it.
TEST_F(OpsPanelTest, UnresponsiveTargetsNeverBlockAnyButton) {
    const struct {
        const char* name;
        bool hung;
        std::uint32_t answersAfterMs;
        bool hangsAfterHungTest;
    } kinds[] = {{"hung", true, 0, false}, {"busy", false, 5000, false}, {"hangs after test", false, 0, true}};
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.name);
        const Hwnd target = TopLevel("Busy", {50, 50, 250, 250}, 3000);
        sim::SimWindow& w = desk.Window(target);
        w.hung = kind.hung;
        desk.busyThreads[w.threadId] = kind.answersAfterMs;
        w.hangsAfterHungTest = kind.hangsAfterHungTest;
        form.texts.tools.handle = HexText(target);
        form.texts.tools.text = "x";
        desk.blockingCallsToUnresponsive = 0;
        desk.waitedMs = 0;
        Forget();
        for (const auto& button : Buttons()) {
            if (std::string(button.first) == "end") continue;  // would end the round
            (form.*button.second)();
        }
        EXPECT_EQ(desk.blockingCallsToUnresponsive, 0);
        for (const auto& m : desk.log.Messages()) EXPECT_TRUE(m.withTimeout);
        // Each message waited at most the panel's short time-out.
        EXPECT_LE(desk.waitedMs, kActionTimeoutMs * desk.log.Messages().size());
        if (desk.IsWindow(target)) desk.DestroyWindow(target);
    }
}

}  // namespace
}  // namespace lumivex::test
