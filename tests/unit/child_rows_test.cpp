// The child-window list's rows and what a row reads back as.
#include <gtest/gtest.h>

#include "desktop_tree/child_rows.h"
#include "sim_fixture.h"

namespace lumivex::test {
namespace {

class ChildRowsTest : public DesktopTest {};

TEST_F(ChildRowsTest, RowsPadHandleAndClassInBothBases) {
    const Hwnd top = TopLevel("t", {0, 0, 100, 100});
    const Hwnd h = Child(top, "Button", "OK", {0, 0, 5, 5});
    ASSERT_EQ(h, 0x100A6u);
    const std::string cls30(30, 'C'), cls31(31, 'C');
    const Hwnd c30 = Child(top, cls30, "", {0, 0, 5, 5});
    const Hwnd c31 = Child(top, cls31, "x", {0, 0, 5, 5});
    const struct { Hwnd hwnd; bool hex; std::string row; } cases[] = {
        {h, true, "100A6     Button" + std::string(24, ' ') + "标题:OK"},
        {h, false, "65702     Button" + std::string(24, ' ') + "标题:OK"},
        {c30, true, "100A8     " + cls30 + "标题:"},
        {c31, true, "100AA     " + cls31 + " 标题:x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        const std::string row = ChildRow(desk, c.hwnd, c.hex);
        EXPECT_EQ(row, c.row);
        EXPECT_EQ(static_cast<Hwnd>(ReadChildRow(row, c.hex)), c.hwnd);
    }
}

TEST_F(ChildRowsTest, AHungChildReadsNotRespondingWithoutWaiting) {
    const Hwnd top = TopLevel("t", {0, 0, 100, 100});
    const Hwnd h = Child(top, "Edit", "text", {0, 0, 5, 5});
    desk.Window(h).hung = true;
    EXPECT_EQ(ChildRows(desk, top, false, true), (std::vector<std::string>{"100A6     Edit" + std::string(26, ' ') + "标题:(未响应)"}));
    EXPECT_EQ(desk.waitedMs, 0u);
}

TEST(ChildRowReadBack, LongAndOddHandleTexts) {
    const struct { const char* row; bool hex; std::int32_t value; } cases[] = {
        {"-2147483648Button" , false, INT32_MIN},
        {"-65562    Button", false, -65562},
        {"2147483647Button", false, 2147483647},
        {"FFFFFFFE  Button", true, -2},
        {"1001A     Button", false, 1001},  // read in the base chosen now
        {"", true, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadChildRow(c.row, c.hex), c.value) << c.row;
}

TEST_F(ChildRowsTest, DirectChildrenOrAllDescendants) {
    const Hwnd top = TopLevel("t", {0, 0, 100, 100});
    const Hwnd a = Child(top, "Button", "a", {0, 0, 5, 5});
    const Hwnd a1 = Child(a, "Static", "a1", {0, 0, 5, 5});
    const Hwnd b = Child(top, "Button", "b", {0, 0, 5, 5});
    EXPECT_EQ(ChildWindows(desk, top, false), (std::vector<Hwnd>{a, b}));
    EXPECT_EQ(ChildWindows(desk, top, true), (std::vector<Hwnd>{a, a1, b}));
    EXPECT_TRUE(ChildWindows(desk, b, true).empty());
    EXPECT_EQ(JoinRows({"x", "y"}), "x\r\ny");
    EXPECT_EQ(JoinRows({}), "");
}

}  // namespace
}  // namespace lumivex::test
