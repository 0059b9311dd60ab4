#include <gtest/gtest.h>


#include "ops/state_list.h"
#include "sim_fixture.h"

namespace lumivex::test {
namespace {

using Ticks = std::array<bool, kStateEntryCount>;
constexpr std::uint32_t kOverlapped = win::WS_VISIBLE | win::WS_CAPTION | 0x00080000;

class StateListTest : public DesktopTest {
protected:
    void SetUp() override {
        target = TopLevel("Target", {10, 10, 300, 200});
        other = TopLevel("Other", {20, 20, 200, 200});
        form.SnapHwnd = target;
        form.Fill();
        desk.log.Clear();
    }
    // A click as the list box makes it: the press toggles the entry, the
    // release reports the entry and its tick.
    void Click(int entry) {
        auto& tick = form.stateTicks[static_cast<std::size_t>(entry)];
        tick = !tick;
        form.ActOnStateEntry(entry, tick);
    }
    std::uint32_t Style() { return desk.Window(target).style; }

    Hwnd target = 0, other = 0;
};

TEST_F(StateListTest, EntriesAndTheirCaptions) {
    const char* expected[kStateEntryCount] = {"窗口可见", "窗口可用", "总在最前", "窗口只读", "最大化",
                                            "最小化",   "还原窗口", "关闭窗口", "激活窗口"};
    for (int i = 0; i < kStateEntryCount; ++i) EXPECT_STREQ(kStateTable[static_cast<std::size_t>(i)].caption, expected[i]);
}

TEST_F(StateListTest, VisibleHidesAndShows) {
    ASSERT_TRUE(form.stateTicks[kStateVisible]);
    Click(kStateVisible);
    EXPECT_FALSE(Style() & win::WS_VISIBLE);
    EXPECT_EQ(desk.log.Changes().back().a, win::SW_HIDE);
    Click(kStateVisible);
    EXPECT_TRUE(Style() & win::WS_VISIBLE);
    EXPECT_EQ(desk.log.Changes().back().a, win::SW_SHOW);
    EXPECT_TRUE(form.stateTicks[kStateVisible]);
}

TEST_F(StateListTest, EnabledDisablesAndEnables) {
    Click(kStateEnabled);
    EXPECT_TRUE(Style() & win::WS_DISABLED);
    Click(kStateEnabled);
    EXPECT_FALSE(Style() & win::WS_DISABLED);
}

TEST_F(StateListTest, TopMostSetsAndClearsTheTopMostPlace) {
    Click(kStateTopMost);
    ASSERT_EQ(desk.log.Changes().size(), 1u);
    EXPECT_EQ(desk.log.Changes()[0].name, "SetWindowPos");
    EXPECT_EQ(static_cast<Hwnd>(desk.log.Changes()[0].a), win::HWND_TOPMOST);
    EXPECT_EQ(desk.log.Changes()[0].b, win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_ASYNCWINDOWPOS);
    EXPECT_TRUE(desk.Window(target).exStyle & win::WS_EX_TOPMOST);
    Click(kStateTopMost);
    EXPECT_EQ(static_cast<Hwnd>(desk.log.Changes()[1].a), win::HWND_NOTOPMOST);
    EXPECT_FALSE(desk.Window(target).exStyle & win::WS_EX_TOPMOST);
}

TEST_F(StateListTest, ReadOnlyIsSentWhateverTheClassAndNeverBlocks) {
    Click(kStateReadOnly);
    ASSERT_EQ(desk.log.Messages().size(), 1u);
    EXPECT_EQ(desk.log.Messages()[0].msg, win::EM_SETREADONLY);
    EXPECT_EQ(desk.log.Messages()[0].wParam, 1u);
    EXPECT_TRUE(desk.log.Messages()[0].withTimeout);
    EXPECT_TRUE(Style() & 0x0800);
    Click(kStateReadOnly);
    EXPECT_EQ(desk.log.Messages()[1].wParam, 0u);
    EXPECT_FALSE(Style() & 0x0800);
}

TEST_F(StateListTest, MaximizeUnticksMinimizeAndUntickingRestores) {
    form.stateTicks[kStateMinimized] = true;
    Click(kStateMaximized);
    EXPECT_TRUE(Style() & win::WS_MAXIMIZE);
    EXPECT_TRUE(form.stateTicks[kStateMaximized]);
    EXPECT_FALSE(form.stateTicks[kStateMinimized]);
    Click(kStateMaximized);
    EXPECT_EQ(desk.log.Changes().back().a, win::SW_RESTORE);
    EXPECT_FALSE(Style() & win::WS_MAXIMIZE);
}

TEST_F(StateListTest, MinimizeUnticksMaximizeAndUntickingRestores) {
    form.stateTicks[kStateMaximized] = true;
    Click(kStateMinimized);
    EXPECT_TRUE(Style() & win::WS_MINIMIZE);
    EXPECT_FALSE(form.stateTicks[kStateMaximized]);
    Click(kStateMinimized);
    EXPECT_EQ(desk.log.Changes().back().a, win::SW_RESTORE);
    EXPECT_FALSE(Style() & win::WS_MINIMIZE);
}

TEST_F(StateListTest, RestoreRestoresAndUnticksItselfAndBothSizes) {
    desk.ShowWindow(target, win::SW_SHOWMAXIMIZED);
    desk.log.Clear();
    form.stateTicks[kStateMaximized] = form.stateTicks[kStateMinimized] = true;
    Click(kStateRestore);
    EXPECT_EQ(desk.log.Names(CallKind::Change), std::vector<std::string>{"ShowWindowAsync"});
    EXPECT_EQ(desk.log.Changes()[0].a, win::SW_RESTORE);
    EXPECT_FALSE(Style() & win::WS_MAXIMIZE);
    EXPECT_FALSE(form.stateTicks[kStateRestore]);
    EXPECT_FALSE(form.stateTicks[kStateMinimized]);
    EXPECT_FALSE(form.stateTicks[kStateMaximized]);
    EXPECT_TRUE(form.stateTicks[kStateVisible]);
}

TEST_F(StateListTest, CloseSendsOneCloseAndUnticksLeavingTheFields) {
    int closes = 0;
    desk.Window(target).hook = [&](sim::SimWindow& w, std::uint32_t msg, Wparam, Lparam) -> std::optional<Lresult> {
        if (msg == win::WM_CLOSE) {
            ++closes;
            desk.DestroyWindow(w.hwnd);
            return 0;
        }
        return std::nullopt;
    };
    const std::string shownHandle = form.texts.handle;
    Click(kStateClose);
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(desk.IsWindow(target));
    EXPECT_FALSE(form.stateTicks[kStateClose]);
    EXPECT_EQ(form.texts.handle, shownHandle);
    EXPECT_EQ(form.SnapHwnd, target);
}

TEST_F(StateListTest, ActivateBringsToTopAndUnticks) {
    ASSERT_EQ(desk.GetWindow(target, win::GW_HWNDFIRST), other);
    Click(kStateActivate);
    EXPECT_EQ(desk.GetWindow(target, win::GW_HWNDFIRST), target);
    EXPECT_FALSE(form.stateTicks[kStateActivate]);
}

TEST_F(StateListTest, ReleaseThatChangesNoTickActsAgain) {
    Click(kStateMaximized);
    desk.ShowWindow(target, win::SW_RESTORE);
    form.stateTicks[kStateMinimized] = true;
    desk.log.Clear();
    // Right button, or below the entries: the tick stays, the row runs again.
    form.ActOnStateEntry(kStateMaximized, true);
    ASSERT_EQ(desk.log.Changes().size(), 1u);
    EXPECT_EQ(desk.log.Changes()[0].a, win::SW_SHOWMAXIMIZED);
    EXPECT_FALSE(form.stateTicks[kStateMinimized]);
    EXPECT_TRUE(Style() & win::WS_MAXIMIZE);
}

TEST_F(StateListTest, ReleaseOnAnUntickedActionEntryDoesNothing) {
    for (int entry : {kStateRestore, kStateClose, kStateActivate}) form.ActOnStateEntry(entry, false);
    EXPECT_TRUE(desk.log.Changes().empty());
    EXPECT_TRUE(desk.log.Messages().empty());
    EXPECT_TRUE(desk.IsWindow(target));
}

TEST_F(StateListTest, NoCurrentEntryDoesNothing) {
    const Ticks before = form.stateTicks;
    for (int index : {-1, int{kStateEntryCount}, 1000}) form.ActOnStateEntry(index, true);
    EXPECT_TRUE(desk.log.Changes().empty());
    EXPECT_EQ(form.stateTicks, before);
}

TEST_F(StateListTest, WithoutAnInspectedWindowOnlyTheTickChanges) {
    MainForm fresh(desk, session);  // right after start-up
    fresh.ActOnStateEntry(kStateVisible, true);
    fresh.ActOnStateEntry(kStateClose, true);
    EXPECT_TRUE(fresh.stateTicks[kStateVisible]);
    EXPECT_TRUE(fresh.stateTicks[kStateClose]);
    EXPECT_TRUE(desk.log.Changes().empty());
    EXPECT_TRUE(desk.log.Messages().empty());
}

TEST_F(StateListTest, VanishedWindowOnlyChangesTheTick) {
    desk.DestroyWindow(target);
    Click(kStateVisible);
    Click(kStateClose);
    EXPECT_FALSE(form.stateTicks[kStateVisible]);
    EXPECT_TRUE(form.stateTicks[kStateClose]);
    EXPECT_TRUE(desk.log.Changes().empty());
    EXPECT_TRUE(desk.log.Messages().empty());
}

// A hung window, one busy for half a minute, and one that stops answering
// right after the hung test: every action still reaches the window (when it
// answers) and nothing waits for its thread.
TEST_F(StateListTest, UnresponsiveTargetsAreActedOnWithoutWaiting) {
    const struct {
        const char* name;
        bool hung;
        std::uint32_t answersAfterMs;
        bool hangsAfterHungTest;
    } targets[] = {{"hung", true, 0, false}, {"busy", false, 30000, false}, {"hangs later", false, 0, true}};
    for (const auto& t : targets) {
        SCOPED_TRACE(t.name);
        sim::SimWindow& w = desk.Window(target);
        w.style = kOverlapped;
        w.hung = t.hung;
        desk.busyThreads[w.threadId] = t.answersAfterMs;
        w.hangsAfterHungTest = t.hangsAfterHungTest;
        form.stateTicks = Ticks{};
        form.stateTicks[kStateVisible] = form.stateTicks[kStateEnabled] = true;
        desk.log.Clear();
        for (int entry = 0; entry < kStateEntryCount; ++entry) {
            if (entry == kStateClose) continue;  // closing would end the round
            Click(entry);
            Click(entry);
        }
        Click(kStateVisible);
        EXPECT_EQ(desk.blockingCallsToUnresponsive, 0);
        for (const auto& m : desk.log.Messages()) EXPECT_TRUE(m.withTimeout);
        for (const auto& c : desk.log.Changes()) {
            EXPECT_NE(c.name, "ShowWindow");
            EXPECT_NE(c.name, "BringWindowToTop");
            if (c.name == "SetWindowPos") {
                EXPECT_TRUE(c.b & win::SWP_ASYNCWINDOWPOS);
            }
        }
        // The ticks tell what was done: the window was hidden.
        EXPECT_FALSE(form.stateTicks[kStateVisible]);
        EXPECT_FALSE(desk.Window(target).style & win::WS_VISIBLE);
    }
}

TEST_F(StateListTest, ActionsGoToTheInspectedWindowOnly) {
    for (int entry : {kStateVisible, kStateEnabled, kStateTopMost, kStateMaximized, kStateActivate}) Click(entry);
    ASSERT_FALSE(desk.log.Changes().empty());
    for (const auto& c : desk.log.Changes()) EXPECT_EQ(c.hwnd, target) << c.name;
    EXPECT_EQ(desk.Window(other).style, kOverlapped);
}

}  // namespace
}  // namespace lumivex::test
