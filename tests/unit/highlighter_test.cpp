// The inverted outline, its clamping to the screen, and the flash run.
#include <gtest/gtest.h>

#include "sim_fixture.h"

namespace lumivex::test {
namespace {

class HighlighterTest : public DesktopTest {
protected:
    Hwnd At(Rect r) {
        WindowSpec s;
        s.rect = r;
        return desk.CreateWindow(s);
    }
    void SetUp() override { desk.SetScreenSize(1920, 1080); }
};

TEST_F(HighlighterTest, OutlineIsDrawnTwiceInNotXorWithAThreePixelBlackPenAndReleased) {
    const Hwnd h = At({10, 20, 110, 70});
    form.SetFlashRect(h);
    ASSERT_EQ(desk.drawn.size(), 2u);
    for (const auto& d : desk.drawn) {
        EXPECT_EQ(d.rect, (Rect{10, 20, 110, 70}));
        EXPECT_EQ(d.rop2, win::R2_NOTXORPEN);
        EXPECT_NE(d.pen, 0u);
    }
    EXPECT_EQ(desk.sleptMs, 400u);
    EXPECT_EQ(desk.openDcs(), 0);
    EXPECT_EQ(desk.liveGdiObjects(), 0);
    EXPECT_EQ(form.FlashRect, (Rect{10, 20, 110, 70}));
}

TEST_F(HighlighterTest, MaximisedWindowIsClampedToTheScreen) {
    form.SetFlashRect(At({-8, -8, 1928, 1048}));
    EXPECT_EQ(form.FlashRect, (Rect{0, 0, 1920, 1048}));
    form.SetFlashRect(At({-8, -8, 1928, 1100}));
    EXPECT_EQ(form.FlashRect, (Rect{0, 0, 1920, 1080}));
}

TEST_F(HighlighterTest, WindowRightOfTheScreenKeepsItsLeftBeyondTheWidth) {
    form.SetFlashRect(At({2000, 10, 2400, 300}));
    EXPECT_EQ(form.FlashRect, (Rect{2000, 10, 1920, 300}));
}

TEST_F(HighlighterTest, ZeroOrVanishedWindowDrawsNothingAndKeepsFlashRect) {
    const Hwnd h = At({1, 2, 3, 4});
    form.SetFlashRect(h);
    desk.drawn.clear();
    desk.DestroyWindow(h);
    form.SetFlashRect(h);
    form.SetFlashRect(0);
    EXPECT_TRUE(desk.drawn.empty());
    EXPECT_EQ(form.FlashRect, (Rect{1, 2, 3, 4}));
}

TEST_F(HighlighterTest, FlashRunOutlinesThreeTimesThenStops) {
    const Hwnd h = At({0, 0, 50, 50});
    form.StartFlashRun(h);
    int ticks = 0;
    while (form.flashTimerOn && ticks < 10) {
        form.FlashTick();
        ++ticks;
    }
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(desk.drawn.size(), 6u);
    EXPECT_EQ(form.FlashCount(), 0);
}

TEST_F(HighlighterTest, RepeatedStartsDuringARunStillGiveThreeOutlines) {
    const Hwnd h = At({0, 0, 50, 50});
    form.StartFlashRun(h);
    form.FlashTick();
    form.StartFlashRun(h);
    form.StartFlashRun(h);
    while (form.flashTimerOn) form.FlashTick();
    EXPECT_EQ(desk.drawn.size(), 6u);
}

TEST_F(HighlighterTest, RunFollowsANewWindowAndStopsWhenItsWindowVanishes) {
    const Hwnd a = At({0, 0, 50, 50});
    const Hwnd b = At({100, 100, 150, 150});
    form.StartFlashRun(a);
    form.FlashTick();
    form.TmpHwnd = b;
    form.FlashTick();
    EXPECT_EQ(desk.drawn.back().rect, (Rect{100, 100, 150, 150}));
    desk.DestroyWindow(b);
    form.FlashTick();
    EXPECT_FALSE(form.flashTimerOn);
    EXPECT_EQ(form.FlashCount(), 0);
    EXPECT_EQ(desk.drawn.size(), 4u);
}

}  // namespace
}  // namespace lumivex::test
