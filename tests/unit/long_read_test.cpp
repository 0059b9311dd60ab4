// Reads on a thread of their own: progress, cancel, an end in the middle,
// and the budget one action has for targets that do not answer.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "platform/send.h"
#include "platform/sim/sim_controls.h"
#include "sim_fixture.h"
#include "text/reader_choice.h"

namespace lumivex::test {
namespace {

class LongReadTest : public DesktopTest {
protected:
    Hwnd dialog = 0;

    void SetUp() override {
        desk.AddProcess(1000, "\\Device\\HarddiskVolume1\\app.exe").is64Bit = true;
        dialog = TopLevel("Lists", {100, 100, 500, 400});
        form.Load();
    }
    void ReadWith(const std::string& key, Hwnd target) {
        for (std::size_t i = 0; i < kReaderChoices.size(); ++i)
            if (key == kReaderChoices[i].key) form.readerChoice = static_cast<int>(i);
        form.SnapHwnd = target;
        form.ReadData();
    }
    std::string NotepadText() {
        const Hwnd notepad = session.notepad.window;
        if (notepad == 0 || !desk.IsWindow(notepad)) return "(no notepad)";
        return desk.Window(desk.GetWindow(notepad, win::GW_CHILD)).text;
    }
};

TEST_F(LongReadTest, AMillionItemsReadShowProgressAndStopWhereCancelled) {
    constexpr std::size_t kItems = 1000000;
    std::vector<std::string> items(kItems);
    for (std::size_t i = 0; i < kItems; ++i) items[i] = std::to_string(i);
    const Hwnd list = sim::CreateListBox(desk, dialog, items);
    // The read waits at item 250000 until the window has shown its progress,
    // and is cancelled while it reads item 499999.
    std::atomic<bool> progressSeen{false};
    desk.Window(list).hook = [&](sim::SimWindow&, std::uint32_t m, Wparam at, Lparam) -> std::optional<Lresult> {
        if (m == win::LB_GETTEXT && at == 250000)
            while (!progressSeen) std::this_thread::yield();
        if (m == win::LB_GETTEXT && at == 499999) form.CancelRead();
        return std::nullopt;
    };

    ReadWith("GetListBoxText", list);
    ASSERT_TRUE(form.ReadRunning());
    std::string status;
    while (form.ReadRunning()) {
        form.ReadPollTick();
        if (!progressSeen && form.readProgress.visible && form.readProgress.done == 250000) {
            status = form.readProgress.status;
            progressSeen = true;
        }
        std::this_thread::yield();
    }
    EXPECT_EQ(status, "已读 250000 / 1000000 项");
    EXPECT_FALSE(form.readProgress.visible);
    EXPECT_FALSE(form.readPollTimerOn);

    std::string expected;
    for (std::size_t i = 0; i < 500000; ++i) expected += items[i] + "\r\n";
    expected += "(读取已取消：已读 500000 / 1000000 项)";
    EXPECT_EQ(NotepadText(), expected);
    EXPECT_EQ(form.messageForUser, "");
}

TEST_F(LongReadTest, AJobEndedMidReadFreesTheTargetsBlocksBeforeItGoes) {
    const Hwnd view = sim::CreateListView(desk, dialog, std::vector<std::vector<std::string>>(400, {"a", "b"}), 2);
    std::atomic<ReadProgress*> running{nullptr};
    std::atomic<bool> reading{false};
    // The control holds the read at row 200 until the job is told to stop.
    desk.Window(view).hook = [&](sim::SimWindow&, std::uint32_t m, Wparam at, Lparam) -> std::optional<Lresult> {
        if (m == win::LVM_GETITEMTEXTW && at == 200 && !reading) {
            reading = true;
            while (!running.load()->CancelRequested()) std::this_thread::yield();
        }
        return std::nullopt;
    };
    {
        ReadJob job(desk, [&](ReadProgress& progress) {
            running = &progress;
            ReaderOptions options;
            options.progress = &progress;
            return RunReader(desk, session.charsets, "GetListViewText", view, options);
        });
        while (!reading) std::this_thread::yield();
        EXPECT_FALSE(job.Finished());
    }
    EXPECT_LT(desk.log.Sent(win::LVM_GETITEMTEXTW), 800u);
    EXPECT_EQ(desk.liveRemoteBlocks(), 0);
    EXPECT_EQ(desk.openProcessHandles(), 0);
}

TEST_F(LongReadTest, OneActionWaitsOnceForEachSilentThreadAndAtMostItsBudget) {
    struct Row {
        const char* what;
        int silentThreads;
        std::uint32_t waitedMs;
        int answered;  // of the answering windows before and after two windows on each silent thread
    } rows[] = {
        {"one thread, two windows: one time-out", 1, kSendTimeoutMs, 2},
        {"two threads", 2, 2 * kSendTimeoutMs, 2},
        {"three threads: the last waits what is left, then nothing is asked", 3, kActionBudgetMs, 1},
        {"four threads: the fourth is never asked", 4, kActionBudgetMs, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        SimDesktop d;
        d.AddProcess(1000, "\\Device\\HarddiskVolume1\\app.exe");
        WindowSpec answering;
        answering.processId = 1000;
        answering.threadId = 99;
        std::vector<Hwnd> windows{d.CreateWindow(answering)};
        for (int t = 0; t < r.silentThreads; ++t) {
            d.busyThreads[100u + static_cast<std::uint32_t>(t)] = 10 * kSendTimeoutMs;
            for (int k = 0; k < 2; ++k) {
                WindowSpec s;
                s.processId = 1000;
                s.threadId = 100u + static_cast<std::uint32_t>(t);
                windows.push_back(d.CreateWindow(s));
            }
        }
        windows.push_back(d.CreateWindow(answering));

        int answered = 0;
        {
            const ActionScope action;
            for (Hwnd w : windows) answered += SendTimeout(d, w, win::WM_GETTEXTLENGTH, 0, 0).has_value();
            {
                // Outside the action (our own Notepad) a send keeps its time-out, whatever the action spent.
                const OutsideActionScope notepadsOwnTime;
                EXPECT_TRUE(SendTimeout(d, windows.back(), win::WM_GETTEXTLENGTH, 0, 0).has_value());
            }
            EXPECT_EQ(SendTimeout(d, windows.back(), win::WM_GETTEXTLENGTH, 0, 0).has_value(), r.answered == 2);
        }
        EXPECT_EQ(d.waitedMs, r.waitedMs);
        EXPECT_EQ(answered, r.answered);
        // A new action starts with the whole budget again.
        const ActionScope next;
        EXPECT_TRUE(SendTimeout(d, windows.back(), win::WM_GETTEXTLENGTH, 0, 0).has_value());
    }
}

}  // namespace
}  // namespace lumivex::test
