// The picture view's scroll bars: when they show, their range and steps,
// and how they move the picture inside the viewport.
#include "picture/picture_scroll.h"
#include "picture/window_picture.h"
#include "sim_fixture.h"

namespace lumivex::test {
namespace {

constexpr int kViewportWidth = 5830, kViewportHeight = 2055;

class PictureLayoutTest : public DesktopTest {
protected:
    PictureView& view = form.pictureView;

    void LayOut(int pictureWidthTwips, int pictureHeightTwips) {
        view.pictureBox = {0, 0, pictureWidthTwips, pictureHeightTwips};
        form.LayoutPicture();
    }
};

TEST_F(PictureLayoutTest, BarsSitAlongTheViewportsBottomAndRightEdges) {
    LayOut(0, 0);
    EXPECT_EQ(view.hScroll.box.top, 120 + kViewportHeight);
    EXPECT_EQ(view.hScroll.box.width, kViewportWidth);
    EXPECT_EQ(view.hScroll.box.left, 120);
    EXPECT_EQ(view.vScroll.box.left, 120 + kViewportWidth);
    EXPECT_EQ(view.vScroll.box.height, kViewportHeight);
    EXPECT_EQ(view.vScroll.box.top, 120);
}

TEST_F(PictureLayoutTest, PictureSmallerThanTheViewportHidesBothBars) {
    view.hScroll.visible = view.vScroll.visible = true;
    LayOut(100 * kTwipsPerPixel, 50 * kTwipsPerPixel);
    EXPECT_FALSE(view.hScroll.visible);
    EXPECT_FALSE(view.vScroll.visible);
}

TEST_F(PictureLayoutTest, PictureExactlyAsLargeAsTheViewportScrollsBySixtyTwips) {
    LayOut(kViewportWidth, kViewportHeight);
    ASSERT_TRUE(view.hScroll.visible);
    ASSERT_TRUE(view.vScroll.visible);
    EXPECT_EQ(view.hScroll.max, 60);
    EXPECT_EQ(view.vScroll.max, 60);
    // One twip narrower than the viewport: no bar.
    LayOut(kViewportWidth - 1, kViewportHeight - 1);
    EXPECT_FALSE(view.hScroll.visible);
    EXPECT_FALSE(view.vScroll.visible);
}

TEST_F(PictureLayoutTest, ShownBarsGetMaximumPageAndLineSteps) {
    LayOut(1000 * kTwipsPerPixel, 300 * kTwipsPerPixel);
    EXPECT_EQ(view.hScroll.max, 15000 - kViewportWidth + 60);
    EXPECT_EQ(view.vScroll.max, 4500 - kViewportHeight + 60);
    EXPECT_EQ(view.hScroll.largeChange, kViewportWidth / 3);  // 1943, remainder dropped
    EXPECT_EQ(view.vScroll.largeChange, kViewportHeight / 3);  // 685
    EXPECT_EQ(view.hScroll.smallChange, kTwipsPerPixel);
    EXPECT_EQ(view.vScroll.smallChange, kTwipsPerPixel);
}

TEST_F(PictureLayoutTest, ViewportTooSmallForAThirdTakesTheLineStepAsPage) {
    view.viewport.width = 2;
    LayOut(900, 0);
    ASSERT_TRUE(view.hScroll.visible);
    EXPECT_EQ(view.hScroll.largeChange, kTwipsPerPixel);
}

TEST_F(PictureLayoutTest, MaximumBeyondSixteenBitsKeepsThePreviousOne) {
    LayOut(10000, 0);
    ASSERT_EQ(view.hScroll.max, 10000 - kViewportWidth + 60);
    // 32767 still fits …
    LayOut(32767 - 60 + kViewportWidth, 0);
    EXPECT_EQ(view.hScroll.max, 32767);
    // … one more does not: the bar keeps 32767, while the other steps still run.
    view.hScroll.largeChange = 1;
    LayOut(32768 - 60 + kViewportWidth, 0);
    EXPECT_TRUE(view.hScroll.visible);
    EXPECT_EQ(view.hScroll.max, 32767);
    EXPECT_EQ(view.hScroll.largeChange, kViewportWidth / 3);
    EXPECT_EQ(view.hScroll.value, 0);
}

TEST_F(PictureLayoutTest, LayoutScrollsBackToTheTopLeftCorner) {
    LayOut(1000 * kTwipsPerPixel, 1000 * kTwipsPerPixel);
    ScrollPicture(view, ScrollAxis::Horizontal, win::SB_PAGERIGHT, 0);
    ScrollPicture(view, ScrollAxis::Vertical, win::SB_PAGERIGHT, 0);
    ASSERT_NE(view.pictureBox.left, 0);
    ASSERT_NE(view.pictureBox.top, 0);
    form.LayoutPicture();
    EXPECT_EQ(view.hScroll.value, 0);
    EXPECT_EQ(view.vScroll.value, 0);
    EXPECT_EQ(view.pictureBox.left, 0);
    EXPECT_EQ(view.pictureBox.top, 0);
}

TEST_F(PictureLayoutTest, MinimisedMainWindowIsLeftAlone) {
    form.selfHwnd = TopLevel("Lumivex V3.1", {0, 0, 452, 352});
    desk.ShowWindow(form.selfHwnd, win::SW_MINIMIZE);
    LayOut(1000 * kTwipsPerPixel, 1000 * kTwipsPerPixel);
    EXPECT_FALSE(view.hScroll.visible);
    EXPECT_FALSE(view.vScroll.visible);
    EXPECT_EQ(view.hScroll.max, 32767);  // untouched

    desk.ShowWindow(form.selfHwnd, win::SW_RESTORE);
    form.LayoutPicture();
    EXPECT_TRUE(view.hScroll.visible);
    EXPECT_TRUE(view.vScroll.visible);
}

TEST_F(PictureLayoutTest, LineAndPageStepsMoveThePictureAndStopAtTheEnds) {
    LayOut(1000 * kTwipsPerPixel, 0);
    const int max = view.hScroll.max;  // 15000 - 5830 + 60 = 9230
    EXPECT_TRUE(ScrollPicture(view, ScrollAxis::Horizontal, win::SB_LINERIGHT, 0));
    EXPECT_EQ(view.hScroll.value, 15);
    EXPECT_EQ(view.pictureBox.left, -15);
    ScrollPicture(view, ScrollAxis::Horizontal, win::SB_LINELEFT, 0);
    ScrollPicture(view, ScrollAxis::Horizontal, win::SB_LINELEFT, 0);
    EXPECT_EQ(view.hScroll.value, 0);
    EXPECT_EQ(view.pictureBox.left, 0);
    ScrollPicture(view, ScrollAxis::Horizontal, win::SB_PAGERIGHT, 0);
    ScrollPicture(view, ScrollAxis::Horizontal, win::SB_PAGERIGHT, 0);
    EXPECT_EQ(view.pictureBox.left, -2 * 1943);
    ScrollPicture(view, ScrollAxis::Horizontal, win::SB_PAGELEFT, 0);
    EXPECT_EQ(view.pictureBox.left, -1943);
    ScrollPicture(view, ScrollAxis::Horizontal, win::SB_RIGHT, 0);
    EXPECT_EQ(view.hScroll.value, max);
    // At the maximum further steps stay there.
    ScrollPicture(view, ScrollAxis::Horizontal, win::SB_PAGERIGHT, 0);
    ScrollPicture(view, ScrollAxis::Horizontal, win::SB_LINERIGHT, 0);
    EXPECT_EQ(view.pictureBox.left, -max);
    EXPECT_FALSE(ScrollPicture(view, ScrollAxis::Horizontal, win::SB_ENDSCROLL, 0));
    EXPECT_EQ(view.hScroll.value, max);
    ScrollPicture(view, ScrollAxis::Horizontal, win::SB_LEFT, 0);
    EXPECT_EQ(view.pictureBox.left, 0);
}

TEST_F(PictureLayoutTest, ThumbAtTheMaximumLeavesSixtyTwipsBesideTheFarEdge) {
    LayOut(2000 * kTwipsPerPixel, 900 * kTwipsPerPixel);
    EXPECT_TRUE(ScrollPicture(view, ScrollAxis::Horizontal, win::SB_THUMBTRACK, view.hScroll.max));
    EXPECT_EQ(view.pictureBox.left + view.pictureBox.width, kViewportWidth - 60);
    EXPECT_TRUE(ScrollPicture(view, ScrollAxis::Vertical, win::SB_THUMBPOSITION, view.vScroll.max));
    EXPECT_EQ(view.pictureBox.top + view.pictureBox.height, kViewportHeight - 60);
    // The horizontal bar does not move the picture up or down.
    EXPECT_EQ(view.hScroll.value, view.hScroll.max);
    ScrollPicture(view, ScrollAxis::Vertical, win::SB_THUMBTRACK, 100);
    EXPECT_EQ(view.pictureBox.top, -100);
    EXPECT_EQ(view.pictureBox.left + view.pictureBox.width, kViewportWidth - 60);
}

TEST_F(PictureLayoutTest, ThumbPositionsOutsideTheRangeAreClamped) {
    LayOut(600 * kTwipsPerPixel, 0);
    ScrollPicture(view, ScrollAxis::Horizontal, win::SB_THUMBTRACK, 40000);
    EXPECT_EQ(view.hScroll.value, view.hScroll.max);
    ScrollPicture(view, ScrollAxis::Horizontal, win::SB_THUMBTRACK, -5);
    EXPECT_EQ(view.hScroll.value, 0);
}

}  // namespace
}  // namespace lumivex::test
