// The fill of the main window for normal, hung, vanished and zero windows.
#include <gtest/gtest.h>

#include "sim_fixture.h"

namespace lumivex::test {
namespace {

class FulfillTest : public DesktopTest {
protected:
    Hwnd dialog = 0, ok = 0, cancel = 0, edit = 0, owned = 0;

    void SetUp() override {
        desk.AddDrive("C:\\", "\\Device\\HarddiskVolume3");
        desk.AddProcess(1000, "\\Device\\HarddiskVolume3\\Program Files\\Demo\\demo.exe");
        dialog = TopLevel("  Demo 对话框  ", {100, 100, 400, 300});
        ok = Child(dialog, "Button", "确定", {110, 130, 190, 154}, 1);
        cancel = Child(dialog, "Button", "Cancel", {200, 130, 280, 154}, 2);
        edit = Child(dialog, "Edit", "text", {110, 160, 380, 180}, 3);
        WindowSpec popup;
        popup.className = "#32770";
        popup.text = "Owned";
        popup.style = win::WS_POPUP | win::WS_VISIBLE;
        popup.owner = dialog;
        owned = desk.CreateWindow(popup);
    }
};

TEST_F(FulfillTest, FillsGeneralTabInHexadecimal) {
    form.SnapHwnd = cancel;
    form.Fulfill();
    EXPECT_EQ(form.texts.hWndText, HexText(cancel));
    EXPECT_EQ(form.texts.WndClassText, "Button");
    EXPECT_EQ(form.texts.TitleText, "Cancel");
    EXPECT_EQ(form.texts.txtWindowID, "2");
    EXPECT_EQ(form.texts.txtProcessID, "3E8");
    EXPECT_EQ(form.texts.txtThreadID, "7D0");
    EXPECT_EQ(form.texts.txtFilePath, "C:\\Program Files\\Demo\\demo.exe");
    EXPECT_EQ(form.texts.txtWndRect, "(200,130),(280,154)  80x24");
    EXPECT_EQ(form.texts.txtSelfHandle, form.texts.hWndText);
    EXPECT_EQ(form.texts.txtSelfTitle, "Cancel");
    EXPECT_EQ(form.texts.txtWndStyle, "50000000");
    EXPECT_EQ(form.texts.txtWndExStyle, "0");
}

TEST_F(FulfillTest, FillsRelatedWindowsWithTitlesAndLinks) {
    form.SnapHwnd = cancel;
    form.Fulfill();
    EXPECT_EQ(form.texts.txtPreHandle, HexText(ok));
    EXPECT_EQ(form.texts.txtPreTitle, "确定");
    EXPECT_EQ(form.texts.txtNextHandle, HexText(edit));
    EXPECT_EQ(form.texts.txtNextTitle, "text");
    EXPECT_EQ(form.texts.txtParentHandle, HexText(dialog));
    // Leading blanks of a title go, trailing ones stay.
    EXPECT_EQ(form.texts.txtParentTitle, "Demo 对话框  ");
    EXPECT_EQ(form.texts.txtChildHandle, "0");
    EXPECT_EQ(form.texts.txtChildTitle, "");
    EXPECT_EQ(form.texts.txtOwnerHandle, "0");
    EXPECT_EQ(form.texts.txtOwnerTitle, "");
    EXPECT_EQ(form.linkActive, (std::array<bool, kRelatedCount>{true, true, true, false, false}));
}

TEST_F(FulfillTest, UnownedTopLevelWindowHasPlainParentAndOwnerLabels) {
    form.SnapHwnd = dialog;
    form.Fulfill();
    EXPECT_EQ(form.texts.TitleText, "Demo 对话框  ");
    EXPECT_EQ(form.texts.txtParentHandle, "0");
    EXPECT_EQ(form.texts.txtOwnerHandle, "0");
    EXPECT_EQ(form.texts.txtChildHandle, HexText(ok));
    EXPECT_EQ(form.texts.txtChildTitle, "确定");
    // The owned pop-up was created later, so it lies above the dialog.
    EXPECT_EQ(form.texts.txtPreHandle, HexText(owned));
    EXPECT_FALSE(form.linkActive[kParent]);
    EXPECT_FALSE(form.linkActive[kOwner]);
    EXPECT_TRUE(form.linkActive[kChild]);
}

TEST_F(FulfillTest, OwnedPopupNamesItsOwnerAsParentAndOwner) {
    form.SnapHwnd = owned;
    form.Fulfill();
    EXPECT_EQ(form.texts.txtParentHandle, HexText(dialog));
    EXPECT_EQ(form.texts.txtOwnerHandle, HexText(dialog));
    EXPECT_TRUE(form.linkActive[kOwner]);
}

TEST_F(FulfillTest, DecimalWhenHexIsUnticked) {
    form.chkHex_Click(false);
    desk.Window(cancel).style = 0x94CF0000u;
    form.SnapHwnd = cancel;
    form.Fulfill();
    EXPECT_EQ(form.texts.hWndText, std::to_string(cancel));
    EXPECT_EQ(form.texts.txtProcessID, "1000");
    EXPECT_EQ(form.texts.txtThreadID, "2000");
    EXPECT_EQ(form.texts.txtWndStyle, "-1798373376");
    // The rectangle is decimal whatever the switch says.
    EXPECT_EQ(form.texts.txtWndRect, "(200,130),(280,154)  80x24");
}

TEST_F(FulfillTest, LongTitleIsReadWholeUpToItsLimitWithoutOverrun) {
    const std::string longTitle(90000, 'x');
    desk.Window(edit).text = longTitle + "tail";
    form.SnapHwnd = edit;
    form.Fulfill();
    // 90001 is the limit passed with the message: 90000 bytes and the NUL.
    EXPECT_EQ(form.texts.TitleText, longTitle);
}

TEST_F(FulfillTest, ZeroWindowShowsOnlyTheHandle) {
    form.texts.WndClassText = "old";
    form.texts.txtWndRect = "old";
    form.SnapHwnd = 0;
    form.Fulfill();
    EXPECT_EQ(form.texts.hWndText, "0");
    EXPECT_EQ(form.texts.WndClassText, "old");
    EXPECT_EQ(form.texts.txtWndRect, "old");
}

TEST_F(FulfillTest, VanishedWindowStopsAfterTheHandle) {
    form.SnapHwnd = cancel;
    form.Fulfill();
    desk.DestroyWindow(cancel);
    form.texts.TitleText = "kept";
    form.Fulfill();
    EXPECT_EQ(form.texts.hWndText, HexText(cancel));
    EXPECT_EQ(form.texts.WndClassText, "Button");
    EXPECT_EQ(form.texts.TitleText, "kept");
}

TEST_F(FulfillTest, WindowDestroyedWhileItsTitleIsReadLeavesTheRestEmptyOrZero) {
    // The tools tab reads the text first; the window goes at the title read.
    int textReads = 0;
    desk.Window(edit).hook = [this, &textReads](sim::SimWindow& self, std::uint32_t msg, Wparam,
                                                Lparam) -> std::optional<Lresult> {
        if (msg == win::WM_GETTEXT && ++textReads == 2) {
            desk.DestroyWindow(self.hwnd);
            return 0;
        }
        return std::nullopt;
    };
    form.SnapHwnd = edit;
    form.Fulfill();
    EXPECT_EQ(form.texts.WndClassText, "Edit");
    EXPECT_EQ(form.texts.TitleText, "");
    EXPECT_EQ(form.texts.txtProcessID, "0");
    EXPECT_EQ(form.texts.txtWndRect, "(0,0),(0,0)  0x0");
    EXPECT_EQ(form.texts.txtPreHandle, "0");
}

TEST_F(FulfillTest, HungWindowGetsTheReducedFillWithoutAnyMessage) {
    desk.Window(dialog).text = desk.Utf8ToAnsi(std::string(150, 'T'));
    desk.Window(dialog).hung = true;
    form.texts.txtThreadID = "stale";
    form.texts.txtPreHandle = "stale";
    form.SnapHwnd = dialog;
    form.Fulfill();
    EXPECT_EQ(form.texts.hWndText, HexText(dialog));
    EXPECT_EQ(form.texts.mText[0], HexText(dialog));
    EXPECT_EQ(form.texts.WndClassText, "#32770");
    EXPECT_EQ(form.texts.TitleText, std::string(99, 'T'));
    EXPECT_EQ(form.texts.txtWindowID, "0");
    EXPECT_EQ(form.texts.txtFilePath, "C:\\Program Files\\Demo\\demo.exe");
    EXPECT_EQ(form.texts.txtProcessID, "3E8");
    EXPECT_EQ(form.texts.txtWndRect, "(100,100),(400,300)  300x200");
    EXPECT_EQ(form.texts.txtThreadID, "");
    EXPECT_EQ(form.texts.txtPreHandle, "");
    EXPECT_EQ(form.texts.txtWndStyle, "");
    for (const auto& m : desk.sent) EXPECT_NE(m.hwnd, dialog) << "message " << m.msg;
    EXPECT_EQ(desk.blockingSendsToHung, 0);
}

TEST_F(FulfillTest, HungRelatedWindowIsNotWaitedFor) {
    desk.Window(edit).hung = true;
    form.SnapHwnd = cancel;
    form.Fulfill();
    EXPECT_EQ(form.texts.txtNextHandle, HexText(edit));
    EXPECT_EQ(form.texts.txtNextTitle, "");
    EXPECT_EQ(form.texts.txtPreTitle, "确定");
    EXPECT_EQ(desk.blockingSendsToHung, 0);
}

TEST_F(FulfillTest, EveryMessageToAnotherWindowCarriesATimeOut) {
    form.SnapHwnd = cancel;
    form.Fulfill();
    ASSERT_FALSE(desk.sent.empty());
    for (const auto& m : desk.sent) EXPECT_TRUE(m.withTimeout) << "message " << m.msg;
}

TEST_F(FulfillTest, MainClearEmptiesFieldsButKeepsLinks) {
    form.SnapHwnd = cancel;
    form.Fulfill();
    form.lstStatus.fill(true);
    form.lstWndStyle = {"WS_CHILD"};
    form.MainClear();
    EXPECT_EQ(form.texts.hWndText, "");
    EXPECT_EQ(form.texts.txtPreTitle, "");
    EXPECT_EQ(form.texts.mText[0], "");
    EXPECT_TRUE(form.lstWndStyle.empty());
    EXPECT_EQ(form.lstStatus, (std::array<bool, kStatusEntries>{}));
    EXPECT_TRUE(form.linkActive[kPrev]);
}

TEST_F(FulfillTest, FlashRectFollowsAWindowChosenWithoutAnOutline) {
    form.SetFlashRect(ok);
    EXPECT_EQ(form.FlashRect, (Rect{110, 130, 190, 154}));
    form.SnapHwnd = ok;
    form.Fulfill();
    EXPECT_EQ(form.FlashRect, (Rect{110, 130, 190, 154}));
    form.SnapHwnd = edit;  // as a link or the tree would choose it
    form.Fulfill();
    EXPECT_EQ(form.FlashRect, (Rect{110, 160, 380, 180}));
}

TEST_F(FulfillTest, ProgramPathIsEmptyWhenTheProcessCannotBeOpened) {
    desk.AddProcess(1000, "\\Device\\HarddiskVolume3\\x.exe").openable = false;
    form.SnapHwnd = ok;
    form.Fulfill();
    EXPECT_EQ(form.texts.txtFilePath, "");
    EXPECT_EQ(desk.openProcessHandles(), 0);
}

TEST_F(FulfillTest, ActivationConsumesTheChildListHandOff) {
    session.ChildListHwnd = edit;
    form.Activate();
    EXPECT_EQ(form.SnapHwnd, edit);
    EXPECT_EQ(form.texts.WndClassText, "Edit");
    EXPECT_EQ(session.ChildListHwnd, 0u);
    form.texts.WndClassText = "untouched";
    form.Activate();
    EXPECT_EQ(form.texts.WndClassText, "untouched");
}

}  // namespace
}  // namespace lumivex::test
