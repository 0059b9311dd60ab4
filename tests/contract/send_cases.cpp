// Timed sends to windows whose threads answer, are busy, are at a slow
// message, or hang: the one door for cross-process messages (send.h) and
// the readers' kept blocks stand on these answers.
#include "contract_win.h"
#include "world.h"

namespace lumivex::contract {

namespace {

// Long enough for a window that answers, even on a loaded machine.
constexpr std::uint32_t kAnswerMs = 5000;
// What the program waits on a window that does not answer in time.
constexpr std::uint32_t kShortMs = 200;
// Far beyond the run's own deadline: a send that waited for it instead of
// failing at once would end the run.
constexpr std::uint32_t kBeyondTheRunMs = 10 * 60 * 1000;

struct Outcome {
    bool ok;
    std::uint32_t error;
    Lresult result;
};

Outcome SetText(Platform& p, Hwnd hwnd, const char16_t* text, std::uint32_t timeoutMs) {
    Lresult result = 0;
    const bool ok = p.SendMessageTimeoutW(hwnd, win::WM_SETTEXT, 0, reinterpret_cast<Lparam>(text),
                                          win::SMTO_ABORTIFHUNG, timeoutMs, &result);
    return {ok, ok ? 0 : p.GetLastError(), result};
}

void ExpectTimedOut(const Outcome& o, const char* what) {
    EXPECT_FALSE(o.ok) << what;
    EXPECT_EQ(o.error, win::ERROR_TIMEOUT) << what;
}

}  // namespace

TEST_P(TimedSends, AnsweringWindowAnswersAndAGoneOneFailsWithoutATimeOut) {
    const Hwnd frame = Frame({100, 100, 400, 300});
    const Outcome set = SetText(p(), frame, u"答复", kAnswerMs);
    EXPECT_TRUE(set.ok);
    EXPECT_EQ(Text(frame), "答复");
    Lresult length = 0;
    EXPECT_TRUE(p().SendMessageTimeoutW(frame, win::WM_GETTEXTLENGTH, 0, 0, win::SMTO_ABORTIFHUNG, kAnswerMs, &length));
    EXPECT_EQ(length, 2);

    // Closing by the default handling: the window is gone, and a send to it
    // fails with another error than a time-out.
    const struct {
        const char* what;
        std::uint32_t msg;
        Wparam wParam;
    } closers[] = {{"WM_CLOSE", win::WM_CLOSE, 0}, {"SC_CLOSE", win::WM_SYSCOMMAND, win::SC_CLOSE}};
    for (const auto& closer : closers) {
        const Hwnd gone = Frame({100, 100, 200, 200});
        EXPECT_TRUE(p().SendMessageTimeoutW(gone, closer.msg, closer.wParam, 0, win::SMTO_ABORTIFHUNG, kAnswerMs,
                                            nullptr))
            << closer.what;
        EXPECT_FALSE(p().IsWindow(gone)) << closer.what;
        const Outcome toGone = SetText(p(), gone, u"x", kAnswerMs);
        EXPECT_FALSE(toGone.ok) << closer.what;
        EXPECT_NE(toGone.error, win::ERROR_TIMEOUT) << closer.what;
    }
}

// A message the busy thread has not taken in when the time is up is
// withdrawn: the thread never sees it. The thread's other windows wait with
// it; another thread of the same program answers.
TEST_P(TimedSends, BusyThreadTimesOutForAllItsWindowsAndNeverSeesTheMessage) {
    const Hwnd a = Frame({100, 100, 300, 300});
    const Hwnd b = Frame({120, 120, 320, 320});
    const Hwnd other = Frame({140, 140, 340, 340}, Thread::OtherFixture);
    const std::string before = Text(a);
    world().Block(Thread::Fixture);
    EXPECT_FALSE(p().IsHungAppWindow(a)) << "busy is not yet hung";
    ExpectTimedOut(SetText(p(), a, u"太迟", kShortMs), "the busy window");
    ExpectTimedOut(SetText(p(), b, u"太迟", kShortMs), "its thread's other window");
    EXPECT_TRUE(SetText(p(), other, u"答复", kAnswerMs).ok) << "another thread's window";
    world().Release(Thread::Fixture);
    EXPECT_EQ(Text(a), before);
    EXPECT_EQ(Text(b), before);
    EXPECT_EQ(Text(other), "答复");
}

// A message the window had taken in runs to its end after the sender gave
// up: it is carried out late. Meanwhile its thread answers nothing else.
TEST_P(TimedSends, SlowMessageIsCarriedOutLateAndKeepsItsThreadBusy) {
    const Hwnd slow = Frame({100, 100, 300, 300});
    const Hwnd sibling = Frame({120, 120, 320, 320});
    const std::string before = Text(sibling);
    world().AnswerSlowly(slow, win::WM_SETTEXT);
    // The window must take the message in before this is up.
    ExpectTimedOut(SetText(p(), slow, u"迟到", kAnswerMs / 5), "the slow window");
    ExpectTimedOut(SetText(p(), sibling, u"太迟", kShortMs), "its thread's other window");
    EXPECT_FALSE(p().IsHungAppWindow(sibling));
    world().Release(Thread::Fixture);
    EXPECT_EQ(Text(slow), "迟到");
    EXPECT_EQ(Text(sibling), before);
}

// SMTO_ABORTIFHUNG: a hung thread fails at once, for all its windows, and
// the message is never carried out.
TEST_P(TimedSends, HungThreadFailsAtOnceForAllItsWindows) {
    const Hwnd a = Frame({100, 100, 300, 300});
    const Hwnd b = Frame({120, 120, 320, 320});
    const Hwnd other = Frame({140, 140, 340, 340}, Thread::OtherFixture);
    const std::string before = Text(a);
    world().Hang(Thread::Fixture);
    EXPECT_TRUE(p().IsHungAppWindow(a));
    EXPECT_TRUE(p().IsHungAppWindow(b));
    EXPECT_FALSE(p().IsHungAppWindow(other));
    ExpectTimedOut(SetText(p(), a, u"永不", kBeyondTheRunMs), "the hung window");
    ExpectTimedOut(SetText(p(), b, u"永不", kBeyondTheRunMs), "its thread's other window");
    world().Release(Thread::Fixture);
    EXPECT_EQ(Text(a), before);
    EXPECT_EQ(Text(b), before);
}

}  // namespace lumivex::contract
