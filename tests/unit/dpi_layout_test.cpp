// Every window's layout at 100, 125, 150 and 200 %: each control inside its
// parent's client area, the window large enough for that client area, and
// the picture view keeping one box pixel per pixel copied.
#include "app/main_controls.h"
#include "layout/dpi_scale.h"
#include "layout/form_layouts.h"
#include "picture/window_picture.h"

#include <gtest/gtest.h>

#include <string>

namespace lumivex::test {
namespace {

constexpr int kDpis[] = {96, 120, 144, 192};

TEST(DpiScale, ScalesLikeMulDivRoundingHalvesAway) {
    struct Row {
        int value, dpi, expected;
    };
    const Row rows[] = {{24, 96, 24}, {24, 144, 36}, {437, 144, 656}, {437, 120, 546}, {1, 144, 2},
                        {17, 120, 21}, {-3, 144, -5}, {0, 192, 0},    {452, 192, 904}};
    for (const Row& row : rows)
        EXPECT_EQ(ScaleToDpi(row.value, row.dpi), row.expected) << row.value << " at " << row.dpi;
}

TEST(DpiScale, TouchingBoxesStillTouchAfterScaling) {
    // "句柄树" and "关于" at 96 DPI: 212 + 72 + 6 = 290.
    const Box left{212, 295, 72, 24}, right{290, 295, 72, 24};
    for (int dpi : kDpis) {
        const Box a = ScaleBox(left, dpi), b = ScaleBox(right, dpi);
        EXPECT_EQ(b.left - a.Right(), ScaleToDpi(290, dpi) - ScaleToDpi(284, dpi)) << dpi;
        EXPECT_EQ(a.Bottom(), ScaleToDpi(319, dpi)) << dpi;
    }
}

TEST(DpiScale, OuterSizeGrowsOnlyWhereTheCaptionLeavesTooLittle) {
    const Size outer{452, 352}, client{446, 323};
    struct Row {
        Size nonClient;
        int dpi;
        Size expected;
    };
    const Row rows[] = {
        {{6, 29}, 96, {452, 352}},    // the frame and caption the client sizes are measured against
        {{6, 34}, 144, {678, 528}},   // Wine's at 144 DPI: the scaled size holds the scaled client
        {{16, 90}, 192, {908, 736}},  // a caption larger than scaled: grown to keep the client whole
    };
    for (const Row& row : rows) {
        const Size got = OuterSizeForDpi(outer, client, row.nonClient, row.dpi);
        EXPECT_EQ(got.width, row.expected.width) << row.dpi;
        EXPECT_EQ(got.height, row.expected.height) << row.dpi;
    }
}

void ExpectInside(const Box& box96, Size client96, int dpi, const std::string& what) {
    EXPECT_TRUE(LiesInside(ScaleBox(box96, dpi), ScaleSize(client96, dpi)))
        << what << " at " << dpi << " DPI: " << box96.left << "," << box96.top << " " << box96.width << "x"
        << box96.height << " in " << client96.width << "x" << client96.height;
}

TEST(DpiLayout, EveryControlOfEveryWindowLiesInsideItsParent) {
    const struct {
        const char* name;
        const FormLayout& layout;
    } forms[] = {{"main", MainFrameLayout()}, {"tree", TreeLayout()}, {"child list", ChildListLayout()},
                 {"about", AboutLayout()}, {"read progress", ReadProgressLayout()}};
    const Size panel{kTabPanelBox.width, kTabPanelBox.height};
    const Box tabs = MainFrameLayout().BoxOf(IDC_TABS);
    for (int dpi : kDpis) {
        for (const auto& form : forms) {
            EXPECT_GE(form.layout.controls.size(), 3u) << form.name;
            for (const PlacedControl& control : form.layout.controls)
                ExpectInside(control.box, form.layout.client, dpi, std::string(form.name) + " " + std::to_string(control.id));
        }
        for (const ControlDef& def : FrameControls())
            ExpectInside(def.Place(), MainFrameLayout().client, dpi, "main frame " + std::to_string(def.id));
        // The panels lie on the tab strip's page, below its tabs.
        ExpectInside({kTabPanelBox.left - tabs.left, kTabPanelBox.top - tabs.top, panel.width, panel.height},
                     {tabs.width, tabs.height}, dpi, "tab panel on the tab strip");
        for (int tab = 0; tab < 7; ++tab)
            for (const ControlDef& def : TabControls(tab))
                ExpectInside(def.Place(), panel, dpi, "tab " + std::to_string(tab) + " " + std::to_string(def.id));
    }
}

TEST(DpiLayout, ClientAreasHoldTheSpecifiedWindowSizesAtClassicMetrics) {
    const FormLayout& main = MainFrameLayout();
    EXPECT_EQ(main.outer.width, 452);
    EXPECT_EQ(main.outer.height, 352);
    for (const FormLayout* layout : {&main, &TreeLayout(), &ChildListLayout(), &AboutLayout(), &ReadProgressLayout()}) {
        EXPECT_EQ(layout->outer.width - layout->client.width, kClassicNonClient96.width);
        EXPECT_EQ(layout->outer.height - layout->client.height, kClassicNonClient96.height);
    }
}

TEST(PictureDpi, TheBoxKeepsOnePixelPerPixelCopiedAtEveryDpi) {
    struct Row {
        int dpi, pictureWidth;
        bool barShown;
        int max;
    };
    // The viewport is 5830 twips wide: 389 pixels at 96 DPI, 583 at 144.
    const Row rows[] = {{96, 389, true, 5835 - 5830 + 60}, {144, 583, true, 60}, {144, 582, false, 32767},
                        {192, 778, true, 5835 - 5830 + 60}, {120, 485, false, 32767}};
    for (const Row& row : rows) {
        PictureView view;
        SetPictureDpi(view, row.dpi);
        view.pictureBox = {0, 0, PixelsToTwips(row.pictureWidth, row.dpi), PixelsToTwips(10, row.dpi)};
        LayoutPictureView(view);
        EXPECT_EQ(TwipsToPixels(view.pictureBox.width, row.dpi), row.pictureWidth) << row.dpi;
        EXPECT_EQ(view.hScroll.visible, row.barShown) << row.dpi << " " << row.pictureWidth;
        if (row.barShown) {
            EXPECT_EQ(view.hScroll.max, row.max) << row.dpi;
            EXPECT_EQ(view.hScroll.smallChange, PixelsToTwips(1, row.dpi)) << row.dpi;
        }
    }
}

TEST(PictureDpi, AMoveToAnotherDpiResizesTheBoxInTwipsNotInPixels) {
    PictureView view;
    view.pictureBox = {0, 0, 600 * kTwipsPerPixel, 300 * kTwipsPerPixel};  // 600 x 300 pixels at 96 DPI
    LayoutPictureView(view);
    EXPECT_TRUE(view.hScroll.visible);
    SetPictureDpi(view, 192);
    EXPECT_EQ(TwipsToPixels(view.pictureBox.width, 192), 600);
    EXPECT_EQ(TwipsToPixels(view.pictureBox.height, 192), 300);
    // 778 pixels of viewport at 192 DPI hold the 600 pixels: no bar now.
    EXPECT_FALSE(view.hScroll.visible);
}

}  // namespace
}  // namespace lumivex::test
