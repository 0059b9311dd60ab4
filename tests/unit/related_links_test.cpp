#include <gtest/gtest.h>

#include "info/num_text.h"
#include "sim_fixture.h"

namespace lumivex::test {
namespace {

// A dialog (the first simulated window, handle 100A4) with two controls, and
// an owned pop-up above it.
class RelatedLinksTest : public DesktopTest {
protected:
    void SetUp() override {
        dialog = TopLevel("Dialog", {0, 0, 400, 300});
        first = Child(dialog, "Button", "OK", {10, 10, 80, 30}, 1);
        second = Child(dialog, "Edit", "text", {10, 40, 80, 60}, 2);
        WindowSpec s;
        s.className = "#32770";
        s.text = "Popup";
        s.style = win::WS_POPUP | win::WS_VISIBLE;
        s.owner = dialog;
        popup = desk.CreateWindow(s);
        ASSERT_EQ(dialog, 0x100A4u);
    }
    void Inspect(Hwnd h) {
        form.SnapHwnd = h;
        form.Fill();
    }

    Hwnd dialog = 0, first = 0, second = 0, popup = 0;
};

TEST_F(RelatedLinksTest, ParentLinkInHexadecimal) {
    Inspect(first);
    ASSERT_EQ(form.texts.related[kParent].handle, "100A4");
    form.FollowRelatedLink(kParent);
    EXPECT_EQ(form.SnapHwnd, dialog);
    EXPECT_EQ(form.texts.handle, "100A4");
    EXPECT_EQ(form.texts.title, "Dialog");
}

TEST_F(RelatedLinksTest, ParentLinkInDecimal) {
    form.hexDisplay = false;
    Inspect(first);
    ASSERT_EQ(form.texts.related[kParent].handle, "65700");
    form.FollowRelatedLink(kParent);
    EXPECT_EQ(form.SnapHwnd, dialog);
    EXPECT_EQ(form.texts.handle, "65700");
}

TEST_F(RelatedLinksTest, ALinkGoesToTheWindowItShowsAfterTheBaseChanged) {
    Inspect(first);
    form.SetHexDisplay(false);
    form.FollowRelatedLink(kParent);  // shows 100A4: not read as decimal 100
    EXPECT_EQ(form.SnapHwnd, dialog);

    form.SetHexDisplay(false);
    Inspect(first);
    form.SetHexDisplay(true);
    form.FollowRelatedLink(kParent);  // shows 65700: not read as hexadecimal
    EXPECT_EQ(form.SnapHwnd, dialog);
}

TEST_F(RelatedLinksTest, WalkingDownSidewaysAndBack) {
    Inspect(dialog);
    form.FollowRelatedLink(kChild);
    EXPECT_EQ(form.SnapHwnd, first);
    form.FollowRelatedLink(kNext);
    EXPECT_EQ(form.SnapHwnd, second);
    EXPECT_EQ(form.texts.className, "Edit");
    form.FollowRelatedLink(kPrev);
    EXPECT_EQ(form.SnapHwnd, first);
    form.FollowRelatedLink(kParent);
    EXPECT_EQ(form.SnapHwnd, dialog);
}

TEST_F(RelatedLinksTest, OwnerLinkAndItsLook) {
    Inspect(popup);
    EXPECT_EQ(form.linkActive[kOwner], true);
    EXPECT_EQ(form.linkActive[kChild], false);
    form.FollowRelatedLink(kOwner);
    EXPECT_EQ(form.SnapHwnd, dialog);
    // The top-level dialog has neither parent nor owner.
    EXPECT_EQ(form.texts.related[kParent].handle, "0");
    EXPECT_EQ(form.texts.related[kOwner].handle, "0");
    EXPECT_FALSE(form.linkActive[kParent]);
    EXPECT_FALSE(form.linkActive[kOwner]);
}

TEST_F(RelatedLinksTest, ZeroOrEmptyFieldDoesNothing) {
    Inspect(dialog);
    const MainTexts before = form.texts;
    desk.log.Clear();
    form.FollowRelatedLink(kParent);  // "0"
    form.FollowRelatedLink(kOwner);   // "0"
    EXPECT_EQ(form.SnapHwnd, dialog);
    EXPECT_EQ(form.texts.handle, before.handle);
    EXPECT_TRUE(desk.log.Messages().empty());

    form.MainClear();
    for (int link = 0; link < kRelatedCount; ++link) form.FollowRelatedLink(static_cast<RelatedLink>(link));
    EXPECT_EQ(form.SnapHwnd, dialog);
    EXPECT_EQ(form.texts.handle, "");
    EXPECT_TRUE(desk.log.Messages().empty());
}

TEST_F(RelatedLinksTest, VanishedWindowIsHandedToTheFill) {
    Inspect(first);
    desk.DestroyWindow(second);
    form.FollowRelatedLink(kNext);
    EXPECT_EQ(form.SnapHwnd, second);
    EXPECT_EQ(form.texts.handle, NumText(static_cast<std::int32_t>(second), true));
    // The fill stopped at the class name: the rest is the old window's.
    EXPECT_EQ(form.texts.title, "OK");
}

TEST_F(RelatedLinksTest, HungRelatedWindowGetsTheReducedFill) {
    Inspect(first);
    desk.Window(dialog).hung = true;
    form.FollowRelatedLink(kParent);
    EXPECT_EQ(form.SnapHwnd, dialog);
    EXPECT_EQ(form.texts.title, "Dialog");
    EXPECT_EQ(form.texts.threadId, "");
    EXPECT_EQ(desk.blockingCallsToUnresponsive, 0);
}

}  // namespace
}  // namespace lumivex::test
