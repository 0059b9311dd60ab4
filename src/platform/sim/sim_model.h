// What the simulated desktop is made of: windows and how they answer,
// processes with their memory, monitors, and the outlines shown. Plain
// data, set by the tests and read by the desktop (sim_desktop.h).
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace lumivex::sim {

class SimDesktop;
struct SimWindow;

// Answers a message before the default handling; nullopt falls through.
using MessageHook =
    std::function<std::optional<Lresult>(SimWindow& self, std::uint32_t msg, Wparam, Lparam)>;

// What a common control answers by itself (list box, list view, tree view):
// asked after the test's hook and before the default answers. Every message
// comes in its W form: texts travel as UTF-16.
class SimControl {
public:
    virtual ~SimControl() = default;
    virtual std::optional<Lresult> Answer(SimDesktop& desk, SimWindow& self, std::uint32_t msg,
                                          Wparam wParam, Lparam lParam) = 0;
};

struct SimWindow {
    Hwnd hwnd = 0;
    std::string className;  // UTF-8
    std::string text;       // UTF-8; the window holds it as UTF-16
    std::uint32_t style = 0, exStyle = 0, classStyle = 0;
    std::int32_t id = 0;
    // Screen coordinates, also for a child (WindowSpec::rect too): moving a
    // window moves its descendants with it.
    Rect rect;
    Rect client;                // client coordinates, (0,0)-(w,h): the rect less its frame
    Hwnd parent = 0;            // 0: top-level (child of the desktop)
    Hwnd owner = 0;
    std::uint32_t processId = 0, threadId = 0;
    bool hung = false;
    // Answers the hung test once as responding, then stops answering, as a
    // window does whose thread hangs right after the test.
    bool hangsAfterHungTest = false;
    // WM_NCHITTEST answers HTTRANSPARENT (a group box): WindowFromPoint
    // passes through it to what lies below.
    bool transparentHit = false;
    std::uint32_t listViewExStyle = 0;
    // An edit the user typed into since its text was last set (EM_GETMODIFY).
    bool modified = false;
    // An edit's selection (EM_SETSEL), in UTF-16 units; EM_REPLACESEL puts its text there.
    std::size_t selectionStart = 0, selectionEnd = 0;
    Hgdiobj font = 0;  // answered to WM_GETFONT; 0 draws with the system font
    // Messages whose timed send fails although the window answers others,
    // as WM_GETFONT to another process does under Wine.
    std::set<std::uint32_t> failingTimedSends;
    // Messages the window takes this long to answer (ms). A timed send that
    // gives up sooner leaves the message running: the thread is busy with it,
    // for all its windows, and finishes it late (FinishBusyThreads).
    std::map<std::uint32_t, std::uint32_t> slowAnswers;
    std::vector<Hwnd> children;  // Z order, top first
    MessageHook hook;
    std::shared_ptr<SimControl> control;
    Hmenu menu = 0, systemMenu = 0;
};

// What CreateWindow needs; the rest has defaults.
struct WindowSpec {
    std::string className = "Static";
    std::string text;
    std::uint32_t style = win::WS_VISIBLE;
    std::uint32_t exStyle = 0;
    std::uint32_t classStyle = 0;
    std::int32_t id = 0;
    Rect rect{0, 0, 100, 100};
    Hwnd parent = 0;
    Hwnd owner = 0;
    std::uint32_t processId = 1000;
    std::uint32_t threadId = 2000;
    bool transparentHit = false;
};

struct SimProcess {
    std::uint32_t id = 0;
    std::string imagePath;  // native form, \Device\HarddiskVolumeN\…
    bool openable = true;
    // Runs with higher rights than we do (elevated): its windows refuse our
    // messages (access denied), and it can be opened for
    // PROCESS_QUERY_LIMITED_INFORMATION only.
    bool elevated = false;
    bool is64Bit = false;
    // Access rights OpenProcess refuses (PROCESS_VM_OPERATION …).
    std::uint32_t deniedAccess = 0;
    bool wow64QueryFails = false;
    // Allocations that succeed before VirtualAllocEx starts failing; -1: never fails.
    int allocationsBeforeFailure = -1;
    bool writesFail = false;
    // A 32-bit process whose allocations land above 4 GiB anyway (hostile).
    bool allocatesHigh = false;
    // Where its allocations start, when not where the system would put them.
    RemoteAddress allocationBase = 0;
    // The process's address space: committed blocks by base address.
    std::map<RemoteAddress, std::vector<std::uint8_t>> blocks;
    RemoteAddress nextAddress = 0;
};

// One VirtualAllocEx as the target saw it.
struct RemoteAllocation {
    std::uint32_t processId;
    RemoteAddress address;
    std::uint64_t size;
    std::uint32_t allocationType, protect;
};

// An outline shown with ShowInvertedFrame.
struct ShownFrame {
    Rect rect;
    int penWidth = 0;
    bool visible = true;  // until HideInvertedFrame
};

// A monitor of the simulated desktop: its rectangle in virtual-screen
// coordinates, its work area and its dots per inch.
struct SimMonitor {
    Rect rect;
    Rect work;  // the rectangle itself when left empty
    int dpi = 96;
};

}  // namespace lumivex::sim
