// The simulated desktop as a contract world: windows made on it directly,
// the fixture a process of the build's own bitness with two threads, beside
// the program's own process and thread.
#include "contract_win.h"
#include "platform/sim/sim_controls.h"
#include "platform/sim/sim_desktop.h"
#include "world.h"

namespace lumivex::contract {

namespace {

constexpr std::uint32_t kOwnProcess = 0x1000, kFixtureProcess = 0x2000;
constexpr std::uint32_t kOwnThread = 0x1004, kFixtureThread = 0x2004, kOtherFixtureThread = 0x2008;
// A slow message, or a blocked thread, outlasts any wait of a case.
constexpr std::uint32_t kForeverMs = 10 * 60 * 1000;
constexpr bool kBuild64 = sizeof(void*) == 8;

const char* ClassOf(Kind kind) {
    switch (kind) {
        case Kind::Frame: return "LvxContractFrame";
        case Kind::Static: return "Static";
        case Kind::Button:
        case Kind::GroupBox: return "Button";
    }
    return "Static";
}

sim::TreeNodeSpec NodeOf(const TreeItem& item) {
    sim::TreeNodeSpec node{item.text, item.expanded, {}};
    for (const TreeItem& child : item.children) node.children.push_back(NodeOf(child));
    return node;
}

class SimWorld : public World {
public:
    SimWorld() {
        desk_.AddProcess(kOwnProcess, "\\Device\\HarddiskVolume1\\contract\\LumivexContract.exe").is64Bit = kBuild64;
        desk_.AddProcess(kFixtureProcess, "\\Device\\HarddiskVolume1\\contract\\fixture.exe").is64Bit = kBuild64;
        desk_.callerThreadId = kOwnThread;
        desk_.callerIs64Bit = kBuild64;
    }

    Platform& platform() override { return desk_; }
    bool underWine() const override { return false; }

    Hwnd Create(const WindowDesc& desc) override {
        sim::WindowSpec s;
        s.className = ClassOf(desc.kind);
        s.text = desc.text;
        s.style = desc.style;
        s.exStyle = desc.exStyle;
        s.parent = desc.parent;
        s.owner = desc.owner;
        s.rect = desc.parent ? OnScreen(desc.parent, desc.place) : desc.place;
        s.processId = desc.thread == Thread::Own ? kOwnProcess : kFixtureProcess;
        s.threadId = ThreadId(desc.thread);
        // What the window procedures of group boxes and static controls
        // (without SS_NOTIFY) answer to WM_NCHITTEST.
        s.transparentHit = desc.kind == Kind::GroupBox || desc.kind == Kind::Static;
        return desk_.CreateWindow(s);
    }

    Hwnd CreateListView(Hwnd parent, Rect place, const std::vector<std::vector<std::string>>& rows) override {
        std::size_t columns = 0;
        for (const auto& row : rows) columns = std::max(columns, row.size());
        return Placed(sim::CreateListView(desk_, parent, rows, static_cast<int>(columns)), place);
    }

    Hwnd CreateTreeView(Hwnd parent, Rect place, const std::vector<TreeItem>& roots) override {
        std::vector<sim::TreeNodeSpec> nodes;
        for (const TreeItem& root : roots) nodes.push_back(NodeOf(root));
        return Placed(sim::CreateTreeView(desk_, parent, nodes), place);
    }

    Hmenu SetMenuBar(Hwnd own, const std::vector<MenuItem>& items) override {
        const Hmenu bar = Menu(items);
        desk_.Window(own).menu = bar;
        return bar;
    }

    void Block(Thread thread) override { desk_.busyThreads[ThreadId(thread)] = kForeverMs; }
    void Hang(Thread thread) override { desk_.hungThreads.insert(ThreadId(thread)); }
    void AnswerSlowly(Hwnd hwnd, std::uint32_t msg) override {
        desk_.Window(hwnd).slowAnswers[msg] = kForeverMs;
        slow_.push_back({hwnd, msg});
    }
    void Release(Thread thread) override {
        desk_.hungThreads.erase(ThreadId(thread));
        desk_.FinishBusyThreads();
        // Only the next such message was slow.
        for (const auto& [hwnd, msg] : slow_)
            if (desk_.IsWindow(hwnd)) desk_.Window(hwnd).slowAnswers.erase(msg);
        slow_.clear();
    }

private:
    static std::uint32_t ThreadId(Thread thread) {
        switch (thread) {
            case Thread::Own: return kOwnThread;
            case Thread::OtherFixture: return kOtherFixtureThread;
            case Thread::Fixture: break;
        }
        return kFixtureThread;
    }
    // The simulated desktop is told a child's place on the screen.
    Rect OnScreen(Hwnd parent, Rect place) {
        Rect window, client;
        desk_.GetWindowRect(parent, window);
        desk_.GetClientRect(parent, client);
        const int side = ((window.right - window.left) - client.right) / 2;
        const int x = window.left + side, y = window.bottom - side - client.bottom;
        return {x + place.left, y + place.top, x + place.right, y + place.bottom};
    }
    Hwnd Placed(Hwnd control, Rect place) {
        desk_.MoveWindow(control, place.left, place.top, place.right - place.left, place.bottom - place.top, true);
        return control;
    }
    Hmenu Menu(const std::vector<MenuItem>& items) {
        const Hmenu menu = desk_.CreateMenu();
        for (const MenuItem& item : items) {
            if (item.flags & win::MF_SEPARATOR)
                desk_.AppendSeparator(menu);
            else
                desk_.AppendMenu(menu, item.text, item.id, item.popup.empty() ? 0 : Menu(item.popup), item.flags);
        }
        return menu;
    }

    sim::SimDesktop desk_;
    std::vector<std::pair<Hwnd, std::uint32_t>> slow_;
};

std::unique_ptr<World> MakeSimWorld() { return std::make_unique<SimWorld>(); }

}  // namespace

LUMIVEX_CONTRACT_BACKEND(Sim, &MakeSimWorld);

}  // namespace lumivex::contract
