#include <gtest/gtest.h>

#include "styles/class_style.h"
#include "ops/state_list.h"
#include "styles/window_style.h"
#include "sim_fixture.h"

namespace lumivex::test {
namespace {

using Names = std::vector<std::string>;
using Ticks = std::array<bool, kStateEntryCount>;

Ticks TicksAt(std::initializer_list<int> entries) {
    Ticks ticks{};
    for (int e : entries) ticks[static_cast<std::size_t>(e)] = true;
    return ticks;
}

class WinStyleTest : public DesktopTest {
protected:
    // Decodes a window with the given styles the way the fill does: all
    // entries unticked first.
    void Decode(std::uint32_t style, std::uint32_t exStyle) {
        WindowSpec s;
        s.style = style;
        s.exStyle = exStyle;
        form.SnapHwnd = desk.CreateWindow(s);
        form.stateTicks.fill(false);
        form.Fill();
    }
};

TEST_F(WinStyleTest, OrdinaryTopLevelWindow) {
    Decode(0x14CF0000, 0x00040100);
    EXPECT_EQ(form.styleNames, (Names{"WS_BORDER", "WS_CAPTION", "WS_CLIPSIBLINGS", "WS_DLGFRAME", "WS_GROUP",
                                       "WS_MAXIMIZEBOX", "WS_MINIMIZEBOX", "WS_SYSMENU", "WS_TABSTOP",
                                       "WS_THICKFRAME", "WS_VISIBLE"}));
    EXPECT_EQ(form.exStyleNames, (Names{"WS_EX_WINDOWEDGE", "WS_EX_APPWINDOW"}));
    EXPECT_EQ(form.stateTicks, TicksAt({kStateVisible, kStateEnabled}));
}

TEST_F(WinStyleTest, CaptionNeedsOnlyOneOfItsBits) {
    Decode(0x00800000, 0);
    EXPECT_EQ(form.styleNames, (Names{"WS_BORDER", "WS_CAPTION"}));
    Decode(0x00400000, 0);
    EXPECT_EQ(form.styleNames, (Names{"WS_CAPTION", "WS_DLGFRAME"}));
}

TEST_F(WinStyleTest, BorderedChildWithReadOnlyBit) {
    Decode(0x50810800, 0x00000200);
    EXPECT_EQ(form.styleNames, (Names{"WS_BORDER", "WS_CAPTION", "WS_CHILD", "WS_MAXIMIZEBOX", "WS_TABSTOP",
                                       "WS_VISIBLE", "ES_READONLY"}));
    EXPECT_EQ(form.exStyleNames, (Names{"WS_EX_CLIENTEDGE"}));
    EXPECT_EQ(form.stateTicks, TicksAt({kStateVisible, kStateEnabled, kStateReadOnly}));
}

TEST_F(WinStyleTest, TopMostComesFromTheExtendedStyleOnly) {
    Decode(0x00000008, 0);
    EXPECT_FALSE(form.stateTicks[kStateTopMost]);
    EXPECT_TRUE(form.styleNames.empty());
    Decode(0, 0x00000008);
    EXPECT_EQ(form.exStyleNames, (Names{"WS_EX_TOPMOST"}));
    EXPECT_EQ(form.stateTicks, TicksAt({kStateEnabled, kStateTopMost}));
}

TEST_F(WinStyleTest, DisabledIsListedAndLeavesEnabledUnticked) {
    Decode(0x08000000, 0);
    EXPECT_EQ(form.styleNames, (Names{"WS_DISABLED"}));
    EXPECT_EQ(form.stateTicks, Ticks{});
}

TEST_F(WinStyleTest, MaximizedAndMinimizedTickTheirEntries) {
    Decode(0x01000000, 0);
    EXPECT_EQ(form.styleNames, (Names{"WS_MAXIMIZE"}));
    EXPECT_EQ(form.stateTicks, TicksAt({kStateEnabled, kStateMaximized}));
    Decode(0x20000000, 0);
    EXPECT_EQ(form.styleNames, (Names{"WS_MINIMIZE"}));
    EXPECT_EQ(form.stateTicks, TicksAt({kStateEnabled, kStateMinimized}));
}

TEST_F(WinStyleTest, NoStylesGiveEmptyListsAndOnlyEnabled) {
    Decode(0, 0);
    EXPECT_TRUE(form.styleNames.empty());
    EXPECT_TRUE(form.exStyleNames.empty());
    EXPECT_EQ(form.stateTicks, TicksAt({kStateEnabled}));
}

TEST_F(WinStyleTest, EveryBitListsEveryNameInTableOrder) {
    Decode(0xFFFFFFFF, 0xFFFFFFFF);
    EXPECT_EQ(form.styleNames,
              (Names{"WS_BORDER", "WS_CAPTION", "WS_CHILD", "WS_CLIPCHILDREN", "WS_CLIPSIBLINGS", "WS_DISABLED",
                     "WS_DLGFRAME", "WS_GROUP", "WS_HSCROLL", "WS_MAXIMIZE", "WS_MAXIMIZEBOX", "WS_MINIMIZE",
                     "WS_MINIMIZEBOX", "WS_POPUP", "WS_SYSMENU", "WS_TABSTOP", "WS_THICKFRAME", "WS_VISIBLE",
                     "WS_VSCROLL", "ES_READONLY"}));
    EXPECT_EQ(form.exStyleNames,
              (Names{"WS_EX_ACCEPTFILES", "WS_EX_DLGMODALFRAME", "WS_EX_NOPARENTNOTIFY", "WS_EX_TOPMOST",
                     "WS_EX_TRANSPARENT", "WS_EX_MDICHILD", "WS_EX_TOOLWINDOW", "WS_EX_WINDOWEDGE",
                     "WS_EX_CLIENTEDGE", "WS_EX_CONTEXTHELP", "WS_EX_RIGHT", "WS_EX_RTLREADING",
                     "WS_EX_LEFTSCROLLBAR", "WS_EX_CONTROLPARENT", "WS_EX_STATICEDGE", "WS_EX_APPWINDOW"}));
    EXPECT_EQ(form.stateTicks, TicksAt({kStateVisible, kStateTopMost, kStateReadOnly, kStateMaximized,
                                       kStateMinimized}));
}

TEST_F(WinStyleTest, BitsWithoutANameAreNotShown) {
    // Class-specific bits other than 0x0800 and the unnamed extended bits.
    Decode(0x000007FF | 0x0000F000, 0xFFF80802);
    EXPECT_TRUE(form.styleNames.empty());
    EXPECT_TRUE(form.exStyleNames.empty());
}

TEST(StyleDecoding, NamesOnlyEntriesToTickNeverOnesToUntick) {
    // A disabled, hidden window ticks nothing: the fill has unticked all before.
    EXPECT_TRUE(DecodeStyles(0x08000000, kWindowStyleTable).ticks.empty());
    EXPECT_EQ(DecodeStyles(0x10000000, kWindowStyleTable).ticks,
              (std::vector<int>{kStateEnabled, kStateVisible}));
}

TEST_F(WinStyleTest, DecodingTwiceDoesNotDoubleTheLists) {
    Decode(0x14CF0000, 0x00040100);
    const Names basic = form.styleNames, extended = form.exStyleNames;
    form.Fill();
    EXPECT_EQ(form.styleNames, basic);
    EXPECT_EQ(form.exStyleNames, extended);
}

TEST(StyleDecoding, StylesOfAVanishedWindowReadAsZeroListNothingAndTickOnlyEnabled) {
    const StyleDecoding basic = DecodeStyles(0, kWindowStyleTable);
    const StyleDecoding extended = DecodeStyles(0, kExtendedStyleTable);
    EXPECT_TRUE(basic.names.empty());
    EXPECT_TRUE(extended.names.empty());
    EXPECT_EQ(basic.ticks, std::vector<int>{kStateEnabled});
    EXPECT_TRUE(extended.ticks.empty());
}

TEST_F(WinStyleTest, FillUnticksWhatThePreviousWindowTicked) {
    WindowSpec maximized;
    maximized.style = 0x11000000;
    maximized.exStyle = 0x00000008;
    form.SnapHwnd = desk.CreateWindow(maximized);
    form.Fill();
    EXPECT_EQ(form.stateTicks, TicksAt({kStateVisible, kStateEnabled, kStateTopMost, kStateMaximized}));

    form.stateTicks[kStateClose] = true;
    WindowSpec plain;
    plain.style = 0x08000000;
    form.SnapHwnd = desk.CreateWindow(plain);
    form.Fill();
    EXPECT_EQ(form.stateTicks, Ticks{});
    EXPECT_EQ(form.texts.style, "8000000");
    EXPECT_EQ(form.styleNames, (Names{"WS_DISABLED"}));
}

class ClassStyleTest : public DesktopTest {
protected:
    void Decode(std::uint32_t classStyle) {
        WindowSpec s;
        s.className = "Button";
        s.classStyle = classStyle;
        form.SnapHwnd = desk.CreateWindow(s);
        form.texts.className = "Button";
        form.Fill();
    }
};

TEST_F(ClassStyleTest, NamesInAlphabeticalOrderAndDecimalValue) {
    Decode(0x000B);
    EXPECT_EQ(form.classStyleNames, (Names{"CS_DBLCLKS", "CS_HREDRAW", "CS_VREDRAW"}));
    EXPECT_EQ(form.texts.classStyleValue, " 11");
    EXPECT_EQ(form.texts.classTabName, "Button");
}

TEST_F(ClassStyleTest, ZeroShowsNoClassInfo) {
    Decode(0);
    EXPECT_EQ(form.classStyleNames, (Names{"无类信息"}));
    EXPECT_EQ(form.texts.classStyleValue, " 0");
}

TEST_F(ClassStyleTest, BitsOutsideTheTableAreNotNamed) {
    Decode(0x00020000);
    EXPECT_EQ(form.classStyleNames, (Names{"无类信息"}));
    EXPECT_EQ(form.texts.classStyleValue, " 131072");
    Decode(0x00020008);
    EXPECT_EQ(form.classStyleNames, (Names{"CS_DBLCLKS"}));
    Decode(0x00010000);
    EXPECT_EQ(form.classStyleNames, (Names{"无类信息"}));
}

TEST_F(ClassStyleTest, NegativeValueHasNoBlankBeforeTheSign) {
    Decode(0x80000000u);
    EXPECT_EQ(form.texts.classStyleValue, "-2147483648");
    EXPECT_EQ(form.classStyleNames, (Names{"无类信息"}));
}

TEST_F(ClassStyleTest, EveryNamedBit) {
    Decode(0x7AEB);
    EXPECT_EQ(form.classStyleNames,
              (Names{"CS_BYTEALIGNCLIENT", "CS_BYTEALIGNWINDOW", "CS_CLASSDC", "CS_DBLCLKS", "CS_GLOBALCLASS",
                     "CS_HREDRAW", "CS_NOCLOSE", "CS_OWNDC", "CS_PARENTDC", "CS_SAVEBITS", "CS_VREDRAW"}));
    EXPECT_EQ(form.texts.classStyleValue, " 31467");
}

TEST_F(ClassStyleTest, ValueStaysDecimalWhateverTheHexSwitch) {
    form.hexDisplay = true;
    Decode(0x4008);
    EXPECT_EQ(form.texts.classStyleValue, " 16392");
    form.hexDisplay = false;
    form.Fill();
    EXPECT_EQ(form.texts.classStyleValue, " 16392");
}

TEST_F(ClassStyleTest, DecodingTwiceDoesNotDoubleTheList) {
    Decode(0x000B);
    form.Fill();
    EXPECT_EQ(form.classStyleNames, (Names{"CS_DBLCLKS", "CS_HREDRAW", "CS_VREDRAW"}));
}

TEST(ClassStyleDecoding, ClassStyleOfAVanishedWindowReadsAsZero) {
    EXPECT_EQ(DecodeClassStyle(0), (Names{"无类信息"}));
    EXPECT_EQ(ClassValueText(0), " 0");
}

TEST_F(ClassStyleTest, FillCopiesTheClassNameFromTheGeneralTab) {
    WindowSpec s;
    s.className = "  Edit";
    s.classStyle = 0x0008;
    form.SnapHwnd = desk.CreateWindow(s);
    form.Fill();
    EXPECT_EQ(form.texts.className, "Edit");
    EXPECT_EQ(form.texts.classTabName, "Edit");
    EXPECT_EQ(form.classStyleNames, (Names{"CS_DBLCLKS"}));
}

TEST_F(ClassStyleTest, HungWindowLeavesTheClassTabAndStylesEmpty) {
    WindowSpec s;
    s.style = 0x14CF0000;
    s.classStyle = 0x000B;
    form.SnapHwnd = desk.CreateWindow(s);
    desk.Window(form.SnapHwnd).hung = true;
    form.Fill();
    EXPECT_TRUE(form.styleNames.empty());
    EXPECT_TRUE(form.classStyleNames.empty());
    EXPECT_EQ(form.texts.classStyleValue, "");
    EXPECT_EQ(form.stateTicks, Ticks{});
}

}  // namespace
}  // namespace lumivex::test
