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
        view.picBmp = {0, 0, pictureWidthTwips, pictureHeightTwips};
        LayoutPictureView(form);
    }
};

TEST_F(PictureLayoutTest, BarsSitAlongTheViewportsBottomAndRightEdges) {
    LayOut(0, 0);
    EXPECT_EQ(view.HScroll1.box.top, 120 + kViewportHeight);
    EXPECT_EQ(view.HScroll1.box.width, kViewportWidth);
    EXPECT_EQ(view.HScroll1.box.left, 120);
    EXPECT_EQ(view.VScroll1.box.left, 120 + kViewportWidth);
    EXPECT_EQ(view.VScroll1.box.height, kViewportHeight);
    EXPECT_EQ(view.VScroll1.box.top, 120);
}

TEST_F(PictureLayoutTest, PictureSmallerThanTheViewportHidesBothBars) {
    view.HScroll1.visible = view.VScroll1.visible = true;
    LayOut(100 * kTwipsPerPixel, 50 * kTwipsPerPixel);
    EXPECT_FALSE(view.HScroll1.visible);
    EXPECT_FALSE(view.VScroll1.visible);
}

TEST_F(PictureLayoutTest, PictureExactlyAsLargeAsTheViewportScrollsBySixtyTwips) {
    LayOut(kViewportWidth, kViewportHeight);
    ASSERT_TRUE(view.HScroll1.visible);
    ASSERT_TRUE(view.VScroll1.visible);
    EXPECT_EQ(view.HScroll1.max, 60);
    EXPECT_EQ(view.VScroll1.max, 60);
    // One twip narrower than the viewport: no bar.
    LayOut(kViewportWidth - 1, kViewportHeight - 1);
    EXPECT_FALSE(view.HScroll1.visible);
    EXPECT_FALSE(view.VScroll1.visible);
}

TEST_F(PictureLayoutTest, ShownBarsGetMaximumPageAndLineSteps) {
    LayOut(1000 * kTwipsPerPixel, 300 * kTwipsPerPixel);
    EXPECT_EQ(view.HScroll1.max, 15000 - kViewportWidth + 60);
    EXPECT_EQ(view.VScroll1.max, 4500 - kViewportHeight + 60);
    EXPECT_EQ(view.HScroll1.largeChange, kViewportWidth / 3);  // 1943, remainder dropped
    EXPECT_EQ(view.VScroll1.largeChange, kViewportHeight / 3);  // 685
    EXPECT_EQ(view.HScroll1.smallChange, kTwipsPerPixel);
    EXPECT_EQ(view.VScroll1.smallChange, kTwipsPerPixel);
}

TEST_F(PictureLayoutTest, ViewportTooSmallForAThirdTakesTheLineStepAsPage) {
    view.picScroll.width = 2;
    LayOut(900, 0);
    ASSERT_TRUE(view.HScroll1.visible);
    EXPECT_EQ(view.HScroll1.largeChange, kTwipsPerPixel);
}

TEST_F(PictureLayoutTest, MaximumBeyondSixteenBitsKeepsThePreviousOne) {
    LayOut(10000, 0);
    ASSERT_EQ(view.HScroll1.max, 10000 - kViewportWidth + 60);
    // 32767 still fits …
    LayOut(32767 - 60 + kViewportWidth, 0);
    EXPECT_EQ(view.HScroll1.max, 32767);
    // … one more does not: the bar keeps 32767, while the other steps still run.
    view.HScroll1.largeChange = 1;
    LayOut(32768 - 60 + kViewportWidth, 0);
    EXPECT_TRUE(view.HScroll1.visible);
    EXPECT_EQ(view.HScroll1.max, 32767);
    EXPECT_EQ(view.HScroll1.largeChange, kViewportWidth / 3);
    EXPECT_EQ(view.HScroll1.value, 0);
}

TEST_F(PictureLayoutTest, LayoutScrollsBackToTheTopLeftCorner) {
    LayOut(1000 * kTwipsPerPixel, 1000 * kTwipsPerPixel);
    ScrollPicture(view, ScrollAxis::Horizontal, win::SB_PAGERIGHT, 0);
    ScrollPicture(view, ScrollAxis::Vertical, win::SB_PAGERIGHT, 0);
    ASSERT_NE(view.picBmp.left, 0);
    ASSERT_NE(view.picBmp.top, 0);
    LayoutPictureView(form);
    EXPECT_EQ(view.HScroll1.value, 0);
    EXPECT_EQ(view.VScroll1.value, 0);
    EXPECT_EQ(view.picBmp.left, 0);
    EXPECT_EQ(view.picBmp.top, 0);
}

TEST_F(PictureLayoutTest, MinimisedMainWindowIsLeftAlone) {
    form.selfHwnd = TopLevel("Lumivex V3.1", {0, 0, 452, 352});
    desk.ShowWindow(form.selfHwnd, win::SW_MINIMIZE);
    LayOut(1000 * kTwipsPerPixel, 1000 * kTwipsPerPixel);
    EXPECT_FALSE(view.HScroll1.visible);
    EXPECT_FALSE(view.VScroll1.visible);
    EXPECT_EQ(view.HScroll1.max, 32767);  // untouched

    desk.ShowWindow(form.selfHwnd, win::SW_RESTORE);
    LayoutPictureView(form);
    EXPECT_TRUE(view.HScroll1.visible);
    EXPECT_TRUE(view.VScroll1.visible);
}

TEST_F(PictureLayoutTest, LineAndPageStepsMoveThePictureAndStopAtTheEnds) {
    LayOut(1000 * kTwipsPerPixel, 0);
    const int max = view.HScroll1.max;  // 15000 - 5830 + 60 = 9230
    EXPECT_TRUE(ScrollPicture(view, ScrollAxis::Horizontal, win::SB_LINERIGHT, 0));
    EXPECT_EQ(view.HScroll1.value, 15);
    EXPECT_EQ(view.picBmp.left, -15);
    ScrollPicture(view, ScrollAxis::Horizontal, win::SB_LINELEFT, 0);
    ScrollPicture(view, ScrollAxis::Horizontal, win::SB_LINELEFT, 0);
    EXPECT_EQ(view.HScroll1.value, 0);
    EXPECT_EQ(view.picBmp.left, 0);
    ScrollPicture(view, ScrollAxis::Horizontal, win::SB_PAGERIGHT, 0);
    ScrollPicture(view, ScrollAxis::Horizontal, win::SB_PAGERIGHT, 0);
    EXPECT_EQ(view.picBmp.left, -2 * 1943);
    ScrollPicture(view, ScrollAxis::Horizontal, win::SB_PAGELEFT, 0);
    EXPECT_EQ(view.picBmp.left, -1943);
    ScrollPicture(view, ScrollAxis::Horizontal, win::SB_RIGHT, 0);
    EXPECT_EQ(view.HScroll1.value, max);
    // At the maximum further steps stay there.
    ScrollPicture(view, ScrollAxis::Horizontal, win::SB_PAGERIGHT, 0);
    ScrollPicture(view, ScrollAxis::Horizontal, win::SB_LINERIGHT, 0);
    EXPECT_EQ(view.picBmp.left, -max);
    EXPECT_FALSE(ScrollPicture(view, ScrollAxis::Horizontal, win::SB_ENDSCROLL, 0));
    EXPECT_EQ(view.HScroll1.value, max);
    ScrollPicture(view, ScrollAxis::Horizontal, win::SB_LEFT, 0);
    EXPECT_EQ(view.picBmp.left, 0);
}

TEST_F(PictureLayoutTest, ThumbAtTheMaximumLeavesSixtyTwipsBesideTheFarEdge) {
    LayOut(2000 * kTwipsPerPixel, 900 * kTwipsPerPixel);
    EXPECT_TRUE(ScrollPicture(view, ScrollAxis::Horizontal, win::SB_THUMBTRACK, view.HScroll1.max));
    EXPECT_EQ(view.picBmp.left + view.picBmp.width, kViewportWidth - 60);
    EXPECT_TRUE(ScrollPicture(view, ScrollAxis::Vertical, win::SB_THUMBPOSITION, view.VScroll1.max));
    EXPECT_EQ(view.picBmp.top + view.picBmp.height, kViewportHeight - 60);
    // The horizontal bar does not move the picture up or down.
    EXPECT_EQ(view.HScroll1.value, view.HScroll1.max);
    ScrollPicture(view, ScrollAxis::Vertical, win::SB_THUMBTRACK, 100);
    EXPECT_EQ(view.picBmp.top, -100);
    EXPECT_EQ(view.picBmp.left + view.picBmp.width, kViewportWidth - 60);
}

TEST_F(PictureLayoutTest, ThumbPositionsOutsideTheRangeAreClamped) {
    LayOut(600 * kTwipsPerPixel, 0);
    ScrollPicture(view, ScrollAxis::Horizontal, win::SB_THUMBTRACK, 40000);
    EXPECT_EQ(view.HScroll1.value, view.HScroll1.max);
    ScrollPicture(view, ScrollAxis::Horizontal, win::SB_THUMBTRACK, -5);
    EXPECT_EQ(view.HScroll1.value, 0);
}

}  // namespace
}  // namespace lumivex::test
