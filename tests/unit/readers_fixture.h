// A desktop for the reader tests: a dialog in a process of a chosen
// bitness, and checks that a read left nothing behind in the target.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/sim/sim_controls.h"
#include "platform/sim/sim_desktop.h"
#include "readers/read_result.h"

namespace lumivex::test {

using sim::CallKind;
using sim::SimDesktop;
using sim::WindowSpec;

class ReadersTest : public ::testing::Test {
protected:
    SimDesktop desk;

    // A top-level dialog in a process of its own, 64-bit or not.
    Hwnd Dialog(bool is64 = true) {
        const std::uint32_t pid = nextPid_ += 4;
        desk.AddProcess(pid, "\\Device\\HarddiskVolume1\\app.exe").is64Bit = is64;
        WindowSpec s;
        s.className = "#32770";
        s.style = win::WS_VISIBLE | win::WS_CAPTION;
        s.rect = {100, 100, 500, 400};
        s.processId = pid;
        return desk.CreateWindow(s);
    }
    sim::SimProcess& ProcessOf(Hwnd hwnd) {
        return *desk.Process(desk.Window(hwnd).processId);
    }
    // The program reading: 64-bit or 32-bit, on the desktop and in the options.
    ReaderOptions Program(bool is64) {
        desk.callerIs64Bit = is64;
        ReaderOptions options;
        options.programIs64Bit = is64;
        return options;
    }
    std::size_t Sent(std::uint32_t msg) const { return desk.log.Sent(msg); }
    bool AllSendsTimed() const {
        const auto sent = desk.log.Messages();
        return std::all_of(sent.begin(), sent.end(), [](const sim::LoggedCall& m) { return m.withTimeout; });
    }
    // Every block freed, every handle closed, no access outside allocated memory.
    void ExpectNothingLeft() const {
        EXPECT_EQ(desk.liveRemoteBlocks(), 0);
        EXPECT_EQ(desk.openProcessHandles(), 0);
        EXPECT_EQ(desk.badRemoteAccesses, 0);
        EXPECT_EQ(desk.badItemHandles, 0);
        EXPECT_TRUE(AllSendsTimed());
    }
    // Answers msg with answer, before the control does.
    static void Answer(sim::SimWindow& w, std::uint32_t message, Lresult answer) {
        auto inner = w.hook;
        w.hook = [=](sim::SimWindow& self, std::uint32_t msg, Wparam wp, Lparam lp) -> std::optional<Lresult> {
            if (msg == message) return answer;
            return inner ? inner(self, msg, wp, lp) : std::nullopt;
        };
    }

private:
    std::uint32_t nextPid_ = 4000;
public:
    // The window disappears when it is sent msg for the after-th time (from 0).
    static void VanishAt(SimDesktop& d, Hwnd hwnd, std::uint32_t message, int after) {
        auto count = std::make_shared<int>(0);
        d.Window(hwnd).hook = [&d, hwnd, message, after, count](sim::SimWindow&, std::uint32_t msg, Wparam,
                                                                Lparam) -> std::optional<Lresult> {
            if (msg == message && (*count)++ == after) {
                d.DestroyWindow(hwnd);
                return 0;
            }
            return std::nullopt;
        };
    }
};

}  // namespace lumivex::test
