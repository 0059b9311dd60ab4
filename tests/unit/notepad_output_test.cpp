#include <string>

#include "readers/notepad_output.h"
#include "readers_fixture.h"
#include "sim_notepad.h"

namespace lumivex::test {
namespace {

class NotepadOutputTest : public ReadersTest {
protected:
    NotepadOutputTest() { InstallNotepad(desk); }

    NotepadState state;

    Hwnd EditOf(Hwnd notepad) { return desk.FindWindowExA(notepad, 0, "Edit", nullptr); }
    std::string TextOf(Hwnd hwnd) { return desk.Window(hwnd).text; }
    NotepadResult Show(const std::string& text) { return ShowInNotepad(desk, state, text); }
};

TEST(NotepadPlacementTest, CentredByWayOfTwips) {
    const struct {
        int width, height, dpi;
        std::int32_t x, y;
    } cases[] = {
        {1920, 1080, 96, 660, 340},
        {1280, 800, 96, 340, 200},
        {1365, 767, 96, 382, 183},   // halves round down
        {1920, 1080, 120, 468, 232},  // 1536 x 864 in fifteenths of a twip-inch
        {1000, 700, 144, 33, 33},     // 666.67 x 466.67 pixels' worth
        {599, 399, 96, -1, -1},       // below zero, halves round down too
        {500, 300, 96, -50, -50},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height) + "@" + std::to_string(c.dpi));
        const Point place = CentredPlace(c.width, c.height, c.dpi, 600, 400);
        EXPECT_EQ(place.x, c.x);
        EXPECT_EQ(place.y, c.y);
    }
}

TEST(NotepadLineBreaksTest, EveryBreakBecomesCrLf) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"a\nb", "a\r\nb"},  {"a\r\nb", "a\r\nb"}, {"a\rb", "ab"},       {"a\r\n", "a\r\n"},
        {"\n\n", "\r\n\r\n"}, {"a\r\r\nb", "a\r\nb"}, {"\ta b", "\ta b"}, {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(NormaliseLineBreaks(c.in), c.out);
    }
}

TEST(NotepadTextPiecesTest, CutAfterALineBreakOrBetweenWholeCharacters) {
    const struct {
        const char16_t* text;
        std::size_t pieceUnits;
        std::vector<std::size_t> ends;
    } cases[] = {
        {u"", 4, {0}},
        {u"abcd", 4, {4}},
        {u"ab\r\ncd\r\nef", 5, {4, 8, 10}},
        {u"a\r\nbcdefgh", 5, {3, 8, 10}},    // no break in the second piece: cut where it is full
        {u"abcd\U0001F600ef", 5, {4, 8}},     // the pair is not split
        {u"\r\n\r\n\r\n", 3, {2, 4, 6}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.pieceUnits) + " " + std::to_string(std::u16string(c.text).size()));
        EXPECT_EQ(TextPieceEnds(c.text, c.pieceUnits), c.ends);
    }
}

TEST_F(NotepadOutputTest, BlankTextStartsNothing) {
    for (const char* text : {"", " ", "     "}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(Show(text).outcome, NotepadOutcome::NothingToShow);
    }
    EXPECT_TRUE(desk.log.Texts("CreateProcessA").empty());
    EXPECT_TRUE(desk.log.Messages().empty());
    // Other white space is shown.
    EXPECT_EQ(Show("\t").outcome, NotepadOutcome::Shown);
}

// A newer Notepad: notepad.exe hands the window to a process of its own and
// writes into a rich edit a level down. A Notepad the user had open is not it.
TEST_F(NotepadOutputTest, ANewerNotepadIsFoundAndWrittenTo) {
    const Hwnd users = CreateNotepad(desk, 0x777);
    NotepadModel newer;
    newer.handsOffWindow = newer.richEdit = true;
    InstallNotepad(desk, newer);
    ASSERT_EQ(Show("사진 😀").outcome, NotepadOutcome::Shown);
    ASSERT_NE(state.window, users);
    std::uint32_t owner = 0;
    desk.GetWindowThreadProcessId(state.window, &owner);
    EXPECT_EQ(state.processId, owner);
    const Hwnd box = desk.FindWindowExA(state.window, 0, "NotepadTextBox", nullptr);
    const Hwnd editor = desk.FindWindowExA(box, 0, "RichEditD2DPT", nullptr);
    EXPECT_EQ(TextOf(editor), "사진 😀");
    EXPECT_EQ(TextOf(EditOf(users)), "");
    // Found again for the next text, not started anew.
    ASSERT_EQ(Show("next").outcome, NotepadOutcome::Shown);
    EXPECT_EQ(desk.log.Count("CreateProcessA"), 1u);
    EXPECT_EQ(TextOf(editor), "next");
}

// The monitor's pixels are physical: a scaled screen centres Notepad too.
TEST_F(NotepadOutputTest, CentredOnAScaledScreen) {
    desk.SetScreenSize(1920, 1080);
    desk.SetDpi(144);
    ASSERT_EQ(Show("text").outcome, NotepadOutcome::Shown);
    EXPECT_EQ(desk.Window(state.window).rect, (Rect{660, 340, 1260, 740}));
}

TEST_F(NotepadOutputTest, StartsNotepadAndShowsTheText) {
    desk.SetScreenSize(1920, 1080);
    const NotepadResult result = Show("第一行\n第二行");
    EXPECT_EQ(result.outcome, NotepadOutcome::Shown);
    EXPECT_EQ(result.message, "");
    // By its full path: a notepad.exe in the current folder is not run.
    ASSERT_EQ(desk.log.Texts("CreateProcessA"), std::vector<std::string>{"\"C:\\Windows\\system32\\notepad.exe\""});
    ASSERT_NE(state.window, 0u);
    EXPECT_EQ(TextOf(state.window), "无标题文档 - 记事本");
    EXPECT_EQ(TextOf(EditOf(state.window)), "第一行\r\n第二行");
    const Rect rect = desk.Window(state.window).rect;
    EXPECT_EQ(rect, (Rect{660, 340, 1260, 740}));
    EXPECT_TRUE(desk.Window(state.window).exStyle & win::WS_EX_TOPMOST);
    // Nothing waits for Notepad's thread: positions are posted, texts sent through the door.
    for (const auto& call : desk.log.Changes()) {
        if (call.name == "SetWindowPos") {
            EXPECT_TRUE(call.b & win::SWP_ASYNCWINDOWPOS);
        }
    }
    EXPECT_TRUE(AllSendsTimed());
}

TEST_F(NotepadOutputTest, WithoutTopmostTheZOrderIsLeftAlone) {
    ShowInNotepad(desk, state, "x", kNotepadTitle, 600, 400, false);
    EXPECT_FALSE(desk.Window(state.window).exStyle & win::WS_EX_TOPMOST);
}

// Our Notepad is reused while nothing the user did to it would be lost;
// otherwise the next text goes to a new one and the old keeps its text.
TEST_F(NotepadOutputTest, ReusedOnlyWhileTheUserLeftItAlone) {
    const struct {
        const char* what;
        void (*touch)(sim::SimDesktop&, Hwnd notepad, Hwnd edit);
        bool reused;
    } cases[] = {
        {"untouched", [](sim::SimDesktop&, Hwnd, Hwnd) {}, true},
        {"typed into", [](sim::SimDesktop& d, Hwnd, Hwnd edit) { d.Window(edit).modified = true; }, false},
        {"saved under a name", [](sim::SimDesktop& d, Hwnd notepad, Hwnd) {
             d.Window(notepad).text = "笔记.txt - 记事本";
         }, false},
        {"not answering", [](sim::SimDesktop& d, Hwnd, Hwnd edit) { d.Window(edit).hung = true; }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        state = {};
        Show("first");
        const Hwnd first = state.window, firstEdit = EditOf(first);
        c.touch(desk, first, firstEdit);
        const std::string before = desk.Window(firstEdit).text;
        EXPECT_EQ(Show("second").outcome, NotepadOutcome::Shown);
        EXPECT_EQ(state.window == first, c.reused);
        EXPECT_EQ(TextOf(EditOf(state.window)), "second");
        EXPECT_EQ(TextOf(state.window), "无标题文档 - 记事本");
        if (!c.reused) {
            EXPECT_EQ(desk.Window(firstEdit).text, before);
        }
        desk.DestroyWindow(first);
        if (state.window != first) desk.DestroyWindow(state.window);
    }
    EXPECT_EQ(desk.blockingCallsToUnresponsive, 0);
}

TEST_F(NotepadOutputTest, TheUsersNotepadIsNeverWrittenTo) {
    const Hwnd users = CreateNotepad(desk, 777);
    desk.Window(EditOf(users)).text = "unsaved work";
    Show("ours");
    EXPECT_NE(state.window, users);
    EXPECT_EQ(desk.Window(EditOf(users)).text, "unsaved work");
    // A handle that now names the user's Notepad is not taken for ours.
    NotepadState stale{users, state.processId, {}};
    desk.DestroyWindow(state.window);
    ShowInNotepad(desk, stale, "again");
    EXPECT_NE(stale.window, users);
    EXPECT_EQ(desk.Window(EditOf(users)).text, "unsaved work");
    EXPECT_EQ(desk.log.Count("CreateProcessA"), 2u);
}

TEST_F(NotepadOutputTest, ClosedNotepadIsStartedAgain) {
    Show("one");
    desk.DestroyWindow(state.window);
    Show("two");
    EXPECT_EQ(desk.log.Count("CreateProcessA"), 2u);
    EXPECT_EQ(TextOf(EditOf(state.window)), "two");
}

TEST_F(NotepadOutputTest, WaitsForAWindowThatComesLate) {
    NotepadModel slow;
    slow.startupMs = 120;
    InstallNotepad(desk, slow);
    EXPECT_EQ(Show("late").outcome, NotepadOutcome::Shown);
    EXPECT_EQ(desk.sleptMs, 150u);  // three polls of 50 ms
    EXPECT_EQ(TextOf(EditOf(state.window)), "late");
}

TEST_F(NotepadOutputTest, TheWaitIsBounded) {
    NotepadModel slow;
    slow.startupMs = 6000;
    InstallNotepad(desk, slow);
    const NotepadResult result = Show("text");
    EXPECT_EQ(result.outcome, NotepadOutcome::WindowDidNotAppear);
    EXPECT_EQ(result.message, "记事本窗口没有出现，无法显示文本。");
    EXPECT_EQ(desk.sleptMs, kNotepadWaitMs);
    // The window that came after the wait serves the next hand-off.
    desk.Sleep(2000);
    EXPECT_EQ(Show("next").outcome, NotepadOutcome::Shown);
    EXPECT_EQ(desk.log.Count("CreateProcessA"), 1u);
    EXPECT_EQ(TextOf(EditOf(state.window)), "next");
}

TEST_F(NotepadOutputTest, FailuresAreToldToTheUser) {
    desk.faults.createProcessFails = true;
    const NotepadResult notStarted = Show("text");
    EXPECT_EQ(notStarted.outcome, NotepadOutcome::NotStarted);
    EXPECT_EQ(notStarted.message, "无法启动记事本，无法显示文本。");
    desk.faults.createProcessFails = false;

    Show("text");
    // Answers whether it was typed into, then does not take the text.
    desk.Window(EditOf(state.window)).failingTimedSends.insert(win::WM_SETTEXT);
    const NotepadResult hung = Show("more");
    EXPECT_EQ(hung.outcome, NotepadOutcome::NotAnswering);
    EXPECT_FALSE(hung.message.empty());

    desk.Window(EditOf(state.window)).failingTimedSends.clear();
    desk.DestroyWindow(EditOf(state.window));
    EXPECT_EQ(Show("more").outcome, NotepadOutcome::NoEditControl);
}

}  // namespace
}  // namespace lumivex::test
