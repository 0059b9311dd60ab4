#include <string>
#include <vector>

#include "readers/item_layouts.h"
#include "readers/tree_view_reader.h"
#include "readers_fixture.h"

namespace lumivex::test {
namespace {

using sim::TreeNodeSpec;

// Root A expanded (A1, A2), root B collapsed (B1).
const std::vector<TreeNodeSpec> kTwoRoots = {
    {"A", true, {{"A1", false, {}}, {"A2", false, {}}}},
    {"B", false, {{"B1", false, {}}}},
};

class TreeViewReaderTest : public ReadersTest {
protected:
    Hwnd Tree(const std::vector<TreeNodeSpec>& roots, bool is64 = true) {
        return sim::CreateTreeView(desk, Dialog(is64), roots);
    }
    sim::SimTreeView& Control(Hwnd tv) { return sim::ControlOf<sim::SimTreeView>(desk, tv); }
    // A tree of n expanded-free roots named 0 … n-1.
    static std::vector<TreeNodeSpec> Flat(int n) {
        std::vector<TreeNodeSpec> roots;
        for (int i = 0; i < n; ++i) roots.push_back({std::to_string(i), false, {}});
        return roots;
    }
    // NEXTVISIBLE answers from a function of the item asked about.
    void NextVisible(Hwnd tv, std::function<Lresult(Lparam)> next) {
        desk.Window(tv).hook = [next](sim::SimWindow&, std::uint32_t msg, Wparam wp, Lparam lp) -> std::optional<Lresult> {
            if (msg == win::TVM_GETNEXTITEM && wp == win::TVGN_NEXTVISIBLE) return next(lp);
            return std::nullopt;
        };
    }
};

TEST_F(TreeViewReaderTest, VisibleItemsInOrderForEachBitness) {
    const struct {
        bool target64, program64;
        const char* text;
        ReadError error;
    } cases[] = {
        {false, false, "A\r\nA1\r\nA2\r\nB", ReadError::None},
        {false, true, "A\r\nA1\r\nA2\r\nB", ReadError::None},
        {true, true, "A\r\nA1\r\nA2\r\nB", ReadError::None},
        {true, false, "", ReadError::TargetNeeds64BitBuild},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.target64 ? "64-bit target, " : "32-bit target, ") +
                     (c.program64 ? "64-bit program" : "32-bit program"));
        const ReaderOptions options = Program(c.program64);
        const Hwnd tv = Tree(kTwoRoots, c.target64);
        desk.log.Clear();
        const ReadResult result = ReadTreeView(desk, tv, options);
        EXPECT_EQ(result.text, c.text);
        EXPECT_EQ(result.error, c.error);
        if (c.error != ReadError::None) {
            // No item handle went back to the control, cut or whole.
            EXPECT_EQ(Sent(win::TVM_GETITEMW), 0u);
            EXPECT_EQ(Sent(win::TVM_GETNEXTITEM), 1u);  // TVGN_ROOT only
        }
        ExpectNothingLeft();
    }
}

TEST_F(TreeViewReaderTest, ItemRequestInEachLayout) {
    for (bool is64 : {false, true}) {
        SCOPED_TRACE(is64 ? "64-bit target" : "32-bit target");
        const Hwnd tv = Tree(kTwoRoots, is64);
        desk.allocations.clear();
        // A 64-bit target's handles lie above 4 GiB: carried whole.
        EXPECT_EQ(Control(tv).HandleOf(3) >= 0x100000000ull, is64);
        EXPECT_EQ(ReadTreeItemText(desk, tv, Control(tv).HandleOf(3)).text, "B");
        ASSERT_EQ(desk.allocations.size(), 2u);
        EXPECT_EQ(desk.allocations[0].size, 512u);  // 256 UTF-16 units
        EXPECT_EQ(desk.allocations[1].size, is64 ? 56u : 44u);
        for (const auto& a : desk.allocations) EXPECT_EQ(a.allocationType, win::MEM_COMMIT | win::MEM_RESERVE);
        EXPECT_EQ(Control(tv).lastRequest,
                  ItemRequest(LayoutFor(ItemKind::TreeItem, is64), Control(tv).HandleOf(3), desk.allocations[0].address));
        EXPECT_EQ(desk.log.Messages().back().msg, win::TVM_GETITEMW);
        EXPECT_EQ(desk.log.Messages().back().wParam, 0u);
        ExpectNothingLeft();
    }
}

TEST_F(TreeViewReaderTest, TextsAreCutAndTrimmed) {
    const Hwnd tv = Tree({{std::string(300, 'x'), false, {}}, {"  中文 项目  ", false, {}}, {"   ", false, {}}});
    EXPECT_EQ(ReadTreeView(desk, tv).text, std::string(255, 'x') + "\r\n中文 项目\r\n");
}

TEST_F(TreeViewReaderTest, LoopingChainsEnd) {
    const struct {
        const char* name;
        int loopTo;  // the node the last root's next-visible answer points back to
    } cases[] = {{"back to the first", 0}, {"to itself", 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Hwnd tv = Tree(Flat(5));
        const auto& control = Control(tv);
        NextVisible(tv, [&control, c](Lparam item) -> Lresult {
            const int node = control.NodeOf(static_cast<std::uint64_t>(item));
            return static_cast<Lresult>(control.HandleOf(node == 4 ? c.loopTo : node + 1));
        });
        desk.log.Clear();
        const ReadResult result = ReadTreeView(desk, tv);
        EXPECT_EQ(result.text, "0\r\n1\r\n2\r\n3\r\n4");
        EXPECT_EQ(Sent(win::TVM_GETITEMW), 5u);
        ExpectNothingLeft();
    }
}

TEST_F(TreeViewReaderTest, EndlessChainStopsAtTheLimit) {
    const Hwnd tv = Tree(Flat(3));
    // Always a new handle: the control walks into items it never had.
    NextVisible(tv, [](Lparam item) -> Lresult { return item + 0x40; });
    ReaderOptions options;
    options.limits.maxTreeItems = 300;
    const ReadResult result = ReadTreeView(desk, tv, options);
    EXPECT_EQ(Sent(win::TVM_GETITEMW), 300u);
    EXPECT_EQ(result.text.substr(0, 6), "0\r\n1\r\n");
    EXPECT_EQ(std::count(result.text.begin(), result.text.end(), '\n'), 299);
    EXPECT_EQ(desk.liveRemoteBlocks(), 0);
    EXPECT_EQ(desk.openProcessHandles(), 0);
}

TEST_F(TreeViewReaderTest, CountsDecideNothingButEmptiness) {
    const Hwnd tv = Tree(kTwoRoots);
    Answer(desk.Window(tv), win::TVM_GETCOUNT, 2000000000);
    EXPECT_EQ(ReadTreeView(desk, tv).text, "A\r\nA1\r\nA2\r\nB");

    const Hwnd empty = Tree(kTwoRoots);
    Answer(desk.Window(empty), win::TVM_GETCOUNT, 0);
    desk.allocations.clear();
    EXPECT_EQ(ReadTreeView(desk, empty).text, "");
    EXPECT_EQ(ReadTreeView(desk, Tree({})).text, "");
    EXPECT_TRUE(desk.allocations.empty());
}

TEST_F(TreeViewReaderTest, HungWindowIsSentNothing) {
    const Hwnd tv = Tree(kTwoRoots);
    desk.Window(tv).hung = true;
    desk.log.Clear();
    EXPECT_EQ(ReadTreeView(desk, tv).text, "");
    EXPECT_TRUE(desk.log.Messages().empty());
}

TEST_F(TreeViewReaderTest, WindowThatStopsAnsweringKeepsTheItemsRead) {
    const Hwnd tv = Tree(Flat(100));
    auto walked = std::make_shared<int>(0);
    desk.Window(tv).hook = [walked](sim::SimWindow& w, std::uint32_t msg, Wparam wp, Lparam) -> std::optional<Lresult> {
        if (msg == win::TVM_GETNEXTITEM && wp == win::TVGN_NEXTVISIBLE && ++*walked == 80) w.hung = true;
        return std::nullopt;
    };
    const ReadResult result = ReadTreeView(desk, tv);
    EXPECT_TRUE(result.stoppedAnswering);
    // The items read before the thread hung, and no message after it.
    EXPECT_EQ(std::count(result.text.begin(), result.text.end(), '\n'), 63);
    EXPECT_EQ(result.text.substr(result.text.size() - 4), "\r\n63");
    EXPECT_EQ(Sent(win::TVM_GETNEXTITEM), 82u);  // the root, 80 answered, 1 unanswered
    ExpectNothingLeft();
}

TEST_F(TreeViewReaderTest, FailuresBeforeTheFirstItemAreErrors) {
    const struct {
        const char* name;
        std::function<void(sim::SimProcess&)> arrange;
        ReadError error;
    } cases[] = {
        {"IsWow64Process fails", [](sim::SimProcess& p) { p.wow64QueryFails = true; }, ReadError::IsWow64ProcessFailed},
        {"cannot be opened", [](sim::SimProcess& p) { p.deniedAccess = win::PROCESS_VM_READ; }, ReadError::ProcessNotOpened},
        {"allocation fails", [](sim::SimProcess& p) { p.allocationsBeforeFailure = 0; }, ReadError::RemoteMemoryFailed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Hwnd tv = Tree(kTwoRoots);
        c.arrange(ProcessOf(tv));
        desk.log.Clear();
        const ReadResult result = ReadTreeView(desk, tv);
        EXPECT_EQ(result.error, c.error);
        EXPECT_EQ(result.text, "");
        EXPECT_EQ(Sent(win::TVM_GETITEMW), 0u);
        EXPECT_EQ(ReadTreeItemText(desk, tv, Control(tv).HandleOf(0)).error, c.error);
        EXPECT_EQ(Sent(win::TVM_GETITEMW), 0u);
        ExpectNothingLeft();
    }
}

}  // namespace
}  // namespace lumivex::test
