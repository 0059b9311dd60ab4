// The fill of the main window for normal, hung, vanished and zero windows.
#include <gtest/gtest.h>

#include "platform/send.h"
#include "sim_fixture.h"

namespace lumivex::test {
namespace {

class FillTest : public DesktopTest {
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

TEST_F(FillTest, FillsGeneralTabInHexadecimal) {
    form.SnapHwnd = cancel;
    form.Fill();
    EXPECT_EQ(form.texts.handle, HexText(cancel));
    EXPECT_EQ(form.texts.className, "Button");
    EXPECT_EQ(form.texts.title, "Cancel");
    EXPECT_EQ(form.texts.controlId, "2");
    EXPECT_EQ(form.texts.processId, "3E8");
    EXPECT_EQ(form.texts.threadId, "7D0");
    EXPECT_EQ(form.texts.programPath, "C:\\Program Files\\Demo\\demo.exe");
    EXPECT_EQ(form.texts.windowRect, "(200,130),(280,154)  80x24");
    EXPECT_EQ(form.texts.self.handle, form.texts.handle);
    EXPECT_EQ(form.texts.self.title, "Cancel");
    EXPECT_EQ(form.texts.style, "50000000");
    EXPECT_EQ(form.texts.exStyle, "0");
}

TEST_F(FillTest, FillsRelatedWindowsWithTitlesAndLinks) {
    form.SnapHwnd = cancel;
    form.Fill();
    EXPECT_EQ(form.texts.related[kPrev].handle, HexText(ok));
    EXPECT_EQ(form.texts.related[kPrev].title, "确定");
    EXPECT_EQ(form.texts.related[kNext].handle, HexText(edit));
    EXPECT_EQ(form.texts.related[kNext].title, "text");
    EXPECT_EQ(form.texts.related[kParent].handle, HexText(dialog));
    // Leading blanks of a title go, trailing ones stay.
    EXPECT_EQ(form.texts.related[kParent].title, "Demo 对话框  ");
    EXPECT_EQ(form.texts.related[kChild].handle, "0");
    EXPECT_EQ(form.texts.related[kChild].title, "");
    EXPECT_EQ(form.texts.related[kOwner].handle, "0");
    EXPECT_EQ(form.texts.related[kOwner].title, "");
    EXPECT_EQ(form.linkActive, (std::array<bool, kRelatedCount>{true, true, true, false, false}));
}

TEST_F(FillTest, UnownedTopLevelWindowHasPlainParentAndOwnerLabels) {
    form.SnapHwnd = dialog;
    form.Fill();
    EXPECT_EQ(form.texts.title, "Demo 对话框  ");
    EXPECT_EQ(form.texts.related[kParent].handle, "0");
    EXPECT_EQ(form.texts.related[kOwner].handle, "0");
    EXPECT_EQ(form.texts.related[kChild].handle, HexText(ok));
    EXPECT_EQ(form.texts.related[kChild].title, "确定");
    // The owned pop-up was created later, so it lies above the dialog.
    EXPECT_EQ(form.texts.related[kPrev].handle, HexText(owned));
    EXPECT_FALSE(form.linkActive[kParent]);
    EXPECT_FALSE(form.linkActive[kOwner]);
    EXPECT_TRUE(form.linkActive[kChild]);
}

TEST_F(FillTest, OwnedPopupNamesItsOwnerAsParentAndOwner) {
    form.SnapHwnd = owned;
    form.Fill();
    EXPECT_EQ(form.texts.related[kParent].handle, HexText(dialog));
    EXPECT_EQ(form.texts.related[kOwner].handle, HexText(dialog));
    EXPECT_TRUE(form.linkActive[kOwner]);
}

TEST_F(FillTest, DecimalWhenHexIsUnticked) {
    form.SetHexDisplay(false);
    desk.Window(cancel).style = 0x94CF0000u;
    form.SnapHwnd = cancel;
    form.Fill();
    EXPECT_EQ(form.texts.handle, std::to_string(cancel));
    EXPECT_EQ(form.texts.processId, "1000");
    EXPECT_EQ(form.texts.threadId, "2000");
    EXPECT_EQ(form.texts.style, "-1798373376");
    // The rectangle is decimal whatever the switch says.
    EXPECT_EQ(form.texts.windowRect, "(200,130),(280,154)  80x24");
}

TEST_F(FillTest, LongTitleIsReadWholeUpToItsLimitWithoutOverrun) {
    const std::string longTitle(90000, 'x');
    desk.Window(edit).text = longTitle + "tail";
    form.SnapHwnd = edit;
    form.Fill();
    // 90001 is the limit passed with the message: 90000 bytes and the NUL.
    EXPECT_EQ(form.texts.title, longTitle);
}

TEST_F(FillTest, ZeroWindowShowsOnlyTheHandle) {
    form.texts.className = "old";
    form.texts.windowRect = "old";
    form.SnapHwnd = 0;
    form.Fill();
    EXPECT_EQ(form.texts.handle, "0");
    EXPECT_EQ(form.texts.className, "old");
    EXPECT_EQ(form.texts.windowRect, "old");
}

TEST_F(FillTest, VanishedWindowStopsAfterTheHandle) {
    form.SnapHwnd = cancel;
    form.Fill();
    desk.DestroyWindow(cancel);
    form.texts.title = "kept";
    form.Fill();
    EXPECT_EQ(form.texts.handle, HexText(cancel));
    EXPECT_EQ(form.texts.className, "Button");
    EXPECT_EQ(form.texts.title, "kept");
}

TEST_F(FillTest, WindowDestroyedWhileItsTitleIsReadLeavesTheRestEmptyOrZero) {
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
    form.Fill();
    EXPECT_EQ(form.texts.className, "Edit");
    EXPECT_EQ(form.texts.title, "");
    EXPECT_EQ(form.texts.processId, "0");
    EXPECT_EQ(form.texts.windowRect, "(0,0),(0,0)  0x0");
    EXPECT_EQ(form.texts.related[kPrev].handle, "0");
}

TEST_F(FillTest, HungWindowGetsTheReducedFillWithoutAnyMessage) {
    desk.Window(dialog).text = std::string(150, 'T');
    desk.Window(dialog).hung = true;
    form.texts.threadId = "stale";
    form.texts.related[kPrev].handle = "stale";
    form.SnapHwnd = dialog;
    form.Fill();
    EXPECT_EQ(form.texts.handle, HexText(dialog));
    EXPECT_EQ(form.texts.tools.handle, HexText(dialog));
    EXPECT_EQ(form.texts.className, "#32770");
    EXPECT_EQ(form.texts.title, std::string(99, 'T'));
    EXPECT_EQ(form.texts.controlId, "0");
    EXPECT_EQ(form.texts.programPath, "C:\\Program Files\\Demo\\demo.exe");
    EXPECT_EQ(form.texts.processId, "3E8");
    EXPECT_EQ(form.texts.windowRect, "(100,100),(400,300)  300x200");
    EXPECT_EQ(form.texts.threadId, "");
    EXPECT_EQ(form.texts.related[kPrev].handle, "");
    EXPECT_EQ(form.texts.style, "");
    for (const auto& m : desk.log.Messages()) EXPECT_NE(m.hwnd, dialog) << "message " << m.msg;
    EXPECT_EQ(desk.blockingCallsToUnresponsive, 0);
}

TEST_F(FillTest, ABusyWindowCostsTheFillOneTimeOutAndShowsItDidNotAnswer) {
    // A control of a thread of its own, busy, not reported hung.
    desk.Window(edit).threadId = 7070;
    desk.busyThreads[7070] = 30000;
    form.SnapHwnd = edit;
    form.Fill();
    EXPECT_EQ(desk.waitedMs, kSendTimeoutMs);
    EXPECT_EQ(form.texts.tools.text, "(未响应)");
    EXPECT_EQ(form.texts.tools.fontSummary, "(未响应)");
    EXPECT_EQ(form.texts.tools.listViewStyle, "");
    EXPECT_EQ(form.texts.title, "");
    EXPECT_EQ(form.texts.className, "Edit");  // read without a message
    EXPECT_EQ(desk.blockingCallsToUnresponsive, 0);
    // The next fill asks again: the window may answer by then.
    desk.busyThreads.clear();
    form.Fill();
    EXPECT_EQ(form.texts.title, "text");
}

TEST_F(FillTest, HungRelatedWindowIsNotWaitedFor) {
    desk.Window(edit).hung = true;
    form.SnapHwnd = cancel;
    form.Fill();
    EXPECT_EQ(form.texts.related[kNext].handle, HexText(edit));
    EXPECT_EQ(form.texts.related[kNext].title, "");
    EXPECT_EQ(form.texts.related[kPrev].title, "确定");
    EXPECT_EQ(desk.blockingCallsToUnresponsive, 0);
}

TEST_F(FillTest, EveryMessageToAnotherWindowCarriesATimeOut) {
    form.SnapHwnd = cancel;
    form.Fill();
    ASSERT_FALSE(desk.log.Messages().empty());
    for (const auto& m : desk.log.Messages()) EXPECT_TRUE(m.withTimeout) << "message " << m.msg;
}

TEST_F(FillTest, MainClearEmptiesFieldsButKeepsLinks) {
    form.SnapHwnd = cancel;
    form.Fill();
    form.stateTicks.fill(true);
    form.styleNames = {"WS_CHILD"};
    form.MainClear();
    EXPECT_EQ(form.texts.handle, "");
    EXPECT_EQ(form.texts.related[kPrev].title, "");
    EXPECT_EQ(form.texts.tools.handle, "");
    EXPECT_TRUE(form.styleNames.empty());
    EXPECT_EQ(form.stateTicks, (std::array<bool, kStateEntryCount>{}));
    EXPECT_TRUE(form.linkActive[kPrev]);
}

TEST_F(FillTest, FlashRectFollowsAWindowChosenWithoutAnOutline) {
    form.SetFlashRect(ok);
    EXPECT_EQ(form.FlashRect, (Rect{110, 130, 190, 154}));
    form.SnapHwnd = ok;
    form.Fill();
    EXPECT_EQ(form.FlashRect, (Rect{110, 130, 190, 154}));
    form.SnapHwnd = edit;  // as a link or the tree would choose it
    form.Fill();
    EXPECT_EQ(form.FlashRect, (Rect{110, 160, 380, 180}));
}

TEST_F(FillTest, ProgramPathIsEmptyWhenTheProcessCannotBeOpened) {
    desk.AddProcess(1000, "\\Device\\HarddiskVolume3\\x.exe").openable = false;
    form.SnapHwnd = ok;
    form.Fill();
    EXPECT_EQ(form.texts.programPath, "");
    EXPECT_EQ(desk.openProcessHandles(), 0);
}

TEST_F(FillTest, ActivationConsumesTheChildListHandOff) {
    session.ChildListHwnd = edit;
    form.Activate();
    EXPECT_EQ(form.SnapHwnd, edit);
    EXPECT_EQ(form.texts.className, "Edit");
    EXPECT_EQ(session.ChildListHwnd, 0u);
    form.texts.className = "untouched";
    form.Activate();
    EXPECT_EQ(form.texts.className, "untouched");
}

}  // namespace
}  // namespace lumivex::test
