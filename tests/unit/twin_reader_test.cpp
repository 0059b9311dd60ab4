// The 32-bit build handing a read to its 64-bit twin, on the simulated
// desktop: the twin started there runs its real entry as the 64-bit program
// and its bytes travel through the simulated pipe.
#include <functional>
#include <string>
#include <vector>

#include "platform/utf16.h"
#include "readers/reader_dispatch.h"
#include "readers/twin_entry.h"
#include "readers/twin_protocol.h"
#include "readers/twin_reader.h"
#include "readers_fixture.h"

namespace lumivex::test {
namespace {

const std::u16string kTwinPath = u"C:\\Program Files\\Lumivex\\Lumivex64.exe";

// What CommandLineToArgvW gives the twin after its own quoted path.
std::vector<std::u16string> WordsAfterPath(const std::u16string& line) {
    std::vector<std::u16string> words;
    const std::u16string rest = line.substr(line.find(u"\" ") + 2);
    for (std::size_t at = 0; at <= rest.size();) {
        const std::size_t space = std::min(rest.find(u' ', at), rest.size());
        words.push_back(rest.substr(at, space - at));
        at = space + 1;
    }
    return words;
}

// Pieces of an odd size: the pipe then holds half characters between reads.
std::vector<std::string> Pieces(const std::string& bytes, std::size_t size) {
    std::vector<std::string> pieces;
    for (std::size_t at = 0; at < bytes.size(); at += size) pieces.push_back(bytes.substr(at, size));
    return pieces;
}

std::string Wire(const std::string& utf8) {
    std::string bytes;
    for (const char16_t unit : Utf8ToUtf16(utf8)) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

std::vector<sim::TreeNodeSpec> ManyRoots(int n) {
    std::vector<sim::TreeNodeSpec> roots;
    for (int i = 0; i < n; ++i) roots.push_back({"项目 " + std::to_string(i) + (i % 7 ? "" : " 😀"), false, {}});
    return roots;
}

const std::vector<sim::TreeNodeSpec> kTwoRoots = {
    {"A", true, {{"A1", false, {}}, {"A2", false, {}}}},
    {"B", false, {{"B1", false, {}}}},
};

class TwinReaderTest : public ReadersTest {
protected:
    CharsetTable charsets;

    // The real twin beside the program.
    void InstallTwin() {
        desk.programs.Add(kTwinPath, [this](const std::u16string& line) {
            sim::SimProgram program;
            const auto request = ParseTwinArguments(WordsAfterPath(line));
            if (!request) return program;
            const bool parentIs64Bit = desk.callerIs64Bit;
            desk.callerIs64Bit = true;
            std::string bytes;
            RunTwinRead(desk, *request, true, [&bytes](const std::string& more) {
                bytes += more;
                return true;
            });
            desk.callerIs64Bit = parentIs64Bit;
            program.output = Pieces(bytes, 4093);
            return program;
        });
    }
    // A twin that writes what the test says.
    void ScriptTwin(const sim::SimProgram& program) {
        desk.programs.Add(kTwinPath, [program](const std::u16string&) { return program; });
    }
    void ExpectNoChildLeft() {
        EXPECT_EQ(desk.programs.running(), 0);
        EXPECT_EQ(desk.programs.openPipeEnds(), 0);
        EXPECT_EQ(desk.programs.blockedReads, 0);
        ExpectNothingLeft();
    }
    static void ExpectSame(const ReaderOutput& got, const ReaderOutput& want) {
        EXPECT_EQ(got.text, want.text);
        EXPECT_EQ(got.message, want.message);
        EXPECT_EQ(got.note, want.note);
        EXPECT_EQ(got.cancelled, want.cancelled);
    }
};

TEST_F(TwinReaderTest, TheTwinReadsWhatTheThirtyTwoBitBuildCannotAsTheSixtyFourBitBuildDoes) {
    const struct {
        const char* name;
        const char* key;
        std::function<Hwnd()> make;
    } cases[] = {
        {"a 64-bit tree view", "GetTreeViewText",
         [this] { return sim::CreateTreeView(desk, Dialog(true), kTwoRoots); }},
        {"20,000 items of Chinese and emoji", "GetTreeViewText",
         [this] { return sim::CreateTreeView(desk, Dialog(true), ManyRoots(20000)); }},
        {"a tree view that vanishes mid-read", "GetTreeViewText",
         [this] {
             const Hwnd tv = sim::CreateTreeView(desk, Dialog(true), ManyRoots(50));
             VanishAt(desk, tv, win::TVM_GETITEMW, 20);
             return tv;
         }},
        {"a list view whose blocks lie at 2 GiB", "GetListViewText",
         [this] {
             const Hwnd lv = sim::CreateListView(desk, Dialog(true), {{"a1", "b1"}, {"中文", ""}}, 2);
             ProcessOf(lv).allocationBase = 0x80000000;
             return lv;
         }},
    };
    InstallTwin();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        desk.programs.starts.clear();
        const Hwnd target = c.make();
        const ReaderOutput handedOver = RunReader(desk, charsets, c.key, target, Program(false));
        ASSERT_EQ(desk.programs.starts.size(), 1u);
        const sim::ProgramStartRecord& start = desk.programs.starts[0];
        EXPECT_EQ(start.applicationName, kTwinPath);
        EXPECT_EQ(start.commandLine, TwinCommandLine(kTwinPath, {c.key, target}));
        EXPECT_EQ(start.showCmd, win::SW_HIDE);
        EXPECT_EQ(start.creationFlags, win::CREATE_NO_WINDOW);
        ExpectNoChildLeft();

        const ReaderOutput own64 = RunReader(desk, charsets, c.key, c.make(), Program(true));
        EXPECT_EQ(desk.programs.starts.size(), 1u);  // the 64-bit build reads it itself
        EXPECT_TRUE(own64.message.empty());
        EXPECT_FALSE(own64.text.empty());
        ExpectSame(handedOver, own64);
    }
}

TEST_F(TwinReaderTest, WithoutATwinTheMessageOfTheThirtyTwoBitBuildStands) {
    const struct {
        const char* name;
        std::function<void()> arrange;
        std::size_t starts;
    } cases[] = {
        {"no twin beside the program", [] {}, 1},
        {"the twin does not start",
         [this] {
             InstallTwin();
             desk.faults.createProcessFails = true;
         },
         1},
        {"the program's path names no folder",
         [this] {
             InstallTwin();
             desk.modulePath = u"Lumivex.exe";
         },
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        desk = SimDesktop();
        c.arrange();
        const Hwnd tv = sim::CreateTreeView(desk, Dialog(true), kTwoRoots);
        const Hwnd lv = sim::CreateListView(desk, Dialog(true), {{"a1", "b1"}}, 2);
        ProcessOf(lv).allocationBase = 0x80000000;
        const ReaderOutput tree = RunReader(desk, charsets, "GetTreeViewText", tv, Program(false));
        EXPECT_EQ(tree.message, "目标是 64 位程序的树控件，请使用 64 位版本的 Lumivex 读取");
        EXPECT_EQ(tree.text, "");
        const ReaderOutput list = RunReader(desk, charsets, "GetListViewText", lv, Program(false));
        EXPECT_EQ(list.message, ReadErrorMessage(ReadError::RemoteBlockTooHigh));
        EXPECT_EQ(desk.programs.starts.size(), 2 * c.starts);
        ExpectNoChildLeft();
    }
}

TEST_F(TwinReaderTest, ATwinThatBreaksTheProtocolOrFallsSilentIsEndedAndSaysSo) {
    ReadResult lines;
    lines.text = "A\r\nB";
    const std::string good = TwinGreeting() + TwinOutcomeRecords(lines, 2);
    // More than the program takes from the pipe in one look, all there when it sees the twin end.
    ReadResult large;
    large.text = std::string(1300000, 'x');
    const struct {
        const char* name;
        sim::SimProgram program;
        std::string text;
        bool failed;
        int kept;
    } cases[] = {
        {"a whole answer with kept blocks", {{good}, true, {}}, "A\r\nB", false, 2},
        {"a whole answer, and it never ends", {Pieces(good, 5), false, {}}, "A\r\nB", false, 2},
        {"2.6 MB written at once", {{TwinGreeting() + TwinOutcomeRecords(large, 0)}, true, {}}, large.text, false, 0},
        {"garbage", {{Wire("garbage\n")}, true, {}}, "", true, 0},
        {"nothing at all", {{}, true, {}}, "", true, 0},
        {"cut short", {{good.substr(0, good.size() - 3)}, true, {}}, "", true, 0},
        {"half a character, then silence", {{good.substr(0, 41)}, false, {}}, "", true, 0},
        {"a greeting, then silence", {{TwinGreeting()}, false, {}}, "", true, 0},
        {"a byte after the outcome", {{good + "x"}, true, {}}, "", true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        desk = SimDesktop();
        ScriptTwin(c.program);
        KeptRemoteBlocks kept;
        ReaderOptions options = Program(false);
        options.kept = &kept;
        const Hwnd tv = sim::CreateTreeView(desk, Dialog(true), kTwoRoots);
        const ReaderOutput out = RunReader(desk, charsets, "GetTreeViewText", tv, options);
        EXPECT_EQ(out.text, c.text);
        EXPECT_EQ(out.message, c.failed ? ReadErrorMessage(ReadError::TwinFailed) : "");
        EXPECT_EQ(kept.perProcess[desk.Window(tv).processId], c.kept);
        // A twin that did not end by itself was ended, after its silence.
        EXPECT_EQ(desk.log.Count("TerminateProcess"), c.program.exits ? 0u : 1u);
        if (c.program.exits) {
            EXPECT_EQ(desk.programs.waitedMs, 0u);
        } else {
            EXPECT_GE(desk.programs.waitedMs, TwinWaitBounds{}.silenceMs);
        }
        ExpectNoChildLeft();
    }
}

TEST_F(TwinReaderTest, ACancelWhileWaitingEndsTheTwinAndKeepsItsWholeLines) {
    ReadProgress progress;
    sim::SimProgram twin;
    twin.output = {TwinGreeting() + TwinProgressRecord({2, 5}) + Wire("T 40\nA\r\n中文\r\nC")};
    twin.exits = false;
    twin.whileRunning = [&progress] { progress.RequestCancel(); };
    ScriptTwin(twin);
    ReaderOptions options = Program(false);
    options.progress = &progress;
    const Hwnd tv = sim::CreateTreeView(desk, Dialog(true), kTwoRoots);
    const ReaderOutput out = RunReader(desk, charsets, "GetTreeViewText", tv, options);
    EXPECT_TRUE(out.cancelled);
    // How far the twin said it got is what the progress shows.
    EXPECT_EQ(out.text, "A\r\n中文\r\n" + CancelledLine({2, 5}));
    EXPECT_EQ(out.message, "");
    EXPECT_EQ(desk.log.Count("TerminateProcess"), 1u);
    EXPECT_EQ(desk.programs.waitedMs, 0u);
    ExpectNoChildLeft();
}

}  // namespace
}  // namespace lumivex::test
