#include <functional>
#include <string>
#include <vector>

#include "readers/item_layouts.h"
#include "readers/list_view_reader.h"
#include "readers_fixture.h"

namespace lumivex::test {
namespace {

using Rows = std::vector<std::vector<std::string>>;
const Rows kTwoByThree = {{"a1", "b1", "c1"}, {"a2", "b2", "c2"}};

class ListViewReaderTest : public ReadersTest {
protected:
    Hwnd ListView(const Rows& rows, int columns, bool is64 = true, bool withHeader = true) {
        return sim::CreateListView(desk, Dialog(is64), rows, columns, withHeader);
    }
    static Rows Grid(int rows, int columns) {
        Rows grid(static_cast<std::size_t>(rows));
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c) grid[r].push_back("r" + std::to_string(r) + "c" + std::to_string(c));
        return grid;
    }
};

TEST_F(ListViewReaderTest, ReportListRowsAndColumns) {
    const Hwnd lv = ListView(kTwoByThree, 3);
    EXPECT_EQ(ReadListView(desk, lv).text, "a1\tb1\tc1\r\na2\tb2\tc2");
    EXPECT_EQ(ReadListViewCellByCell(desk, lv).text, "a1\tb1\tc1\r\na2\tb2\tc2");
    ExpectNothingLeft();
}

TEST_F(ListViewReaderTest, NothingToReadSendsNoGetText) {
    const struct {
        const char* name;
        Rows rows;
        int columns;
        bool withHeader;
    } cases[] = {
        {"icon view, no header", kTwoByThree, 3, false},
        {"no rows", {}, 3, true},
        {"no columns", kTwoByThree, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        desk.log.Clear();
        const Hwnd lv = ListView(c.rows, c.columns, true, c.withHeader);
        const ReadResult result = ReadListView(desk, lv);
        EXPECT_EQ(result.text, "");
        EXPECT_EQ(result.error, ReadError::None);
        EXPECT_EQ(Sent(win::LVM_GETITEMTEXTW), 0u);
    }
    EXPECT_TRUE(desk.allocations.empty());
}

TEST_F(ListViewReaderTest, CellTextsAreDecoded) {
    const std::string longText(300, 'w');
    const Hwnd lv = ListView({{"   ", " x  y ", "中文"}, {longText, "", "z"}}, 3);
    // Blanks only: an empty cell that keeps its separator; texts beyond the
    // control's limit come back cut to 254 bytes and a NUL.
    EXPECT_EQ(ReadListView(desk, lv).text, "\tx  y\t中文\r\n" + std::string(254, 'w') + "\t\tz");
}

struct WireCase {
    bool target64, program64;
    std::size_t structSize;
};

TEST_F(ListViewReaderTest, CellRequestInEachLayout) {
    for (const WireCase& c : {WireCase{false, true, 40}, WireCase{true, true, 48}, WireCase{true, false, 48},
                              WireCase{false, false, 40}}) {
        SCOPED_TRACE(std::string(c.target64 ? "64-bit target, " : "32-bit target, ") +
                     (c.program64 ? "64-bit program" : "32-bit program"));
        const ReaderOptions options = Program(c.program64);
        const Hwnd lv = ListView(kTwoByThree, 3, c.target64);
        desk.allocations.clear();
        const ReadResult cell = ReadListViewCell(desk, lv, 1, 2, options);
        EXPECT_EQ(cell.text, "c2");
        // A text block of 255 UTF-16 units, then the request's own block.
        ASSERT_EQ(desk.allocations.size(), 2u);
        EXPECT_EQ(desk.allocations[0].size, 510u);
        EXPECT_EQ(desk.allocations[1].size, c.structSize);
        for (const auto& a : desk.allocations) {
            EXPECT_EQ(a.allocationType, win::MEM_COMMIT);
            EXPECT_EQ(a.protect, win::PAGE_READWRITE);
        }
        // The control found the request in its own memory, in its own layout.
        const RemoteAddress text = desk.allocations[0].address;
        EXPECT_EQ(text >= 0x100000000ull, c.target64 && c.program64);
        EXPECT_EQ(sim::ControlOf<sim::SimListView>(desk, lv).lastRequest,
                  ItemRequest(LayoutFor(ItemKind::ListViewCell, c.target64), 2, text));
        EXPECT_EQ(desk.log.Messages().back().msg, win::LVM_GETITEMTEXTW);
        EXPECT_EQ(desk.log.Messages().back().wParam, 1u);
        EXPECT_EQ(ReadListView(desk, lv, options).text, "a1\tb1\tc1\r\na2\tb2\tc2");
        ExpectNothingLeft();
    }
}

TEST_F(ListViewReaderTest, OnA32BitSystemEveryTargetTakesThe32BitLayout) {
    // IsWow64Process says FALSE for every process there, which alone would
    // pick the 64-bit layout.
    desk.system64Bit = false;
    const ReaderOptions options = Program(false);
    const Hwnd lv = ListView(kTwoByThree, 3, false);
    EXPECT_EQ(ReadListView(desk, lv, options).text, "a1\tb1\tc1\r\na2\tb2\tc2");
    EXPECT_EQ(sim::ControlOf<sim::SimListView>(desk, lv).lastRequest.size(), 40u);
    ExpectNothingLeft();
}

TEST_F(ListViewReaderTest, WholeReadGivesTheCellByCellTextByteForByte) {
    for (bool is64 : {false, true}) {
        SCOPED_TRACE(is64 ? "64-bit target" : "32-bit target");
        Rows rows = Grid(40, 4);
        rows[3][1] = "  中 文  ";
        rows[7][0] = std::string(280, 'q');
        rows[9][3] = "    ";
        const Hwnd lv = ListView(rows, 5, is64);  // a column the rows do not have
        // Two rows more than exist: the control writes nothing for them.
        Answer(desk.Window(lv), win::LVM_GETITEMCOUNT, 42);
        const ReadResult whole = ReadListView(desk, lv);
        const ReadResult byCell = ReadListViewCellByCell(desk, lv);
        EXPECT_EQ(whole.text, byCell.text);
        EXPECT_NE(whole.text.find("r39c3\t\r\n\t\t\t\t\r\n\t\t\t\t"), std::string::npos);
        ExpectNothingLeft();
    }
}

TEST_F(ListViewReaderTest, WholeReadOpensOnceAndAllocatesOnce) {
    const Hwnd lv = ListView(Grid(100, 5), 5);
    desk.log.Clear();
    const ReadResult result = ReadListView(desk, lv);
    EXPECT_EQ(result.text.substr(0, 24), "r0c0\tr0c1\tr0c2\tr0c3\tr0c4");
    EXPECT_EQ(desk.allocations.size(), 1u);
    EXPECT_EQ(Sent(win::LVM_GETITEMTEXTW), 500u);
    ExpectNothingLeft();
}

struct FailureCase {
    const char* name;
    std::function<void(sim::SimProcess&)> arrange;
    ReadError error;
    bool wholeReadToo;  // the whole read allocates once: a second allocation never comes
};

const FailureCase kFailures[] = {
    {"IsWow64Process fails", [](sim::SimProcess& p) { p.wow64QueryFails = true; }, ReadError::IsWow64ProcessFailed,
     true},
    // A process that cannot be opened is told as such, not as 22011.
    {"no query right at all",
     [](sim::SimProcess& p) { p.deniedAccess = win::PROCESS_QUERY_INFORMATION | win::PROCESS_QUERY_LIMITED_INFORMATION; },
     ReadError::ProcessNotOpened, true},
    {"no memory rights", [](sim::SimProcess& p) { p.deniedAccess = win::PROCESS_VM_WRITE; },
     ReadError::ProcessNotOpened, true},
    {"allocation fails", [](sim::SimProcess& p) { p.allocationsBeforeFailure = 0; }, ReadError::RemoteMemoryFailed,
     true},
    {"second allocation fails", [](sim::SimProcess& p) { p.allocationsBeforeFailure = 1; },
     ReadError::RemoteMemoryFailed, false},
    {"write fails", [](sim::SimProcess& p) { p.writesFail = true; }, ReadError::RemoteMemoryFailed, true},
    {"32-bit target allocates above 4 GiB",
     [](sim::SimProcess& p) {
         p.is64Bit = false;
         p.allocatesHigh = true;
     },
     ReadError::RemoteMemoryFailed, true},
};

TEST_F(ListViewReaderTest, NothingIsSentWithoutAWrittenRequest) {
    for (const FailureCase& c : kFailures) {
        for (bool whole : {true, false}) {
            if (whole && !c.wholeReadToo) continue;
            SCOPED_TRACE(std::string(c.name) + (whole ? ", whole read" : ", cell by cell"));
            const Hwnd lv = ListView(kTwoByThree, 3);
            c.arrange(ProcessOf(lv));
            desk.log.Clear();
            const ReadResult result = whole ? ReadListView(desk, lv) : ReadListViewCellByCell(desk, lv);
            EXPECT_EQ(result.error, c.error);
            EXPECT_EQ(result.text, "");
            EXPECT_FALSE(ReadErrorMessage(result.error).empty());
            EXPECT_EQ(Sent(win::LVM_GETITEMTEXTW), 0u);
            ExpectNothingLeft();
        }
    }
}

TEST_F(ListViewReaderTest, HungWindowIsSentNothing) {
    const Hwnd lv = ListView(kTwoByThree, 3);
    desk.Window(lv).hung = true;
    desk.log.Clear();
    EXPECT_EQ(ReadListView(desk, lv).text, "");
    EXPECT_TRUE(desk.log.Messages().empty());
}

TEST_F(ListViewReaderTest, WindowThatStopsAnsweringEndsTheReadWithWhatCameBefore) {
    const Hwnd lv = ListView(Grid(4, 3), 3);
    // The 8th cell request is answered, then the thread hangs.
    auto count = std::make_shared<int>(0);
    desk.Window(lv).hook = [count](sim::SimWindow& w, std::uint32_t msg, Wparam, Lparam) -> std::optional<Lresult> {
        if (msg == win::LVM_GETITEMTEXTW && ++*count == 8) w.hung = true;
        return std::nullopt;
    };
    const ReadResult result = ReadListView(desk, lv);
    EXPECT_TRUE(result.stoppedAnswering);
    EXPECT_EQ(result.text, "r0c0\tr0c1\tr0c2\r\nr1c0\tr1c1\tr1c2\r\nr2c0\tr2c1");
    EXPECT_EQ(Sent(win::LVM_GETITEMTEXTW), 9u);  // the 9th failed at once; none after it
    // The unanswered request's block stays: the thread may yet carry it out.
    EXPECT_EQ(desk.liveRemoteBlocks(), 1);
    EXPECT_EQ(desk.openProcessHandles(), 0);
}

// A slow thread may carry out a request after its time-out and write into
// the block named in it: that block is never freed, and a process that
// keeps on not answering is not read again, so the leak stays bounded.
TEST_F(ListViewReaderTest, BlocksOfUnansweredRequestsAreKeptAndCounted) {
    const Hwnd lv = ListView(kTwoByThree, 3);
    KeptRemoteBlocks kept;
    ReaderOptions options;
    options.kept = &kept;
    std::uint32_t pid = 0;
    desk.GetWindowThreadProcessId(lv, &pid);
    // Each read's first request is taken in and finished long after its
    // time-out; the thread is busy with it meanwhile.
    desk.Window(lv).slowAnswers[win::LVM_GETITEMTEXTW] = 60000;
    for (int read = 1; read <= KeptRemoteBlocks::kMaxKeptBlocksPerProcess; ++read) {
        SCOPED_TRACE(read);
        desk.busyThreads.clear();
        for (bool whole : {true, false}) {
            if (!whole && read % 2 == 0) continue;
            const ReadResult result = whole ? ReadListView(desk, lv, options)
                                            : ReadListViewCell(desk, lv, 0, 0, options);
            if (kept.perProcess[pid] >= KeptRemoteBlocks::kMaxKeptBlocksPerProcess) break;
            EXPECT_TRUE(result.stoppedAnswering);
        }
    }
    EXPECT_EQ(kept.perProcess[pid], KeptRemoteBlocks::kMaxKeptBlocksPerProcess);
    const int left = desk.liveRemoteBlocks();
    EXPECT_GE(left, KeptRemoteBlocks::kMaxKeptBlocksPerProcess);
    desk.busyThreads.clear();
    desk.log.Clear();
    const ReadResult refused = ReadListView(desk, lv, options);
    EXPECT_EQ(refused.error, ReadError::TooManyKeptBlocks);
    EXPECT_FALSE(ReadErrorMessage(refused.error).empty());
    EXPECT_EQ(Sent(win::LVM_GETITEMTEXTW), 0u);
    EXPECT_EQ(desk.liveRemoteBlocks(), left);
    EXPECT_EQ(desk.openProcessHandles(), 0);
    // The thread finishes the requests it was at (the ones sent while it
    // was at one were withdrawn): each finds its block where it says.
    const int answered = sim::ControlOf<sim::SimListView>(desk, lv).requests;
    desk.FinishBusyThreads();
    EXPECT_GT(sim::ControlOf<sim::SimListView>(desk, lv).requests, answered);
    EXPECT_EQ(desk.badRemoteAccesses, 0);
}

// A 32-bit sender's lParam reaches a 64-bit window sign-extended: a block at
// 2 GiB or above would be named as 0xFFFFFFFF8xxxxxxx there.
TEST_F(ListViewReaderTest, ThirtyTwoBitBuildNamesOnlyBlocksBelowTwoGiBToSixtyFourBitTargets) {
    const struct {
        RemoteAddress base;
        bool target64;
        ReadError error;
    } cases[] = {
        {0x7FF00000, true, ReadError::None},  // each block below 2 GiB
        {0x80000000, true, ReadError::RemoteBlockTooHigh},
        {0xC0000000, true, ReadError::RemoteBlockTooHigh},
        {0xC0000000, false, ReadError::None},  // a 32-bit target takes the address as it is
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.base) + (c.target64 ? " to a 64-bit target" : " to a 32-bit target"));
        const Hwnd lv = ListView(kTwoByThree, 3, c.target64);
        ProcessOf(lv).allocationBase = c.base;
        desk.log.Clear();
        for (bool whole : {true, false}) {
            const ReadResult result =
                whole ? ReadListView(desk, lv, Program(false)) : ReadListViewCell(desk, lv, 1, 2, Program(false));
            EXPECT_EQ(result.error, c.error);
            EXPECT_EQ(result.text.empty(), c.error != ReadError::None);
        }
        if (c.error != ReadError::None) {
            EXPECT_EQ(Sent(win::LVM_GETITEMTEXTW), 0u);
        }
        ExpectNothingLeft();
    }
}

TEST_F(ListViewReaderTest, WindowThatVanishesMidReadFreesEverything) {
    const Hwnd lv = ListView(Grid(30, 3), 3);
    VanishAt(desk, lv, win::LVM_GETITEMTEXTW, 20);
    const ReadResult result = ReadListView(desk, lv);
    EXPECT_TRUE(result.stoppedAnswering);
    EXPECT_EQ(result.text.substr(0, 14), "r0c0\tr0c1\tr0c2");
    EXPECT_EQ(Sent(win::LVM_GETITEMTEXTW), 22u);
    ExpectNothingLeft();
}

TEST_F(ListViewReaderTest, HugeCountsAreCapped) {
    const struct {
        const char* name;
        std::uint32_t msg;
        std::size_t cells, lineBreaks;
    } cases[] = {
        {"two thousand million rows", win::LVM_GETITEMCOUNT, 999, 332},
        {"two thousand million columns", win::HDM_GETITEMCOUNT, 1000, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Hwnd lv = ListView(Grid(2, 3), 3);
        const Hwnd target = c.msg == win::HDM_GETITEMCOUNT ? sim::ControlOf<sim::SimListView>(desk, lv).header : lv;
        Answer(desk.Window(target), c.msg, 2000000000);
        ReaderOptions options;
        options.limits.maxListViewCells = 1000;
        desk.log.Clear();
        const ReadResult result = ReadListView(desk, lv, options);
        EXPECT_EQ(Sent(win::LVM_GETITEMTEXTW), c.cells);
        EXPECT_EQ(static_cast<std::size_t>(std::count(result.text.begin(), result.text.end(), '\n')), c.lineBreaks);
        ExpectNothingLeft();
    }
}

TEST_F(ListViewReaderTest, HugeCountEndsWhenTheWindowGoes) {
    const Hwnd lv = ListView(Grid(2, 2), 2);
    VanishAt(desk, lv, win::LVM_GETITEMTEXTW, 100);
    Answer(desk.Window(lv), win::LVM_GETITEMCOUNT, 2000000000);
    const ReadResult result = ReadListView(desk, lv);
    EXPECT_TRUE(result.stoppedAnswering);
    EXPECT_EQ(Sent(win::LVM_GETITEMTEXTW), 102u);
    ExpectNothingLeft();
}

TEST_F(ListViewReaderTest, NegativeCountsReadNothing) {
    const Hwnd lv = ListView(kTwoByThree, 3);
    Answer(desk.Window(lv), win::LVM_GETITEMCOUNT, -5);
    EXPECT_EQ(ReadListView(desk, lv).text, "");
    EXPECT_TRUE(desk.allocations.empty());
}

}  // namespace
}  // namespace lumivex::test
