#include <string>

#include "readers/menu_reader.h"
#include "tree/array_ops.h"
#include "readers_fixture.h"

namespace lumivex::test {
namespace {

class MenuReaderTest : public ReadersTest {
protected:
    // 文件 holding 打开, a separator and 退出.
    Hmenu FileMenuBar() {
        const Hmenu file = desk.CreateMenu();
        desk.AppendMenu(file, "打开(&O)\tCtrl+O", 101);
        desk.AppendSeparator(file);
        desk.AppendMenu(file, "退出", 102);
        const Hmenu bar = desk.CreateMenu();
        desk.AppendMenu(bar, "文件", 0, file);
        return bar;
    }
    Hmenu SystemMenu() {
        const Hmenu sys = desk.CreateMenu();
        desk.AppendMenu(sys, "还原", 0xF120);
        desk.AppendMenu(sys, "关闭", 0xF060);
        return sys;
    }
};

TEST_F(MenuReaderTest, MenuBarOrElseSystemMenu) {
    const struct {
        const char* name;
        bool bar, sys;
        const char* text;
    } cases[] = {
        {"menu bar", true, false, "文件\r\n打开(&O)\tCtrl+O\r\n--------------------\r\n退出"},
        {"menu bar before system menu", true, true, "文件\r\n打开(&O)\tCtrl+O\r\n--------------------\r\n退出"},
        {"system menu only", false, true, "还原\r\n关闭"},
        {"neither", false, false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Hwnd w = Dialog();
        if (c.bar) desk.Window(w).menu = FileMenuBar();
        if (c.sys) desk.Window(w).systemMenu = SystemMenu();
        EXPECT_EQ(ReadMenuText(desk, w), c.text);
    }
    EXPECT_EQ(ReadMenuText(desk, 0), "");
    EXPECT_EQ(ReadMenuText(desk, 0x7FFF0000), "");
}

TEST_F(MenuReaderTest, ItemsSharingAnIdentifierShowTheFirst) {
    const Hmenu bar = desk.CreateMenu();
    desk.AppendMenu(bar, "甲", 7);
    desk.AppendMenu(bar, "乙", 7);
    const Hwnd w = Dialog();
    desk.Window(w).menu = bar;
    EXPECT_EQ(ReadMenuText(desk, w), "甲\r\n甲");
}

TEST_F(MenuReaderTest, MenusThatContainThemselvesEnd) {
    const Hmenu a = desk.CreateMenu(), b = desk.CreateMenu();
    desk.AppendMenu(a, "a1", 1);
    desk.AppendMenu(a, "to b", 0, b);
    desk.AppendMenu(b, "b1", 2);
    desk.AppendMenu(b, "back to a", 0, a);
    desk.AppendMenu(a, "itself", 0, a);
    const Hwnd w = Dialog();
    desk.Window(w).menu = a;
    // Looked up by identifier, the last item (whose identifier is a's handle)
    // finds "back to a" first: the lookup's known limit, not a loop.
    EXPECT_EQ(ReadMenuText(desk, w), "a1\r\nto b\r\nb1\r\nback to a\r\nback to a");
}

TEST_F(MenuReaderTest, DepthAndLinesAreBounded) {
    // Forty nested menus, one item each: 32 levels are read.
    Hmenu inner = desk.CreateMenu();
    desk.AppendMenu(inner, "deepest", 1);
    for (int level = 0; level < 39; ++level) {
        const Hmenu outer = desk.CreateMenu();
        desk.AppendMenu(outer, "level", 0, inner);
        inner = outer;
    }
    ValueArray lines;
    CollectMenuItems(desk, inner, inner, lines);
    EXPECT_EQ(ArrayCount(lines), 32);

    const Hmenu lying = desk.CreateMenu();
    desk.AppendMenu(lying, "only", 1);
    desk.faults.menuCountLies[lying] = 2000000000;
    ReadLimits limits;
    limits.maxMenuLines = 500;
    ValueArray many;
    CollectMenuItems(desk, lying, lying, many, limits);
    EXPECT_EQ(ArrayCount(many), 500);
}

}  // namespace
}  // namespace lumivex::test
