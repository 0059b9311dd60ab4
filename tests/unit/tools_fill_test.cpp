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
        LogFontW lf;
        lf.lfHeight = -12;
        lf.lfWeight = 400;
        lf.lfCharSet = 134;
        std::memcpy(lf.lfFaceName, u"宋体", sizeof u"宋体");
        desk.Window(edit).font = desk.AddFont(lf);
        form.Load();
        form.hexDisplay = false;  // the tools tab is hexadecimal whatever this says
        form.SnapHwnd = edit;
    }
};

TEST_F(ToolsFillTest, FillsEveryFieldOfTheTab) {
    form.goToLinkVisible = false;
    form.Fill();
    const MainTexts& t = form.texts;
    EXPECT_EQ(t.tools.handle, "100A6");
    EXPECT_EQ(t.tools.style, "54CF0000");
    EXPECT_EQ(t.tools.exStyle, "204");
    EXPECT_EQ(t.tools.listViewStyle, "0");
    EXPECT_EQ(t.tools.left, "10");
    EXPECT_EQ(t.tools.top, "20");
    EXPECT_EQ(t.tools.width, "100");
    EXPECT_EQ(t.tools.height, "30");
    EXPECT_EQ(t.tools.shortPath, "C:\\PROGRA~1\\App\\app.exe");
    EXPECT_EQ(t.tools.fontSummary, "字体(宋体),尺寸(12px|9pt),常规(400),字符集(GB2312_CHARSET)");
    EXPECT_EQ(t.tools.text, "第一行\r\n第二行");
    EXPECT_TRUE(form.goToLinkVisible);
    EXPECT_EQ(t.handle, "65702");  // the general tab follows the hexadecimal switch
}

TEST_F(ToolsFillTest, TopBitStylesShowEightDigits) {
    form.SnapHwnd = dialog;
    desk.Window(dialog).style = 0x94CF0000u;
    form.Fill();
    EXPECT_EQ(form.texts.tools.style, "94CF0000");
    EXPECT_EQ(form.texts.tools.left, "100");  // no parent: the screen position
}

TEST_F(ToolsFillTest, HungWindowGetsTheReducedFillAndNoMessage) {
    desk.Window(edit).hung = true;
    desk.Window(edit).listViewExStyle = 0x31;
    desk.log.Clear();
    form.Fill();
    const MainTexts& t = form.texts;
    EXPECT_EQ(t.tools.handle, "100A6");
    EXPECT_EQ(t.tools.text, "(未响应)");
    EXPECT_EQ(t.tools.fontSummary, "(未响应)");
    EXPECT_EQ(t.tools.style, "54CF0000");
    EXPECT_EQ(t.tools.exStyle, "204");
    EXPECT_EQ(t.tools.listViewStyle, "");  // not asked, not invented
    EXPECT_EQ(t.tools.left, "10");
    EXPECT_EQ(t.tools.top, "20");
    EXPECT_EQ(t.tools.shortPath, "C:\\PROGRA~1\\App\\app.exe");
    EXPECT_TRUE(form.goToLinkVisible);
    for (const auto& m : desk.log.Messages()) EXPECT_NE(m.hwnd, edit) << "message " << m.msg;
    EXPECT_EQ(desk.blockingCallsToUnresponsive, 0);
}

TEST_F(ToolsFillTest, VanishedWindowLeavesTheFieldsAsTheyWere) {
    form.Fill();
    const MainTexts before = form.texts;
    form.goToLinkVisible = false;
    desk.DestroyWindow(edit);
    form.Fill();
    const auto fields = [](const ToolFields& t) {
        return std::vector<std::string>{t.handle, t.style,  t.exStyle,   t.listViewStyle, t.left,       t.top,
                                        t.width,  t.height, t.shortPath, t.fontSummary,   t.text};
    };
    EXPECT_EQ(fields(form.texts.tools), fields(before.tools));
    EXPECT_FALSE(form.goToLinkVisible);

    form.SnapHwnd = 0;
    form.Fill();
    EXPECT_EQ(form.texts.tools.handle, before.tools.handle);
}

TEST_F(ToolsFillTest, WindowVanishingMidFillIsReadAsNoWindow) {
    desk.Window(edit).hook = [this](sim::SimWindow& self, std::uint32_t msg, Wparam, Lparam) -> std::optional<Lresult> {
        if (msg == win::WM_GETTEXTLENGTH) desk.DestroyWindow(self.hwnd);
        return std::nullopt;
    };
    form.Fill();
    const MainTexts& t = form.texts;
    EXPECT_EQ(t.tools.handle, "100A6");
    EXPECT_EQ(t.tools.text, "");
    EXPECT_EQ(t.tools.shortPath, "");
    EXPECT_EQ(t.tools.fontSummary, "字体(),尺寸(0px|0pt),默认(0),字符集(ANSI_CHARSET)");
    EXPECT_EQ(t.tools.style, "0");
    EXPECT_EQ(t.tools.listViewStyle, "0");
    EXPECT_EQ(t.tools.width, "0");
}

}  // namespace
}  // namespace lumivex::test
