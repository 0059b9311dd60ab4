#include <string>

#include "readers/reader_dispatch.h"
#include "text/font_report.h"
#include "readers_fixture.h"
#include "text/charset_table.h"
#include "text/reader_choice.h"

namespace lumivex::test {
namespace {

class ReaderDispatchTest : public ReadersTest {
protected:
    CharsetTable charsets;
    Hwnd dialog = 0, edit = 0, listBox = 0, listView = 0, tree = 0;

    void SetUp() override {
        InitCharsetTable(charsets);
        dialog = Dialog();
        WindowSpec s;
        s.className = "Edit";
        s.text = "第一行\r\n第二行";
        s.style = win::WS_CHILD | win::WS_VISIBLE;
        s.parent = dialog;
        edit = desk.CreateWindow(s);
        listBox = sim::CreateListBox(desk, dialog, {"a", "b"});
        desk.Window(listBox).text = "listbox caption";
        listView = sim::CreateListView(desk, dialog, {{"x", "y"}}, 2);
        tree = sim::CreateTreeView(desk, dialog, {{"根", false, {{"叶", false, {}}}}});
        const Hmenu bar = desk.CreateMenu();
        desk.AppendMenu(bar, "帮助", 9);
        desk.Window(dialog).menu = bar;
    }
};

TEST_F(ReaderDispatchTest, EachKeyRunsItsReader) {
    const struct {
        const char* key;
        Hwnd window;
        const char* text;
    } cases[] = {
        {"GetWindowText", edit, "第一行\r\n第二行"},
        {"GetListViewText", listView, "x\ty"},
        {"GetTreeViewText", tree, "根"},
        {"GetListBoxText", listBox, "a\r\nb"},
        {"GetComboBoxText", listBox, "a\r\nb"},  // the window decides, not the key
        {"GetMenuText", dialog, "帮助"},
        {"getlistboxtext", listBox, "listbox caption"},  // exact keys only
        {"", edit, "第一行\r\n第二行"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        const ReaderOutput out = RunReader(desk, charsets, c.key, c.window);
        EXPECT_EQ(out.text, c.text);
        EXPECT_EQ(out.message, "");
        EXPECT_EQ(out.note, "");
    }
}

TEST_F(ReaderDispatchTest, FontInfoIsTheLogFontReport) {
    const ReaderOutput out = RunReader(desk, charsets, "GetFontInfo", edit);
    EXPECT_EQ(out.text, GetFontText(desk, charsets, edit, kFontReport));
    EXPECT_EQ(out.text.rfind("LOGFONT", 0), 0u);
}

TEST_F(ReaderDispatchTest, WindowTextIsAskedUpToOneHundredMegaCharacters) {
    Answer(desk.Window(edit), win::WM_GETTEXTLENGTH, 2000000000);
    desk.log.Clear();
    RunReader(desk, charsets, "GetWindowText", edit);
    ASSERT_EQ(desk.log.Messages().size(), 2u);
    EXPECT_EQ(desk.log.Messages()[1].wParam, Wparam{104857600} + 1);
    desk.Window(edit).hung = true;
    EXPECT_EQ(RunReader(desk, charsets, "GetWindowText", edit).text, "(未响应)");
}

TEST_F(ReaderDispatchTest, ListViewOfEmptyCellsShowsNothing) {
    const Hwnd blank = sim::CreateListView(desk, dialog, {{"", "  "}, {" ", ""}}, 2);
    EXPECT_EQ(RunReader(desk, charsets, "GetListViewText", blank).text, "");
    // A lone line break is content: only TABs and CR LF pairs are separators.
    const Hwnd lone = sim::CreateListView(desk, dialog, {{"", "\n"}}, 2);
    EXPECT_EQ(RunReader(desk, charsets, "GetListViewText", lone).text, "\t\n");
}

TEST_F(ReaderDispatchTest, ErrorsBecomeMessagesAndHaltsBecomeNotes) {
    ProcessOf(listView).wow64QueryFails = true;
    const ReaderOutput failed = RunReader(desk, charsets, "GetListViewText", listView);
    EXPECT_EQ(failed.text, "");
    EXPECT_EQ(failed.message, "IsWow64Process 执行失败\"");
    ProcessOf(listView).wow64QueryFails = false;

    ReaderOptions program32;
    program32.programIs64Bit = false;
    desk.callerIs64Bit = false;
    EXPECT_EQ(RunReader(desk, charsets, "GetTreeViewText", tree, program32).message,
              "目标是 64 位程序的树控件，请使用 64 位版本的 Lumivex 读取");

    VanishAt(desk, listBox, win::LB_GETTEXTLEN, 1);
    const ReaderOutput halted = RunReader(desk, charsets, "GetListBoxText", listBox);
    EXPECT_EQ(halted.text, "a");
    EXPECT_EQ(halted.note, kStoppedAnsweringNote);
}

TEST_F(ReaderDispatchTest, HandleOfNoWindowReadsNothingQuietly) {
    for (const char* key : {"GetListViewText", "GetTreeViewText", "GetListBoxText", "GetMenuText", "GetWindowText"}) {
        SCOPED_TRACE(key);
        const ReaderOutput out = RunReader(desk, charsets, key, 0x7FFF0000);
        EXPECT_EQ(out.text, "");
        EXPECT_EQ(out.message, "");
        EXPECT_EQ(out.note, "");
    }
}

TEST(ReaderDescriptionTest, ToolTipsByKey) {
    const char* expected[] = {"获取窗口标题或控件文本", "获取 ListView 列表文本", "获取 TreeView 树控件文本",
                              "获取列表框文本", "获取组合框文本", "获取窗体菜单文本", "获取字体信息文本"};
    for (std::size_t i = 0; i < kReaderChoices.size(); ++i) {
        SCOPED_TRACE(kReaderChoices[i].key);
        EXPECT_EQ(ReaderDescription(kReaderChoices[i].key), expected[i]);
    }
    EXPECT_EQ(ReaderDescription("GetSomethingElse"), "");
    EXPECT_EQ(ReaderDescription("getwindowtext"), "");
}

}  // namespace
}  // namespace lumivex::test

namespace lumivex::test {
namespace {

// A window that stops answering says how much of it was read: a part, or
// nothing at all.
TEST_F(ReaderDispatchTest, AReadCutShortSaysWhetherAnythingWasRead) {
    const struct {
        const char* key;
        Hwnd target;
        std::uint32_t stopsAt;  // the message after which its thread is busy
        const char* text;
        const std::string& note;
    } cases[] = {
        {"GetListBoxText", listBox, win::LB_GETCOUNT, "", kNothingReadNote},
        {"GetTreeViewText", tree, win::TVM_GETCOUNT, "", kNothingReadNote},
        {"GetListBoxText", listBox, win::LB_GETTEXT, "a", kStoppedAnsweringNote},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " busy after " + std::to_string(c.stopsAt));
        const Hwnd target = c.target;
        desk.Window(target).threadId = 9090;
        desk.Window(target).hook = [this, stopsAt = c.stopsAt](sim::SimWindow&, std::uint32_t msg, Wparam,
                                                                Lparam) -> std::optional<Lresult> {
            if (msg == stopsAt) desk.busyThreads[9090] = 60000;
            return std::nullopt;
        };
        const ReaderOutput out = RunReader(desk, charsets, c.key, target);
        EXPECT_EQ(out.text, c.text);
        EXPECT_EQ(out.note, c.note);
        EXPECT_EQ(out.message, "");
        desk.busyThreads.clear();
        desk.Window(target).hook = nullptr;
    }
}

}  // namespace
}  // namespace lumivex::test
