// Choosing the window under the pointer, the drag and the delayed read.
#include <gtest/gtest.h>

#include <stdexcept>

#include "capture/window_under_pointer.h"
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
    EXPECT_EQ(GetMouseHwnd(desk), disabled);
}

TEST_F(FinderTest, HiddenControlInsideAGroupBoxIsFound) {
    desk.Window(disabled).style = win::WS_CHILD;  // hidden, enabled
    desk.SetCursor({60, 70});
    EXPECT_EQ(GetMouseHwnd(desk), disabled);
}

TEST_F(FinderTest, ControlWithoutSmallerSiblingIsItself) {
    desk.SetCursor({410, 30});
    EXPECT_EQ(GetMouseHwnd(desk), plain);
}

TEST_F(FinderTest, TopLevelWindowLooksAtItsFirstChildOnly) {
    // WindowFromPoint passes over the disabled first child and yields the
    // dialog; the walk then finds the child under the point.
    desk.Window(plain).style |= win::WS_DISABLED;
    desk.SetCursor({410, 30});
    EXPECT_EQ(desk.WindowFromPoint({410, 30}), dialog);
    EXPECT_EQ(GetMouseHwnd(desk), plain);
}

TEST_F(FinderTest, TopLevelWindowAreaOutsideItsChildrenIsTheWindowItself) {
    desk.SetCursor({200, 300});
    EXPECT_EQ(GetMouseHwnd(desk), dialog);
}

TEST_F(FinderTest, SeeThroughControlOfOurOwnThreadYieldsTheWindowBelow) {
    // A group box of the calling thread answers HTTRANSPARENT: the dialog is
    // found, and one level down the first child under the point, the group.
    desk.Window(group).transparentHit = true;
    desk.callerThreadId = desk.Window(group).threadId;
    desk.SetCursor({200, 150});
    EXPECT_EQ(desk.WindowFromPoint({200, 150}), dialog);
    EXPECT_EQ(GetMouseHwnd(desk), group);
}

TEST_F(FinderTest, OnlyOneLevelIsDescended) {
    desk.SetCursor({500, 300});
    EXPECT_EQ(GetMouseHwnd(desk), panel);
    desk.SetCursor({350, 120});
    EXPECT_EQ(GetMouseHwnd(desk), inner);
}

TEST_F(FinderTest, EmptyDesktopAreaIsTheDesktopWindow) {
    desk.SetCursor({900, 700});
    EXPECT_EQ(GetMouseHwnd(desk), SimDesktop::kDesktop);
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
    EXPECT_EQ(GetMouseHwnd(looping), looping.a);
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
    form.texts.title = "previous";
    form.PressFinder();
    EXPECT_EQ(form.texts.title, "");
    EXPECT_TRUE(form.dragTimerOn);
    EXPECT_TRUE(form.IsDragging());
    EXPECT_TRUE(form.dragCursor);
    EXPECT_FALSE(form.goToLinkVisible);
    EXPECT_EQ(form.finderPicture, FinderPicture::Dragging);

    desk.SetCursor({410, 30});
    form.DragTick();
    EXPECT_EQ(form.SnapHwnd, plain);
    desk.SetCursor({60, 70});
    form.DragTick();
    EXPECT_EQ(form.SnapHwnd, disabled);
    ASSERT_EQ(desk.frames.size(), 2u);  // one outline per tick, round the window found
    EXPECT_EQ(desk.frames[0].rect, (Rect{400, 20, 480, 44}));
    EXPECT_EQ(desk.frames[1].rect, (Rect{40, 60, 140, 90}));
    EXPECT_EQ(desk.visibleFrames(), 0);

    desk.SetCursor({410, 30});  // moved after the last tick: not looked at again
    form.ReleaseFinder();
    EXPECT_FALSE(form.dragTimerOn);
    EXPECT_FALSE(form.IsDragging());
    EXPECT_FALSE(form.dragCursor);
    EXPECT_EQ(form.finderPicture, FinderPicture::AtRest);
    EXPECT_EQ(form.texts.title, "off");
    EXPECT_EQ(desk.capture(), 0u);
}

TEST_F(FinderTest, ReleaseBeforeTheFirstTickFillsNothingWhenNothingWasInspected) {
    form.finderHwnd = plain;
    form.PressFinder();
    EXPECT_EQ(desk.capture(), plain);
    form.ReleaseFinder();
    EXPECT_EQ(form.texts.handle, "");
    EXPECT_TRUE(desk.log.Messages().empty());
    EXPECT_EQ(desk.capture(), 0u);
}

TEST_F(FinderTest, ReleaseBeforeTheFirstTickFillsThePreviousWindowAgain) {
    form.SnapHwnd = plain;
    form.PressFinder();
    form.ReleaseFinder();
    EXPECT_EQ(form.texts.title, "plain");
}

TEST(CountdownTitle, ShowsCountPositionAndCursor) {
    EXPECT_EQ(CountdownTitle(10, {0x10003, 640, -12}),
              "获取数据 10 - 【鼠标 X: 640, Y: -12, 光标: 0x10003】");
    EXPECT_EQ(CountdownTitle(0, {0xABCDEF, 0, 0}), "获取数据 0 - 【鼠标 X: 0, Y: 0, 光标: 0xABCDEF】");
}

TEST_F(FinderTest, DelayedReadCountsTenToZeroThenFillsOnce) {
    desk.SetCursor({410, 30}, 0x1F);
    form.StartDelayedRead();
    EXPECT_TRUE(form.delayedReadTimerOn);
    std::vector<std::string> shown;
    for (int tick = 0; tick < 11; ++tick) {
        ASSERT_TRUE(form.delayedReadTimerOn) << "tick " << tick;
        form.DelayedReadTick();
        if (form.delayedReadTimerOn) shown.push_back(form.caption);
        EXPECT_EQ(form.TmpHwnd, plain);
    }
    EXPECT_FALSE(form.delayedReadTimerOn);
    ASSERT_EQ(shown.size(), 10u);
    EXPECT_EQ(shown.front(), "获取数据 10 - 【鼠标 X: 410, Y: 30, 光标: 0x1F】");
    EXPECT_EQ(shown.back(), "获取数据 1 - 【鼠标 X: 410, Y: 30, 光标: 0x1F】");
    EXPECT_EQ(form.caption, "Lumivex V3.1");
    EXPECT_EQ(form.SnapHwnd, plain);
    EXPECT_EQ(form.texts.title, "plain");
    EXPECT_EQ(form.DelayCount(), 0);
    EXPECT_EQ(desk.frames.size(), 11u);  // one outline per tick
}

TEST_F(FinderTest, EachCountIsOnTheScreenWhileItsOutlineHoldsTheThreadTheLastZeroToo) {
    desk.SetCursor({410, 30}, 0x1F);
    std::vector<std::string> onScreen;
    form.showNow = [&] { onScreen.push_back(form.caption); };
    form.StartDelayedRead();
    for (int tick = 0; tick < 11; ++tick) {
        const std::size_t outlinesBefore = desk.frames.size();
        form.DelayedReadTick();
        // Shown before the tick's outline was drawn, not after it.
        ASSERT_EQ(onScreen.size(), static_cast<std::size_t>(tick + 1));
        EXPECT_EQ(desk.frames.size(), outlinesBefore + 1);
    }
    EXPECT_EQ(onScreen.front(), "获取数据 10 - 【鼠标 X: 410, Y: 30, 光标: 0x1F】");
    EXPECT_EQ(onScreen.back(), "获取数据 0 - 【鼠标 X: 410, Y: 30, 光标: 0x1F】");
    EXPECT_EQ(form.caption, "Lumivex V3.1");
}

TEST_F(FinderTest, LosingTheCaptureEndsTheDragWithoutChoosingAnything) {
    form.finderHwnd = plain;
    form.PressFinder();
    desk.SetCursor({410, 30});
    form.DragTick();
    form.LoseFinderCapture();
    EXPECT_FALSE(form.dragTimerOn);
    EXPECT_FALSE(form.IsDragging());
    EXPECT_FALSE(form.dragCursor);
    EXPECT_EQ(form.finderPicture, FinderPicture::AtRest);
    EXPECT_EQ(form.texts.title, "");
    // The button's release that follows finds no drag: nothing is filled.
    form.ReleaseFinder();
    EXPECT_EQ(form.texts.title, "");
}

TEST_F(FinderTest, AFillThatThrowsStillReleasesTheCapture) {
    form.finderHwnd = dialog;
    desk.Window(plain).hook = [](sim::SimWindow&, std::uint32_t, Wparam, Lparam) -> std::optional<Lresult> {
        throw std::runtime_error("hostile answer");
    };
    form.PressFinder();
    desk.SetCursor({410, 30});
    form.DragTick();
    ASSERT_EQ(desk.capture(), dialog);
    EXPECT_THROW(form.ReleaseFinder(), std::runtime_error);
    EXPECT_EQ(desk.capture(), 0u);
    EXPECT_FALSE(form.IsDragging());
}

TEST_F(FinderTest, SecondClickDuringTheCountDoesNotRestartIt) {
    form.StartDelayedRead();
    for (int tick = 0; tick < 5; ++tick) form.DelayedReadTick();
    form.StartDelayedRead();
    int more = 0;
    while (form.delayedReadTimerOn && more < 20) {
        form.DelayedReadTick();
        ++more;
    }
    EXPECT_EQ(more, 6);
}

}  // namespace
}  // namespace lumivex::test
