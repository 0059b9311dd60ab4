// Texts in any script, from other programs' windows to the screen and
// Notepad, and the rule by which limits cut them.
#include <gtest/gtest.h>

#include "desktop_tree/child_rows.h"
#include "desktop_tree/window_tree.h"
#include "platform/sim/sim_controls.h"
#include "platform/text_limit.h"
#include "readers/list_items_reader.h"
#include "readers/list_view_reader.h"
#include "readers/menu_reader.h"
#include "readers/notepad_output.h"
#include "readers/tree_view_reader.h"
#include "sim_fixture.h"

namespace lumivex::test {
namespace {

TEST(TextLimitTest, BytesOfTheCodePageForItsTextsUnitsForOthers) {
    sim::SimDesktop desk;  // code page 936: a Chinese character is two bytes
    const std::u16string emojis = u"😀😀😀";
    const struct {
        std::u16string text;
        std::size_t limit;
        std::string kept;
    } cases[] = {
        {u"abcdef", 4, "abcd"},
        {u"中文字", 4, "中文"},
        {u"中文字", 5, "中文"},       // never half a character
        {u"a中文", 4, "a中"},
        {u"€中", 2, "€"},            // € is one byte in this code page
        {u"사진 테스트", 4, "사진 테"},  // Korean is not: four units
        {u"中文😀", 3, "中文"},        // nor is an emoji: the pair stays whole
        {emojis, 5, "😀😀"},
        {std::u16string(u"ab") + char16_t(0xD83D), 8, "ab"},  // a pair a buffer cut in two
        {u"", 3, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kept);
        EXPECT_EQ(TextWithin(desk, c.text, c.limit), c.kept);
    }
    // Long texts of the code page are cut by runs, then by characters.
    const std::u16string longText = std::u16string(300, u'a') + std::u16string(300, u'中');
    EXPECT_EQ(UnitsWithin(desk, longText, 501), 300u + 100u);
    EXPECT_EQ(LimitLength(desk, u"中文ab"), 6u);
    EXPECT_EQ(LimitLength(desk, u"사진ab"), 4u);
}

class UnicodeTextsTest : public DesktopTest {
protected:
    static constexpr const char* kTitle = "사진 테스트 € ✓ 😀";
};

TEST_F(UnicodeTextsTest, EveryReaderHandsOnTheTextsWhole) {
    for (const bool target64 : {true, false}) {
        SCOPED_TRACE(target64 ? "64-bit target" : "32-bit target");
        const std::uint32_t pid = target64 ? 1000 : 1004;
        desk.AddProcess(pid, "\\Device\\HarddiskVolume1\\사진\\app.exe").is64Bit = target64;
        if (target64) desk.AddDrive("C:\\", "\\Device\\HarddiskVolume1");
        const Hwnd dialog = TopLevel(kTitle, {100, 100, 500, 400}, pid);
        const Hwnd label = Child(dialog, "Static", "😀 € ✓", {110, 110, 200, 130});
        const Hwnd list = sim::CreateListBox(desk, dialog, {"사진 테스트", "€ ✓", "😀"});
        const Hwnd view = sim::CreateListView(desk, dialog, {{"사진 테스트", "😀"}}, 2);
        const Hwnd tree = sim::CreateTreeView(desk, dialog, {{"사진 테스트", true, {{"€ ✓ 😀", false, {}}}}});
        const Hmenu bar = desk.CreateMenu();
        desk.AppendMenu(bar, "사진(&P) 😀", 1);
        desk.Window(dialog).menu = bar;

        form.SnapHwnd = dialog;
        form.Fill();
        EXPECT_EQ(form.texts.title, kTitle);
        EXPECT_EQ(form.texts.programPath, "C:\\사진\\app.exe");
        EXPECT_EQ(form.texts.related[kChild].title, "😀 € ✓");
        EXPECT_EQ(TreeTitle(desk, dialog), kTitle);
        EXPECT_NE(ChildRow(desk, label, true).find("标题:😀 € ✓"), std::string::npos);

        EXPECT_EQ(ReadListItems(desk, list).text, "사진 테스트\r\n€ ✓\r\n😀");
        EXPECT_EQ(ReadListView(desk, view).text, "사진 테스트\t😀");
        EXPECT_EQ(ReadTreeView(desk, tree).text, "사진 테스트\r\n€ ✓ 😀");
        EXPECT_EQ(ReadMenuText(desk, dialog), "사진(&P) 😀");

        NotepadState notepad;
        ASSERT_EQ(ShowInNotepad(desk, notepad, kTitle, kTitle).outcome, NotepadOutcome::Shown);
        EXPECT_EQ(desk.Window(notepad.window).text, kTitle);
        const Hwnd edit = desk.FindWindowExA(notepad.window, 0, "Edit", nullptr);
        EXPECT_EQ(desk.Window(edit).text, kTitle);
        desk.DestroyWindow(dialog);
    }
}

}  // namespace
}  // namespace lumivex::test
