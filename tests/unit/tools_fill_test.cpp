#include <cstring>

#include "sim_fixture.h"

namespace lumivex::test {
namespace {

class ToolsFillTest : public DesktopTest {
protected:
    Hwnd dialog = 0, edit = 0;

    void SetUp() override {
        desk.AddDrive("C:\\", "\\Device\\HarddiskVolume3");
        desk.AddProcess(1000, "\\Device\\HarddiskVolume3\\Program Files\\App\\app.exe");
        desk.AddShortPath("C:\\Program Files\\App\\app.exe", "C:\\PROGRA~1\\App\\app.exe");
        dialog = TopLevel("对话框", {100, 100, 306, 329});
        desk.Window(dialog).client = {0, 0, 200, 200};
        edit = Child(dialog, "Edit", "第一行\r\n第二行", {113, 146, 213, 176}, 7,
                     0x54CF0000u);  // WS_CHILD, WS_VISIBLE and more
        desk.Window(edit).exStyle = 0x204;
        LogFontA lf;
        lf.lfHeight = -12;
        lf.lfWeight = 400;
        lf.lfCharSet = 134;
        const std::string face = desk.Utf8ToAnsi("宋体");
        std::memcpy(lf.lfFaceName, face.data(), face.size());
        desk.Window(edit).font = desk.AddFont(lf);
        form.Load();
        form.chkHex = false;  // the tools tab is hexadecimal whatever this says
        form.SnapHwnd = edit;
    }
};

TEST_F(ToolsFillTest, FillsEveryFieldOfTheTab) {
    form.label5Visible = false;
    form.Fulfill();
    const MainTexts& t = form.texts;
    EXPECT_EQ(t.mText[0], "100A6");
    EXPECT_EQ(t.mText[1], "54CF0000");
    EXPECT_EQ(t.mText[2], "204");
    EXPECT_EQ(t.mText[3], "0");
    EXPECT_EQ(t.mText[4], "10");
    EXPECT_EQ(t.mText[5], "20");
    EXPECT_EQ(t.mText[6], "100");
    EXPECT_EQ(t.mText[7], "30");
    EXPECT_EQ(t.mText[8], "C:\\PROGRA~1\\App\\app.exe");
    EXPECT_EQ(t.mText[9], "字体(宋体),尺寸(12px|9pt),常规(400),字符集(GB2312_CHARSET)");
    EXPECT_EQ(t.txtSetData, "第一行\r\n第二行");
    EXPECT_TRUE(form.label5Visible);
    EXPECT_EQ(t.hWndText, "65702");  // the general tab follows chkHex
}

TEST_F(ToolsFillTest, TopBitStylesShowEightDigits) {
    form.SnapHwnd = dialog;
    desk.Window(dialog).style = 0x94CF0000u;
    form.Fulfill();
    EXPECT_EQ(form.texts.mText[1], "94CF0000");
    EXPECT_EQ(form.texts.mText[4], "100");  // no parent: the screen position
}

TEST_F(ToolsFillTest, HungWindowGetsTheReducedFillAndNoMessage) {
    desk.Window(edit).hung = true;
    desk.Window(edit).listViewExStyle = 0x31;
    desk.sent.clear();
    form.Fulfill();
    const MainTexts& t = form.texts;
    EXPECT_EQ(t.mText[0], "100A6");
    EXPECT_EQ(t.txtSetData, "(未响应)");
    EXPECT_EQ(t.mText[9], "(未响应)");
    EXPECT_EQ(t.mText[1], "54CF0000");
    EXPECT_EQ(t.mText[2], "204");
    EXPECT_EQ(t.mText[3], "");  // not asked, not invented
    EXPECT_EQ(t.mText[4], "10");
    EXPECT_EQ(t.mText[5], "20");
    EXPECT_EQ(t.mText[8], "C:\\PROGRA~1\\App\\app.exe");
    EXPECT_TRUE(form.label5Visible);
    for (const auto& m : desk.sent) EXPECT_NE(m.hwnd, edit) << "message " << m.msg;
    EXPECT_EQ(desk.blockingSendsToHung, 0);
}

TEST_F(ToolsFillTest, VanishedWindowLeavesTheFieldsAsTheyWere) {
    form.Fulfill();
    const MainTexts before = form.texts;
    form.label5Visible = false;
    desk.DestroyWindow(edit);
    form.Fulfill();
    for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(form.texts.mText[i], before.mText[i]) << i;
    EXPECT_EQ(form.texts.txtSetData, before.txtSetData);
    EXPECT_FALSE(form.label5Visible);

    form.SnapHwnd = 0;
    form.Fulfill();
    EXPECT_EQ(form.texts.mText[0], before.mText[0]);
}

TEST_F(ToolsFillTest, WindowVanishingMidFillIsReadAsNoWindow) {
    desk.Window(edit).hook = [this](sim::SimWindow& self, std::uint32_t msg, Wparam, Lparam) -> std::optional<Lresult> {
        if (msg == win::WM_GETTEXTLENGTH) desk.DestroyWindow(self.hwnd);
        return std::nullopt;
    };
    form.Fulfill();
    const MainTexts& t = form.texts;
    EXPECT_EQ(t.mText[0], "100A6");
    EXPECT_EQ(t.txtSetData, "");
    EXPECT_EQ(t.mText[8], "");
    EXPECT_EQ(t.mText[9], "字体(),尺寸(0px|0pt),默认(0),字符集(ANSI_CHARSET)");
    EXPECT_EQ(t.mText[1], "0");
    EXPECT_EQ(t.mText[3], "0");
    EXPECT_EQ(t.mText[6], "0");
}

}  // namespace
}  // namespace lumivex::test
