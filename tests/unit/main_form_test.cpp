// Start-up settings, the switches and the "转到" link.
#include <gtest/gtest.h>

#include "sim_fixture.h"

namespace lumivex::test {
namespace {

class MainFormTest : public DesktopTest {
protected:
    Hwnd self = 0;
    void SetUp() override {
        self = TopLevel("", {0, 0, 452, 352});
        form.selfHwnd = self;
    }
    bool Topmost() { return (desk.Window(self).exStyle & win::WS_EX_TOPMOST) != 0; }
};

TEST_F(MainFormTest, LoadTicksBothSwitchesAndStartsTopmost) {
    form.chkHex = false;
    form.Load();
    EXPECT_TRUE(form.chkAlwaysOnTop);
    EXPECT_TRUE(form.chkHex);
    EXPECT_TRUE(Topmost());
    EXPECT_EQ(form.caption, "Lumivex V3.1");
    EXPECT_EQ(form.selectedTab, 1);
    EXPECT_FALSE(form.IsDragging());
    ASSERT_FALSE(desk.calls.empty());
    EXPECT_EQ(desk.calls.back().name, "SetWindowPos");
    EXPECT_EQ(desk.calls.back().b, win::SWP_NOMOVE | win::SWP_NOSIZE);
}

TEST_F(MainFormTest, AlwaysOnTopSwitchActsAtOnce) {
    form.Load();
    form.chkAlwaysOnTop_Click(false);
    EXPECT_FALSE(Topmost());
    form.chkAlwaysOnTop_Click(true);
    EXPECT_TRUE(Topmost());
}

TEST_F(MainFormTest, HexSwitchAffectsOnlyLaterFills) {
    form.Load();
    form.SnapHwnd = self;
    form.Fulfill();
    const std::string hex = form.texts.hWndText;
    form.chkHex_Click(false);
    EXPECT_EQ(form.texts.hWndText, hex);
    form.Fulfill();
    EXPECT_EQ(form.texts.hWndText, std::to_string(self));
}

TEST_F(MainFormTest, GoToOpensExplorerWithTheQuotedPathSelected) {
    form.texts.txtFilePath = "C:\\Program Files\\程序\\app.exe";
    form.Label5_Click();
    ASSERT_EQ(desk.shellExecuted.size(), 1u);
    EXPECT_EQ(desk.shellExecuted[0],
              desk.Utf8ToAnsi("Open|explorer.exe|/select, \"C:\\Program Files\\程序\\app.exe\""));
}

TEST_F(MainFormTest, GoToWithoutAPathDoesNothing) {
    form.Label5_Click();
    EXPECT_TRUE(desk.shellExecuted.empty());
}

TEST(TabCaptions, SevenTabsInOrder) {
    const std::array<std::string, 7> expected = {" 常规 ", " 样式 ", "  类  ", " 窗口 ", " 消息 ", " 图像 ", " 工具 "};
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(kTabCaptions[i], expected[i]) << "tab " << i;
}

}  // namespace
}  // namespace lumivex::test
