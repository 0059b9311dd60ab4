// Memory of the fixture's process, and the request structures of list views
// and tree views read through it in the layouts of the build's bitness: the
// readers' wire formats.
#include <cstring>

#include "platform/handles.h"
#include "platform/utf16.h"
#include "readers/item_layouts.h"
#include "world.h"

namespace lumivex::contract {

namespace {

constexpr std::uint32_t kMemoryRights = win::PROCESS_VM_OPERATION | win::PROCESS_VM_READ | win::PROCESS_VM_WRITE;
constexpr std::uint32_t kAnswerMs = 5000;
// The fixture is a program of the build's own bitness.
constexpr bool kBuild64 = sizeof(void*) == 8;

std::uint32_t ProcessOf(Platform& p, Hwnd hwnd) {
    std::uint32_t pid = 0;
    p.GetWindowThreadProcessId(hwnd, &pid);
    return pid;
}

// A block in another process, freed on every path.
class OwnedBlock {
public:
    OwnedBlock(Platform& p, Handle process, std::uint64_t size)
        : p_(p), process_(process),
          address_(p.VirtualAllocEx(process, 0, size, win::MEM_COMMIT | win::MEM_RESERVE, win::PAGE_READWRITE)) {}
    ~OwnedBlock() {
        if (address_) p_.VirtualFreeEx(process_, address_, 0, win::MEM_RELEASE);
    }
    OwnedBlock(const OwnedBlock&) = delete;
    OwnedBlock& operator=(const OwnedBlock&) = delete;
    RemoteAddress address() const { return address_; }

private:
    Platform& p_;
    Handle process_;
    RemoteAddress address_;
};

}  // namespace

TEST_P(RemoteMemory, WrittenBytesReadBackUntilTheBlockIsFreed) {
    const Hwnd frame = Frame({100, 100, 300, 300});
    const ProcessHandle process(p(), p().OpenProcess(kMemoryRights, false, ProcessOf(p(), frame)));
    ASSERT_TRUE(process);
    const RemoteAddress block = p().VirtualAllocEx(process.get(), 0, 256, win::MEM_COMMIT, win::PAGE_READWRITE);
    ASSERT_NE(block, 0u);
    const char written[] = "contract bytes!";
    std::size_t count = 0;
    EXPECT_TRUE(p().WriteProcessMemory(process.get(), block + 8, written, sizeof written, &count));
    EXPECT_EQ(count, sizeof written);
    char read[sizeof written] = {};
    EXPECT_TRUE(p().ReadProcessMemory(process.get(), block + 8, read, sizeof read, &count));
    EXPECT_EQ(count, sizeof read);
    EXPECT_STREQ(read, written);
    EXPECT_FALSE(p().VirtualFreeEx(process.get(), block, 256, win::MEM_RELEASE)) << "MEM_RELEASE takes size 0";
    EXPECT_TRUE(p().VirtualFreeEx(process.get(), block, 0, win::MEM_RELEASE));
    // Under Wine 8 a released block still reads back: its server reads the
    // other process's memory past the protection it leaves on the pages.
    if (!world().underWine()) {
        EXPECT_FALSE(p().ReadProcessMemory(process.get(), block + 8, read, sizeof read, &count)) << "a freed block";
    }

    // A handle without the memory rights opens no memory.
    const ProcessHandle limited(p(), p().OpenProcess(win::PROCESS_QUERY_LIMITED_INFORMATION, false,
                                                     ProcessOf(p(), frame)));
    ASSERT_TRUE(limited);
    EXPECT_EQ(p().VirtualAllocEx(limited.get(), 0, 256, win::MEM_COMMIT, win::PAGE_READWRITE), 0u);
}

namespace {
// One item's text through the control's own memory: the request and a text
// block behind it, the message, the text read back. count is the answer.
struct ItemText {
    bool answered = false;
    Lresult count = 0;
    std::string text;
};

ItemText AskItem(Platform& p, Hwnd control, ItemLayout layout, Wparam wParam, std::uint64_t key) {
    ItemText out;
    const ProcessHandle process(p, p.OpenProcess(kMemoryRights, false, ProcessOf(p, control)));
    const OwnedBlock block(p, process.get(), layout.structSize + layout.textBytes());
    if (!block.address()) return out;
    std::vector<std::uint8_t> request = ItemRequest(layout, key, block.address() + layout.structSize);
    // What lies in the text block unless the control writes there.
    const std::u16string untouched(layout.textMax, u'#');
    request.resize(layout.structSize + layout.textBytes());
    std::memcpy(request.data() + layout.structSize, untouched.data(), layout.textBytes());
    if (!p.WriteProcessMemory(process.get(), block.address(), request.data(), request.size(), nullptr)) return out;
    out.answered = p.SendMessageTimeoutW(control, layout.message, wParam, static_cast<Lparam>(block.address()),
                                         win::SMTO_ABORTIFHUNG, kAnswerMs, &out.count);
    std::u16string text(layout.textMax, u'\0');
    p.ReadProcessMemory(process.get(), block.address() + layout.structSize, text.data(), layout.textBytes(), nullptr);
    out.text = Utf16ToUtf8(text.substr(0, text.find(u'\0')));
    return out;
}
}  // namespace

TEST_P(ItemRequests, ListViewCellsReadThroughTheControlsMemory) {
    const Hwnd frame = Frame({100, 100, 500, 400});
    const Hwnd view = world().CreateListView(frame, {10, 10, 300, 200},
                                             {{"r0c0", "r0c1"}, {"r1c0", ""}, {"名字", "长长的文字"}});
    const ItemLayout layout = LayoutFor(ItemKind::ListViewCell, kBuild64);
    ItemLayout narrow = layout;
    narrow.textMax = 3;
    const struct {
        const char* what;
        const ItemLayout& layout;
        Wparam item;
        std::uint32_t column;
        Lresult count;
        std::string text;
    } rows[] = {
        {"first cell", layout, 0, 0, 4, "r0c0"},
        {"a column", layout, 0, 1, 4, "r0c1"},
        {"a blank cell", layout, 1, 1, 0, ""},
        {"Chinese", layout, 2, 0, 2, "名字"},
        {"cut to the buffer, a NUL after", narrow, 2, 1, 2, "长长"},
    };
    for (const auto& row : rows) {
        const ItemText got = AskItem(p(), view, row.layout, row.item, row.column);
        EXPECT_TRUE(got.answered) << row.what;
        EXPECT_EQ(got.count, row.count) << row.what;
        EXPECT_EQ(got.text, row.text) << row.what;
    }
    const ItemText missing = AskItem(p(), view, layout, 9, 0);
    EXPECT_EQ(missing.count, 0) << "no such item";
    EXPECT_EQ(missing.text, std::string(layout.textMax, '#')) << "nothing written for an item that is not there";
}

TEST_P(ItemRequests, TreeViewWalksItsVisibleItemsThroughTheControlsMemory) {
    const Hwnd frame = Frame({100, 100, 500, 400});
    const Hwnd tree = world().CreateTreeView(frame, {10, 10, 300, 250},
                                             {{"根一", true, {{"甲", false, {}}, {"乙", false, {{"藏", false, {}}}}}},
                                              {"根二", false, {{"丙", false, {}}}}});
    const ItemLayout layout = LayoutFor(ItemKind::TreeItem, kBuild64);
    std::vector<std::string> seen;
    Lresult item = 0;
    ASSERT_TRUE(p().SendMessageTimeoutW(tree, win::TVM_GETNEXTITEM, win::TVGN_ROOT, 0, win::SMTO_ABORTIFHUNG,
                                        kAnswerMs, &item));
    for (int guard = 0; item != 0 && guard < 10; ++guard) {
        const ItemText got = AskItem(p(), tree, layout, 0, static_cast<std::uint64_t>(item));
        EXPECT_TRUE(got.answered && got.count != 0) << seen.size();
        seen.push_back(got.text);
        ASSERT_TRUE(p().SendMessageTimeoutW(tree, win::TVM_GETNEXTITEM, win::TVGN_NEXTVISIBLE, item,
                                            win::SMTO_ABORTIFHUNG, kAnswerMs, &item));
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"根一", "甲", "乙", "根二"})) << "collapsed items are not visible";
}

}  // namespace lumivex::contract
