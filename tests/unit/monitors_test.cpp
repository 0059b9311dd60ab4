// Several monitors, at negative coordinates and at other densities: the
// outline, the picture and Notepad's place follow the window to its monitor,
// in physical pixels, with nothing scaled.
#include <string>

#include "platform/monitors.h"
#include "readers/notepad_output.h"
#include "sim_fixture.h"

namespace lumivex::test {
namespace {

using sim::SimMonitor;

const Rect kPrimary{0, 0, 1280, 800};

struct Layout {
    const char* name;
    SimMonitor second;
    Rect virtualScreen;
    Rect window;     // the window outlined, on or past the second monitor
    Rect flashRect;  // its rectangle cut to the virtual screen
    Rect mainWindow; // ours, mostly on the second monitor
    Point notepad;   // where Notepad's 600 x 400 goes
};

const Layout kLayouts[] = {
    {"left, at negative x", {{-1920, 0, 0, 1080}, {}, 96}, {-1920, 0, 1280, 1080},
     {-2000, 100, -1500, 400}, {-1920, 100, -1500, 400},
     {-1000, 100, -600, 400}, {-1920 + 660, 340}},
    {"above, at negative y", {{0, -1024, 1280, 0}, {}, 96}, {0, -1024, 1280, 800},
     {100, -1100, 500, -900}, {100, -1024, 500, -900},
     {200, -500, 700, 100}, {340, -1024 + 312}},
    // Physical pixels: the second monitor's 2880 x 1620 are not its 1920 x
    // 1080 at 96 DPI; the main window straddles both and is more on it.
    {"right, at 144 DPI", {{1280, 0, 4160, 1620}, {}, 144}, {0, 0, 4160, 1620},
     {3000, 1500, 4500, 1800}, {3000, 1500, 4160, 1620},
     {1200, 100, 1700, 500}, {1280 + 1140, 610}},
};

class MonitorsTest : public DesktopTest {
protected:
    Hwnd At(Rect r, const char* text = "") {
        WindowSpec s;
        s.rect = r;
        s.text = text;
        return desk.CreateWindow(s);
    }
};

TEST_F(MonitorsTest, OutlinePictureAndNotepadFollowTheMonitor) {
    for (const Layout& l : kLayouts) {
        SCOPED_TRACE(l.name);
        SimDesktop d;
        InstallNotepad(d);
        Session s;
        MainForm f{d, s};
        d.SetMonitors({SimMonitor{kPrimary, {}, 96}, l.second});

        // The virtual screen is the union; the primary stays the screen.
        EXPECT_EQ(VirtualScreenRect(d), l.virtualScreen);
        EXPECT_EQ(d.GetSystemMetrics(win::SM_CXSCREEN), 1280);
        EXPECT_EQ(d.GetSystemMetrics(win::SM_CYSCREEN), 800);
        EXPECT_EQ(d.GetSystemMetrics(win::SM_CMONITORS), 2);

        // Marks at the corners of the area to be pictured, and just outside it.
        const Rect& fr = l.flashRect;
        d.FillScreen(l.virtualScreen, 0x000080);
        d.SetScreenPixel(fr.left, fr.top, 0x112233);
        d.SetScreenPixel(fr.right - 1, fr.bottom - 1, 0x445566);
        d.SetScreenPixel(fr.right, fr.top, 0x778899);

        WindowSpec window;
        window.rect = l.window;
        window.text = "picked";
        const Hwnd picked = d.CreateWindow(window);
        f.SnapHwnd = picked;
        f.SetFlashRect(picked);
        EXPECT_EQ(f.FlashRect, fr);
        ASSERT_FALSE(d.frames.empty());
        EXPECT_EQ(d.frames.back().rect, fr);

        f.Fill();
        const Picture& picture = f.pictureView.picture;
        ASSERT_EQ(picture.width, fr.right - fr.left);
        ASSERT_EQ(picture.height, fr.bottom - fr.top);
        ASSERT_TRUE(picture.HasPixels());
        EXPECT_EQ(picture.At(0, 0), 0x112233u);
        EXPECT_EQ(picture.At(picture.width - 1, picture.height - 1), 0x445566u);
        EXPECT_EQ(picture.At(picture.width - 1, 0), 0x000080u);
        EXPECT_EQ(f.pictureView.pictureBox.width, picture.width * kTwipsPerPixel);

        // Notepad is centred on the monitor our main window is (mostly) on.
        window.rect = l.mainWindow;
        window.text = "Lumivex";
        f.selfHwnd = d.CreateWindow(window);
        f.readerChoice = 0;  // the window's text
        f.ReadData();
        FinishRead(f);
        ASSERT_NE(s.notepad.window, 0u);
        EXPECT_EQ(d.Window(s.notepad.window).rect,
                  (Rect{l.notepad.x, l.notepad.y, l.notepad.x + 600, l.notepad.y + 400}));
    }
}

TEST_F(MonitorsTest, MonitorOfAWindowOrPointByTheSystemsRules) {
    const Rect kSecond{-1920, -200, 0, 880}, kNone{1, 1, 1, 1};
    desk.SetMonitors({SimMonitor{kPrimary, {0, 0, 1280, 760}, 96}, SimMonitor{kSecond, {}, 120}});
    auto rectOf = [&](Hmonitor m) {
        MonitorInfo info;
        return desk.GetMonitorInfoW(m, info) ? info.rcMonitor : kNone;
    };
    const struct {
        const char* what;
        Rect window;
        std::uint32_t flags;
        Rect ofWindow, ofTopLeft;  // {1,1,1,1}: none
    } cases[] = {
        {"on the second", {-500, 0, -100, 300}, win::MONITOR_DEFAULTTONULL, kSecond, kSecond},
        {"straddling, more on the primary", {-100, 0, 300, 300}, win::MONITOR_DEFAULTTONULL, kPrimary, kSecond},
        {"on the primary's corner", {0, 0, 10, 10}, win::MONITOR_DEFAULTTONULL, kPrimary, kPrimary},
        {"below both, nearest", {-1800, 2000, -1700, 2100}, win::MONITOR_DEFAULTTONEAREST, kSecond, kSecond},
        {"below both, primary", {-1800, 2000, -1700, 2100}, win::MONITOR_DEFAULTTOPRIMARY, kPrimary, kPrimary},
        {"below both, none", {-1800, 2000, -1700, 2100}, win::MONITOR_DEFAULTTONULL, kNone, kNone},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(rectOf(desk.MonitorFromWindow(At(c.window), c.flags)), c.ofWindow);
        EXPECT_EQ(rectOf(desk.MonitorFromPoint({c.window.left, c.window.top}, c.flags)), c.ofTopLeft);
    }
    MonitorInfo info;
    ASSERT_TRUE(desk.GetMonitorInfoW(desk.MonitorFromPoint({5, 5}, win::MONITOR_DEFAULTTONULL), info));
    EXPECT_EQ(info.rcWork, (Rect{0, 0, 1280, 760}));
    EXPECT_EQ(info.dwFlags, win::MONITORINFOF_PRIMARY);
    info.cbSize = 39;  // not a MONITORINFO
    EXPECT_FALSE(desk.GetMonitorInfoW(desk.MonitorFromPoint({5, 5}, win::MONITOR_DEFAULTTONULL), info));
}

TEST_F(MonitorsTest, OneMonitorByDefaultAsBefore) {
    EXPECT_EQ(VirtualScreenRect(desk), kPrimary);
    EXPECT_EQ(desk.GetSystemMetrics(win::SM_CMONITORS), 1);
    EXPECT_EQ(MonitorRectOf(desk, 0), kPrimary);
    // Left of and above the only monitor is cut to 0, as it always was.
    form.SetFlashRect(At({-8, -8, 1300, 900}));
    EXPECT_EQ(form.FlashRect, kPrimary);
}

}  // namespace
}  // namespace lumivex::test
