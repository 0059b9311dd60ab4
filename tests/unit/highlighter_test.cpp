// The inverted outline, its clamping to the screen, and the flash run.
#include <gtest/gtest.h>

#include "sim_fixture.h"

namespace lumivex::test {
namespace {

using sim::ShownFrame;

class HighlighterTest : public DesktopTest {
protected:
    Hwnd At(Rect r) {
        WindowSpec s;
        s.rect = r;
        return desk.CreateWindow(s);
    }
    void SetUp() override { desk.SetScreenSize(1920, 1080); }

    // The frames visible at each Sleep, and what the Sleep waited.
    struct Wait {
        std::uint32_t ms;
        std::vector<ShownFrame> visible;
    };
    std::vector<Wait> waits;
    void RecordWaits() {
        desk.onSleep = [this](std::uint32_t ms) {
            Wait w{ms, {}};
            for (const ShownFrame& f : desk.frames)
                if (f.visible) w.visible.push_back(f);
            waits.push_back(w);
        };
    }
};

TEST_F(HighlighterTest, FrameOfThreePixelsIsShownForTheWholeWaitAndGoneAfter) {
    RecordWaits();
    form.SetFlashRect(At({10, 20, 110, 70}));
    ASSERT_EQ(waits.size(), 1u);
    EXPECT_EQ(waits[0].ms, 400u);
    ASSERT_EQ(waits[0].visible.size(), 1u);
    EXPECT_EQ(waits[0].visible[0].rect, (Rect{10, 20, 110, 70}));
    EXPECT_EQ(waits[0].visible[0].penWidth, 3);
    EXPECT_EQ(desk.frames.size(), 1u);
    EXPECT_EQ(desk.visibleFrames(), 0);
    EXPECT_EQ(form.FlashRect, (Rect{10, 20, 110, 70}));
}

TEST_F(HighlighterTest, NothingIsDrawnOnTheScreenAndNothingIsLeftOpen) {
    desk.FillScreen({0, 0, 200, 200}, 0x123456);
    std::vector<std::uint32_t> seen;
    desk.onSleep = [&](std::uint32_t) {
        // On the band (one outside, one inside the rectangle) and just off it.
        for (int x : {8, 9, 11, 12}) seen.push_back(desk.SeenPixel(x, 40));
    };
    form.SetFlashRect(At({10, 20, 110, 70}));
    EXPECT_EQ(seen, (std::vector<std::uint32_t>{0x123456, 0xEDCBA9, 0xEDCBA9, 0x123456}));
    for (int x : {8, 9, 11, 12}) EXPECT_EQ(desk.SeenPixel(x, 40), 0x123456u) << "x " << x;
    EXPECT_EQ(desk.ScreenPixel(9, 40), 0x123456u);
    EXPECT_TRUE(desk.log.Of(sim::CallKind::Gdi).empty());  // no device context of the screen taken
    EXPECT_EQ(desk.openDcs(), 0);
    EXPECT_EQ(desk.liveGdiObjects(), 0);
}

TEST_F(HighlighterTest, FrameAndFlashRectAreTheWindowClampedToTheScreen) {
    struct Case {
        Rect window, clamped;
    };
    const Case cases[] = {
        {{-8, -8, 1928, 1048}, {0, 0, 1920, 1048}},     // maximised
        {{-8, -8, 1928, 1100}, {0, 0, 1920, 1080}},     // taller than the screen
        {{-300, 10, -100, 300}, {0, 10, -100, 300}},    // on a monitor to the left
        {{2000, 10, 2400, 300}, {2000, 10, 1920, 300}}, // right of the screen: left stays beyond the width
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "window " << c.window.left << "," << c.window.top);
        form.SetFlashRect(At(c.window));
        EXPECT_EQ(form.FlashRect, c.clamped);
        ASSERT_FALSE(desk.frames.empty());
        EXPECT_EQ(desk.frames.back().rect, c.clamped);
    }
}

TEST_F(HighlighterTest, ZeroOrVanishedWindowShowsNothingWaitsNotAndKeepsFlashRect) {
    const Hwnd h = At({1, 2, 3, 4});
    form.SetFlashRect(h);
    desk.frames.clear();
    desk.DestroyWindow(h);
    const std::uint32_t slept = desk.sleptMs;
    form.SetFlashRect(h);
    form.SetFlashRect(0);
    EXPECT_TRUE(desk.frames.empty());
    EXPECT_EQ(desk.sleptMs, slept);
    EXPECT_EQ(form.FlashRect, (Rect{1, 2, 3, 4}));
}

TEST_F(HighlighterTest, FlashRunOutlinesThreeTimesThenStops) {
    RecordWaits();
    const Hwnd h = At({0, 0, 50, 50});
    form.StartFlashRun(h);
    int ticks = 0;
    while (form.flashTimerOn && ticks < 10) {
        form.FlashTick();
        ++ticks;
    }
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(desk.frames.size(), 3u);
    ASSERT_EQ(waits.size(), 3u);
    for (const Wait& w : waits) {
        EXPECT_EQ(w.ms, 400u);
        ASSERT_EQ(w.visible.size(), 1u);
        EXPECT_EQ(w.visible[0].rect, (Rect{0, 0, 50, 50}));
    }
    EXPECT_EQ(desk.visibleFrames(), 0);
    EXPECT_EQ(form.FlashCount(), 0);
}

TEST_F(HighlighterTest, RepeatedStartsDuringARunStillGiveThreeOutlines) {
    const Hwnd h = At({0, 0, 50, 50});
    form.StartFlashRun(h);
    form.FlashTick();
    form.StartFlashRun(h);
    form.StartFlashRun(h);
    while (form.flashTimerOn) form.FlashTick();
    EXPECT_EQ(desk.frames.size(), 3u);
}

TEST_F(HighlighterTest, RunFollowsANewWindowAndStopsWhenItsWindowVanishes) {
    const Hwnd a = At({0, 0, 50, 50});
    const Hwnd b = At({100, 100, 150, 150});
    form.StartFlashRun(a);
    form.FlashTick();
    form.TmpHwnd = b;
    form.FlashTick();
    EXPECT_EQ(desk.frames.back().rect, (Rect{100, 100, 150, 150}));
    desk.DestroyWindow(b);
    form.FlashTick();
    EXPECT_FALSE(form.flashTimerOn);
    EXPECT_EQ(form.FlashCount(), 0);
    EXPECT_EQ(desk.frames.size(), 2u);
}

}  // namespace
}  // namespace lumivex::test
