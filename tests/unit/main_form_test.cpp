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
    form.hexDisplay = false;
    form.Load();
    EXPECT_TRUE(form.alwaysOnTop);
    EXPECT_TRUE(form.hexDisplay);
    EXPECT_TRUE(Topmost());
    EXPECT_EQ(form.caption, "Lumivex V3.1");
    EXPECT_EQ(form.selectedTab, 1);
    EXPECT_FALSE(form.IsDragging());
    ASSERT_FALSE(desk.log.Changes().empty());
    EXPECT_EQ(desk.log.Changes().back().name, "SetWindowPos");
    EXPECT_EQ(desk.log.Changes().back().b, win::SWP_NOMOVE | win::SWP_NOSIZE);
}

TEST_F(MainFormTest, AlwaysOnTopSwitchActsAtOnce) {
    form.Load();
    form.SetAlwaysOnTop(false);
    EXPECT_FALSE(Topmost());
    form.SetAlwaysOnTop(true);
    EXPECT_TRUE(Topmost());
}

TEST_F(MainFormTest, HexSwitchAffectsOnlyLaterFills) {
    form.Load();
    form.SnapHwnd = self;
    form.Fill();
    const std::string hex = form.texts.handle;
    form.SetHexDisplay(false);
    EXPECT_EQ(form.texts.handle, hex);
    form.Fill();
    EXPECT_EQ(form.texts.handle, std::to_string(self));
}

TEST_F(MainFormTest, GoToOpensExplorerWithTheQuotedPathSelected) {
    form.texts.programPath = "C:\\Program Files\\程序\\app.exe";
    form.OpenProgramFolder();
    ASSERT_EQ(desk.log.Texts("ShellExecuteW").size(), 1u);
    EXPECT_EQ(desk.log.Texts("ShellExecuteW")[0],
              "Open|C:\\Windows\\explorer.exe|/select, \"C:\\Program Files\\程序\\app.exe\"");
}

TEST_F(MainFormTest, GoToWithoutAPathDoesNothing) {
    form.OpenProgramFolder();
    EXPECT_TRUE(desk.log.Texts("ShellExecuteW").empty());
}

TEST(TabCaptions, SevenTabsInOrder) {
    const std::array<std::string, 7> expected = {" 常规 ", " 样式 ", "  类  ", " 窗口 ", " 消息 ", " 图像 ", " 工具 "};
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(kTabCaptions[i], expected[i]) << "tab " << i;
}

}  // namespace
}  // namespace lumivex::test
