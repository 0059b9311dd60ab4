// Choosing the window under the pointer, the drag and the delayed read.
#include <gtest/gtest.h>

#include "app/finder.h"
#include "sim_fixture.h"

namespace lumivex::test {
namespace {

class FinderTest : public DesktopTest {
protected:
    Hwnd dialog = 0, group = 0, disabled = 0, plain = 0, panel = 0, inner = 0;

    void SetUp() override {
        dialog = TopLevel("Finder", {0, 0, 600, 400});
        // Children in Z order, top first: plain, group, panel; the disabled
        // button comes last, lowest, but lies inside the group box.
        plain = Child(dialog, "Button", "plain", {400, 20, 480, 44}, 1);
        WindowSpec g;
        g.className = "Button";
        g.text = "group";
        g.style = kWsChildVisible | 0x7;  // BS_GROUPBOX
        g.rect = {20, 20, 300, 200};
        g.parent = dialog;
        group = desk.CreateWindow(g);
        panel = Child(dialog, "Static", "panel", {320, 100, 580, 380}, 3);
        inner = Child(panel, "Button", "inner", {330, 110, 400, 140}, 4);
        disabled = Child(dialog, "Button", "off", {40, 60, 140, 90}, 2, kWsChildVisible | win::WS_DISABLED);
    }
};

TEST_F(FinderTest, DisabledButtonInsideAGroupBoxIsFound) {
    desk.SetCursor({60, 70});
    EXPECT_EQ(form.GetMouseHwnd(), disabled);
}

TEST_F(FinderTest, HiddenControlInsideAGroupBoxIsFound) {
    desk.Window(disabled).style = win::WS_CHILD;  // hidden, enabled
    desk.SetCursor({60, 70});
    EXPECT_EQ(form.GetMouseHwnd(), disabled);
}

TEST_F(FinderTest, ControlWithoutSmallerSiblingIsItself) {
    desk.SetCursor({410, 30});
    EXPECT_EQ(form.GetMouseHwnd(), plain);
}

TEST_F(FinderTest, TopLevelWindowLooksAtItsFirstChildOnly) {
    // WindowFromPoint passes over the disabled first child and yields the
    // dialog; the walk then finds the child under the point.
    desk.Window(plain).style |= win::WS_DISABLED;
    desk.SetCursor({410, 30});
    EXPECT_EQ(desk.WindowFromPoint({410, 30}), dialog);
    EXPECT_EQ(form.GetMouseHwnd(), plain);
}

TEST_F(FinderTest, TopLevelWindowAreaOutsideItsChildrenIsTheWindowItself) {
    desk.SetCursor({200, 300});
    EXPECT_EQ(form.GetMouseHwnd(), dialog);
}

TEST_F(FinderTest, SeeThroughControlOfOurOwnThreadYieldsTheWindowBelow) {
    // A group box of the calling thread answers HTTRANSPARENT: the dialog is
    // found, and one level down the first child under the point, the group.
    desk.Window(group).transparentHit = true;
    desk.SetCursor({200, 150});
    EXPECT_EQ(desk.WindowFromPoint({200, 150}), dialog);
    EXPECT_EQ(form.GetMouseHwnd(), group);
}

TEST_F(FinderTest, OnlyOneLevelIsDescended) {
    desk.SetCursor({500, 300});
    EXPECT_EQ(form.GetMouseHwnd(), panel);
    desk.SetCursor({350, 120});
    EXPECT_EQ(form.GetMouseHwnd(), inner);
}

TEST_F(FinderTest, EmptyDesktopAreaIsTheDesktopWindow) {
    desk.SetCursor({900, 700});
    EXPECT_EQ(form.GetMouseHwnd(), SimDesktop::kDesktop);
}

TEST_F(FinderTest, SiblingChainThatLoopsDoesNotHang) {
    // A hostile answer: the group box claims the dialog's first child is
    // above it, forever.
    struct Looping : SimDesktop {
        Hwnd a = 0, b = 0;
        Hwnd GetWindow(Hwnd h, std::uint32_t cmd) override {
            if (cmd == win::GW_HWNDPREV && (h == a || h == b)) return h == a ? b : a;
            return SimDesktop::GetWindow(h, cmd);
        }
    } looping;
    Session s;
    MainForm f(looping, s);
    WindowSpec top;
    top.style = win::WS_VISIBLE;
    top.rect = {0, 0, 100, 100};
    const Hwnd t = looping.CreateWindow(top);
    WindowSpec c;
    c.style = kWsChildVisible;
    c.parent = t;
    c.rect = {10, 10, 50, 50};
    looping.a = looping.CreateWindow(c);
    c.rect = {60, 60, 90, 90};
    looping.b = looping.CreateWindow(c);
    looping.SetCursor({20, 20});
    EXPECT_EQ(f.GetMouseHwnd(), looping.a);
}

TEST(IsTopLevelWindow, FalseOnlyForAChildWithAParent) {
    SimDesktop desk;
    WindowSpec s;
    s.style = win::WS_VISIBLE;
    const Hwnd top = desk.CreateWindow(s);
    s.style = win::WS_POPUP | win::WS_CHILD;
    const Hwnd popupChild = desk.CreateWindow(s);
    s.style = win::WS_CHILD;
    const Hwnd orphan = desk.CreateWindow(s);
    s.parent = top;
    const Hwnd child = desk.CreateWindow(s);
    EXPECT_TRUE(IsTopLevelWindow(desk, top));
    EXPECT_TRUE(IsTopLevelWindow(desk, popupChild));
    EXPECT_TRUE(IsTopLevelWindow(desk, orphan));
    EXPECT_FALSE(IsTopLevelWindow(desk, child));
}

TEST_F(FinderTest, DragClearsOutlinesEachTickAndFillsTheLastWindowFound) {
    form.texts.TitleText = "previous";
    form.picShot_MouseDown();
    EXPECT_EQ(form.texts.TitleText, "");
    EXPECT_TRUE(form.tmrEnabled);
    EXPECT_TRUE(form.IsDragging());
    EXPECT_TRUE(form.dragCursor);
    EXPECT_FALSE(form.label5Visible);
    EXPECT_EQ(form.finderPicture, FinderPicture::Image2Dragging);

    desk.SetCursor({410, 30});
    form.tmr_Timer();
    EXPECT_EQ(form.SnapHwnd, plain);
    desk.SetCursor({60, 70});
    form.tmr_Timer();
    EXPECT_EQ(form.SnapHwnd, disabled);
    ASSERT_EQ(desk.frames.size(), 2u);  // one outline per tick, round the window found
    EXPECT_EQ(desk.frames[0].rect, (Rect{400, 20, 480, 44}));
    EXPECT_EQ(desk.frames[1].rect, (Rect{40, 60, 140, 90}));
    EXPECT_EQ(desk.visibleFrames(), 0);

    desk.SetCursor({410, 30});  // moved after the last tick: not looked at again
    form.picShot_MouseUp();
    EXPECT_FALSE(form.tmrEnabled);
    EXPECT_FALSE(form.IsDragging());
    EXPECT_FALSE(form.dragCursor);
    EXPECT_EQ(form.finderPicture, FinderPicture::Image3AtRest);
    EXPECT_EQ(form.texts.TitleText, "off");
    EXPECT_EQ(desk.capture(), 0u);
}

TEST_F(FinderTest, ReleaseBeforeTheFirstTickFillsNothingWhenNothingWasInspected) {
    form.picShotHwnd = plain;
    form.picShot_MouseDown();
    EXPECT_EQ(desk.capture(), plain);
    form.picShot_MouseUp();
    EXPECT_EQ(form.texts.hWndText, "");
    EXPECT_TRUE(desk.sent.empty());
    EXPECT_EQ(desk.capture(), 0u);
}

TEST_F(FinderTest, ReleaseBeforeTheFirstTickFillsThePreviousWindowAgain) {
    form.SnapHwnd = plain;
    form.picShot_MouseDown();
    form.picShot_MouseUp();
    EXPECT_EQ(form.texts.TitleText, "plain");
}

TEST(CountdownTitle, ShowsCountPositionAndCursor) {
    EXPECT_EQ(CountdownTitle(10, {0x10003, 640, -12}),
              "获取数据 10 - 【鼠标 X: 640, Y: -12, 光标: 0x10003】");
    EXPECT_EQ(CountdownTitle(0, {0xABCDEF, 0, 0}), "获取数据 0 - 【鼠标 X: 0, Y: 0, 光标: 0xABCDEF】");
}

TEST_F(FinderTest, DelayedReadCountsTenToZeroThenFillsOnce) {
    desk.SetCursor({410, 30}, 0x1F);
    form.SleepButton_Click();
    EXPECT_TRUE(form.timer2Enabled);
    std::vector<std::string> shown;
    for (int tick = 0; tick < 11; ++tick) {
        ASSERT_TRUE(form.timer2Enabled) << "tick " << tick;
        form.Timer2_Timer();
        if (form.timer2Enabled) shown.push_back(form.caption);
        EXPECT_EQ(form.TmpHwnd, plain);
    }
    EXPECT_FALSE(form.timer2Enabled);
    ASSERT_EQ(shown.size(), 10u);
    EXPECT_EQ(shown.front(), "获取数据 10 - 【鼠标 X: 410, Y: 30, 光标: 0x1F】");
    EXPECT_EQ(shown.back(), "获取数据 1 - 【鼠标 X: 410, Y: 30, 光标: 0x1F】");
    EXPECT_EQ(form.caption, "Lumivex V3.1");
    EXPECT_EQ(form.SnapHwnd, plain);
    EXPECT_EQ(form.texts.TitleText, "plain");
    EXPECT_EQ(form.DelayCount(), 0);
    EXPECT_EQ(desk.frames.size(), 11u);  // one outline per tick
}

TEST_F(FinderTest, SecondClickDuringTheCountDoesNotRestartIt) {
    form.SleepButton_Click();
    for (int tick = 0; tick < 5; ++tick) form.Timer2_Timer();
    form.SleepButton_Click();
    int more = 0;
    while (form.timer2Enabled && more < 20) {
        form.Timer2_Timer();
        ++more;
    }
    EXPECT_EQ(more, 6);
}

}  // namespace
}  // namespace lumivex::test
