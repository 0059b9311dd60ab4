// The tools tab's read button and the delayed read's hand-off to Notepad,
// through the main window's model.
#include <gtest/gtest.h>

#include "platform/sim/sim_controls.h"
#include "sim_fixture.h"
#include "text/reader_choice.h"

namespace lumivex::test {
namespace {

class MainFormReadTest : public DesktopTest {
protected:
    Hwnd dialog = 0, list = 0, other = 0, empty = 0;

    void SetUp() override {
        desk.AddProcess(1000, "\\Device\\HarddiskVolume1\\app.exe").is64Bit = true;
        dialog = TopLevel("Lists", {100, 100, 500, 400});
        list = sim::CreateListBox(desk, dialog, {"甲", "b", "c"});
        other = sim::CreateListBox(desk, dialog, {"x", "y"});
        empty = sim::CreateListBox(desk, dialog, {});
        desk.Window(list).rect = {110, 110, 200, 200};
        desk.Window(other).rect = {210, 110, 300, 200};
        desk.Window(empty).rect = {310, 110, 400, 200};
        form.Load();
    }
    void Choose(const std::string& key) {
        for (std::size_t i = 0; i < kReaderChoices.size(); ++i)
            if (key == kReaderChoices[i].key) form.readerChoice = static_cast<int>(i);
    }
    std::string NotepadText() {
        const Hwnd notepad = session.notepad.window;
        if (notepad == 0 || !desk.IsWindow(notepad)) return "(no notepad)";
        const Hwnd edit = desk.GetWindow(notepad, win::GW_CHILD);
        return desk.Window(edit).text;
    }
};

TEST_F(MainFormReadTest, TheReadButtonReadsTheOperationTarget) {
    Choose("GetListBoxText");
    const struct {
        const char* typed;  // the handle field
        Hwnd inspected;
        const char* expected;
    } cases[] = {
        {"", list, "甲\r\nb\r\nc"},       // blank field: the inspected window
        {"   ", list, "甲\r\nb\r\nc"},    // blanks only count as blank
        {nullptr, list, "x\r\ny"},        // a typed handle wins, read as hexadecimal
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed ? c.typed : "typed handle");
        form.SnapHwnd = c.inspected;
        form.texts.tools.handle = c.typed ? c.typed : HexText(other);
        EXPECT_EQ(form.OperationHandle(), c.typed ? list : other);
        form.ReadData();
        FinishRead(form);
        EXPECT_EQ(NotepadText(), c.expected);
        EXPECT_EQ(form.messageForUser, "");
    }
    EXPECT_EQ(desk.log.Count("CreateProcessA"), 1u);  // one Notepad, reused
}

TEST_F(MainFormReadTest, NoWindowOrNothingReadOpensNoNotepad) {
    Choose("GetListBoxText");
    form.SnapHwnd = list;
    form.texts.tools.handle = "7FFF0000";  // not a window
    form.ReadData();
    FinishRead(form);
    form.texts.tools.handle = HexText(empty);
    form.ReadData();
    FinishRead(form);
    EXPECT_TRUE(desk.log.Texts("CreateProcessA").empty());
    EXPECT_EQ(form.messageForUser, "");
}

TEST_F(MainFormReadTest, AReaderFailureIsToldAndNothingShown) {
    Choose("GetListViewText");
    const Hwnd view = sim::CreateListView(desk, dialog, {{"a", "b"}}, 2);
    desk.Process(1000)->openable = false;
    form.SnapHwnd = view;
    form.ReadData();
    FinishRead(form);
    EXPECT_FALSE(form.messageForUser.empty());
    EXPECT_TRUE(desk.log.Texts("CreateProcessA").empty());
}

TEST_F(MainFormReadTest, TheDelayedReadHandsTheListItemsToNotepad) {
    desk.SetCursor({120, 120});
    form.StartDelayedRead();
    while (form.delayedReadTimerOn) form.DelayedReadTick();
    FinishRead(form);
    EXPECT_EQ(form.SnapHwnd, list);
    EXPECT_EQ(NotepadText(), "甲\r\nb\r\nc");
}

TEST_F(MainFormReadTest, TheToolTipFollowsTheReaderChoice) {
    EXPECT_EQ(form.ReaderToolTip(), "获取窗口标题或控件文本");  // index 0 after load
    Choose("GetMenuText");
    EXPECT_EQ(form.ReaderToolTip(), "获取窗体菜单文本");
}

}  // namespace
}  // namespace lumivex::test
