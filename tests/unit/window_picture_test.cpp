// The picture of the inspected window: exactly the screen pixels of
// FlashRect, with every device context and bitmap given back.
#include <algorithm>

#include "picture/window_picture.h"
#include "sim_fixture.h"

namespace lumivex::test {
namespace {

// A colour no two screen pixels share.
std::uint32_t Pattern(int x, int y) { return (static_cast<std::uint32_t>(x) << 12) | static_cast<std::uint32_t>(y) | 0x800000u; }

class WindowPictureTest : public DesktopTest {
protected:
    PictureView& view = form.pictureView;

    void SetUp() override {
        desk.SetScreenSize(320, 240);
        for (int y = 0; y < 240; ++y)
            for (int x = 0; x < 320; ++x) desk.SetScreenPixel(x, y, Pattern(x, y));
    }

    void ExpectPictureOf(const Rect& area) {
        const int width = area.right - area.left, height = area.bottom - area.top;
        ASSERT_EQ(view.picture.width, width);
        ASSERT_EQ(view.picture.height, height);
        ASSERT_EQ(view.picture.pixels.size(), static_cast<std::size_t>(width * height));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                ASSERT_EQ(view.picture.At(x, y), Pattern(area.left + x, area.top + y)) << "at " << x << "," << y;
    }

    void ExpectEverythingReleased() {
        EXPECT_EQ(desk.openDcs(), 0);
        EXPECT_EQ(desk.liveGdiObjects(), 0);
    }

    std::ptrdiff_t Position(const std::string& call, int occurrence = 1) {
        int seen = 0;
        const std::vector<std::string> gdi = desk.log.Names(CallKind::Gdi);
        for (std::size_t i = 0; i < gdi.size(); ++i)
            if (gdi[i] == call && ++seen == occurrence) return static_cast<std::ptrdiff_t>(i);
        return -1;
    }
};

TEST_F(WindowPictureTest, CopiesExactlyTheScreenPixelsOfFlashRect) {
    form.FlashRect = {10, 20, 13, 22};
    TakeWindowPicture(desk, form.FlashRect, form.pictureView);
    ExpectPictureOf(form.FlashRect);
    EXPECT_TRUE(form.pictureView.picture.HasPixels());
    ExpectEverythingReleased();
}

TEST_F(WindowPictureTest, ReleasesInTheOrderTheCopyWasMade) {
    form.FlashRect = {0, 0, 5, 5};
    TakeWindowPicture(desk, form.FlashRect, form.pictureView);
    // The bitmap is put back out of the memory context before it is read
    // (GetDIBits refuses a selected bitmap), then deleted, then the contexts go.
    EXPECT_LT(Position("BitBlt"), Position("SelectObject", 2));
    EXPECT_LT(Position("SelectObject", 2), Position("GetDIBits"));
    EXPECT_LT(Position("GetDIBits"), Position("DeleteObject"));
    EXPECT_LT(Position("DeleteObject"), Position("DeleteDC"));
    EXPECT_LT(Position("DeleteDC"), Position("ReleaseDC"));
    ExpectEverythingReleased();
}

TEST_F(WindowPictureTest, BoxIsSizedInPixelsAndPlacedAtTheViewportsCorner) {
    view.pictureBox = {-300, -45, 1, 1};  // scrolled, from an earlier picture
    form.FlashRect = {100, 50, 300, 80};
    TakeWindowPicture(desk, form.FlashRect, form.pictureView);
    EXPECT_EQ(view.pictureBox.left, 0);
    EXPECT_EQ(view.pictureBox.top, 0);
    EXPECT_EQ(view.pictureBox.width, 200 * kTwipsPerPixel);
    EXPECT_EQ(view.pictureBox.height, 30 * kTwipsPerPixel);
}

TEST_F(WindowPictureTest, TheFourthByteOfAScreenPixelIsNotKept) {
    desk.SetScreenPixel(4, 4, 0xAB123456u);
    form.FlashRect = {4, 4, 5, 5};
    TakeWindowPicture(desk, form.FlashRect, form.pictureView);
    ASSERT_TRUE(view.picture.HasPixels());
    EXPECT_EQ(view.picture.At(0, 0), 0x00123456u);
}

TEST_F(WindowPictureTest, AreaWithoutWidthOrHeightIsAnEmptyPictureWithoutScreenAccess) {
    // Wholly right of the screen: clamping leaves right below left.
    form.FlashRect = {400, 10, 320, 110};
    TakeWindowPicture(desk, form.FlashRect, form.pictureView);
    EXPECT_EQ(view.pictureBox.width, 0);
    EXPECT_EQ(view.pictureBox.height, 100 * kTwipsPerPixel);
    EXPECT_FALSE(view.picture.HasPixels());
    EXPECT_FALSE(form.pictureView.picture.HasPixels());
    EXPECT_TRUE(desk.log.Of(sim::CallKind::Gdi).empty());

    form.FlashRect = {10, 10, 60, 10};
    TakeWindowPicture(desk, form.FlashRect, form.pictureView);
    EXPECT_EQ(view.pictureBox.width, 50 * kTwipsPerPixel);
    EXPECT_EQ(view.pictureBox.height, 0);
    EXPECT_FALSE(view.picture.HasPixels());
}

TEST_F(WindowPictureTest, HostileRectangleDoesNotOverflowOrAllocate) {
    form.FlashRect = {0, 0, INT32_MAX, INT32_MAX};
    TakeWindowPicture(desk, form.FlashRect, form.pictureView);
    EXPECT_GE(view.pictureBox.width, 0);
    EXPECT_GE(view.pictureBox.height, 0);
    EXPECT_FALSE(view.picture.HasPixels());
    form.FlashRect = {INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    TakeWindowPicture(desk, form.FlashRect, form.pictureView);
    EXPECT_EQ(view.pictureBox.width, 0);
    EXPECT_EQ(view.pictureBox.height, 0);
}

TEST_F(WindowPictureTest, FailedCopiesLeaveAnEmptyPictureAndReleaseEverything) {
    form.FlashRect = {0, 0, 10, 10};
    desk.faults.failCreateCompatibleBitmap = true;
    TakeWindowPicture(desk, form.FlashRect, form.pictureView);
    EXPECT_FALSE(view.picture.HasPixels());
    EXPECT_EQ(view.pictureBox.width, 10 * kTwipsPerPixel);
    ExpectEverythingReleased();

    desk.faults.failCreateCompatibleBitmap = false;
    desk.faults.failBitBlt = true;
    TakeWindowPicture(desk, form.FlashRect, form.pictureView);
    EXPECT_FALSE(view.picture.HasPixels());
    ExpectEverythingReleased();
}

TEST_F(WindowPictureTest, ClearEmptiesThePictureButKeepsTheBox) {
    form.FlashRect = {0, 0, 8, 6};
    TakeWindowPicture(desk, form.FlashRect, form.pictureView);
    const unsigned generation = view.generation;
    form.MainClear();
    EXPECT_FALSE(view.picture.HasPixels());
    EXPECT_FALSE(form.pictureView.picture.HasPixels());
    EXPECT_EQ(view.pictureBox.width, 8 * kTwipsPerPixel);
    EXPECT_NE(view.generation, generation);
}

class PictureFillTest : public WindowPictureTest {};

TEST_F(PictureFillTest, WindowPartlyOffTheScreenIsPicturedInItsOnScreenPart) {
    const Hwnd h = TopLevel("Partly off", {-8, -8, 100, 60});
    form.SnapHwnd = h;
    form.Fill();
    EXPECT_EQ(form.FlashRect, (Rect{0, 0, 100, 60}));
    ExpectPictureOf({0, 0, 100, 60});
    EXPECT_FALSE(view.hScroll.visible);
    ExpectEverythingReleased();
}

TEST_F(PictureFillTest, OutlinedWindowIsPicturedWhereItWasOutlined) {
    const Hwnd h = TopLevel("Moves", {10, 10, 50, 40});
    form.SetFlashRect(h);
    desk.Window(h).rect = {200, 100, 240, 130};
    form.SnapHwnd = h;
    form.Fill();
    ExpectPictureOf({10, 10, 50, 40});
}

TEST_F(PictureFillTest, GoingBackToTheOutlinedWindowByLinksPicturesItAgain) {
    const Hwnd a = TopLevel("A", {10, 10, 30, 40});
    const Hwnd b = TopLevel("B", {100, 50, 200, 150});
    form.SetFlashRect(a);  // the finder outlined A
    form.SnapHwnd = a;
    form.Fill();
    form.SnapHwnd = b;  // a link to B
    form.Fill();
    ExpectPictureOf({100, 50, 200, 150});
    form.SnapHwnd = a;  // and a link back to A
    form.Fill();
    EXPECT_EQ(form.FlashRect, (Rect{10, 10, 30, 40}));
    ExpectPictureOf({10, 10, 30, 40});
}

TEST_F(PictureFillTest, LargeWindowShowsTheScrollBarsAfterTheFill) {
    const Hwnd h = TopLevel("Large", {0, 0, 320, 240});
    form.SnapHwnd = h;
    form.Fill();
    ExpectPictureOf({0, 0, 320, 240});
    EXPECT_FALSE(view.hScroll.visible);  // 4800 twips fit the viewport's 5830
    EXPECT_TRUE(view.vScroll.visible);   // 3600 twips do not fit 2055
    EXPECT_EQ(view.vScroll.max, 3600 - 2055 + 60);
}

TEST_F(PictureFillTest, HungWindowIsNotPictured) {
    const Hwnd first = TopLevel("First", {0, 0, 30, 20});
    form.SnapHwnd = first;
    form.Fill();
    ASSERT_TRUE(view.picture.HasPixels());

    const Hwnd hung = TopLevel("Hung", {50, 50, 90, 90});
    desk.Window(hung).hung = true;
    desk.log.Clear();
    form.SnapHwnd = hung;
    form.Fill();
    // The reduced fill clears the tab like every other field and copies nothing.
    EXPECT_TRUE(desk.log.Of(sim::CallKind::Gdi).empty());
    EXPECT_FALSE(view.picture.HasPixels());
    EXPECT_EQ(view.pictureBox.width, 30 * kTwipsPerPixel);
}

}  // namespace
}  // namespace lumivex::test
