// A desktop for the tests: a dialog with controls in a process with a path.
#pragma once

#include <gtest/gtest.h>

#include <thread>

#include "app/main_form.h"
#include "app/session.h"
#include "info/num_text.h"
#include "platform/sim/sim_desktop.h"
#include "sim_notepad.h"

namespace lumivex::test {

using sim::CallKind;
using sim::SimDesktop;
using sim::WindowSpec;

constexpr std::uint32_t kWsChildVisible = win::WS_CHILD | win::WS_VISIBLE;

// Runs the read the form started to its end, as its poll timer would.
inline void FinishRead(MainForm& form) {
    while (form.ReadRunning()) {
        std::this_thread::yield();
        form.ReadPollTick();
    }
}

class DesktopTest : public ::testing::Test {
protected:
    DesktopTest() { InstallNotepad(desk); }

    SimDesktop desk;
    Session session;
    MainForm form{desk, session};

    Hwnd TopLevel(const std::string& title, Rect rect, std::uint32_t processId = 1000) {
        WindowSpec s;
        s.className = "#32770";
        s.text = title;
        s.style = win::WS_VISIBLE | win::WS_CAPTION | 0x00080000;
        s.rect = rect;
        s.processId = processId;
        return desk.CreateWindow(s);
    }
    Hwnd Child(Hwnd parent, const std::string& cls, const std::string& text, Rect rect,
               std::int32_t id = 0, std::uint32_t style = kWsChildVisible) {
        WindowSpec s;
        s.className = cls;
        s.text = text;
        s.style = style;
        s.rect = rect;
        s.parent = parent;
        s.id = id;
        return desk.CreateWindow(s);
    }
};

}  // namespace lumivex::test
