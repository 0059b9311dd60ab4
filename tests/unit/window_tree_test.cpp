// The window tree on the simulated desktop: order, keys, texts, placement,
// the re-queue and its message, the handle box rules, hostile desktops.
#include <gtest/gtest.h>

#include "desktop_tree/window_tree.h"
#include "info/tools_readings.h"
#include "sim_fixture.h"

namespace lumivex::test {
namespace {

class WindowTreeTest : public DesktopTest {
protected:
    Hwnd Owned(Hwnd owner, const std::string& title) {
        WindowSpec s;
        s.className = "#32770";
        s.text = title;
        s.style = win::WS_POPUP | win::WS_VISIBLE;
        s.owner = owner;
        return desk.CreateWindow(s);
    }
    static std::vector<Hwnd> Handles(const TreeBuild& b) {
        std::vector<Hwnd> out;
        for (const auto& n : b.nodes) out.push_back(n.hwnd);
        return out;
    }
    static Hwnd ParentOf(const TreeBuild& b, Hwnd h) {
        for (const auto& n : b.nodes)
            if (n.hwnd == h) return n.parent < 0 ? 0 : b.nodes[static_cast<std::size_t>(n.parent)].hwnd;
        ADD_FAILURE() << "no node for " << h;
        return 0;
    }
};

TEST(TreeKeys, HandleTextIsEightUpperCaseDigits) {
    const struct { Hwnd hwnd; const char* hexS; } cases[] = {
        {0x1001A, "0001001A"}, {0, "00000000"}, {0xFFFFFFFE, "FFFFFFFE"}, {0xABCDEF12, "ABCDEF12"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hexS);
        EXPECT_EQ(HexS(c.hwnd), c.hexS);
        EXPECT_EQ(HexK(c.hwnd), std::string("S") + c.hexS);
    }
}

TEST_F(WindowTreeTest, NodeTextFollowsTheTitleRule) {
    const Hwnd top = TopLevel("t", {0, 0, 10, 10});
    const std::string a53(53, 'a'), a54(54, 'a'), zh54 = [] { std::string s; for (int i = 0; i < 27; ++i) s += "中"; return s; }();
    const struct { std::string title, shown; } cases[] = {
        {a53, a53},
        {a54, std::string(50, 'a') + "..."},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title.size());
        const Hwnd h = Child(top, "Button", c.title, {0, 0, 5, 5});
        const std::string expected = HexS(h) + " ┈ Button" + (c.shown.empty() ? "" : " ┈ " + c.shown);
        EXPECT_EQ(TreeNodeText(desk, h), expected);
    }
    // 27 Chinese characters are 54 bytes but under the limit in characters.
    const Hwnd zh = Child(top, "Static", zh54, {0, 0, 5, 5});
    EXPECT_EQ(TreeTitle(desk, zh), zh54);
}

// One WM_GETTEXT a window, and the title asking its length first gives,
// also where the length answered is more than the text.
TEST_F(WindowTreeTest, TitleTakesOneSendAndMatchesTheLengthFirstRead) {
    const Hwnd top = TopLevel("t", {0, 0, 10, 10});
    std::string zh40, zh30;
    for (int i = 0; i < 40; ++i) (i < 30 ? zh30 : zh40) += "中";
    zh40 = zh30 + zh40;  // 80 bytes: the 60-byte limit keeps 30 characters
    const struct { std::string title; Lresult claimedLength; std::string shown; } cases[] = {
        {"plain", 0, "plain"},
        {std::string(70, 'x'), 0, std::string(50, 'x') + "..."},
        {zh40, 0, zh30},
        {"사진 테스트 😀", 0, "사진 테스트 😀"},
        {"short", 500, "short"},
        {zh40, 61, zh30},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        const Hwnd h = Child(top, "Static", c.title, {0, 0, 5, 5});
        if (c.claimedLength)
            desk.Window(h).hook = [&c](sim::SimWindow&, std::uint32_t msg, Wparam, Lparam) -> std::optional<Lresult> {
                if (msg == win::WM_GETTEXTLENGTH) return c.claimedLength;
                return std::nullopt;
            };
        if (c.shown.find("...") == std::string::npos) {  // the cut to 50 is the tree's own
            EXPECT_EQ(GetWndText(desk, h, 60), c.shown);
        }
        desk.log.Clear();
        EXPECT_EQ(TreeTitle(desk, h), c.shown);
        ASSERT_EQ(desk.log.Messages().size(), 1u);
        EXPECT_EQ(desk.log.Messages()[0].msg, win::WM_GETTEXT);
    }
}

TEST_F(WindowTreeTest, EnumerationIsPreOrderFromTheBottomOfEachRun) {
    const Hwnd top = TopLevel("t", {0, 0, 100, 100});
    const Hwnd a = Child(top, "Button", "a", {0, 0, 5, 5});
    const Hwnd b = Child(top, "Button", "b", {0, 0, 5, 5});
    const Hwnd b1 = Child(b, "Static", "b1", {0, 0, 5, 5});
    const Hwnd b2 = Child(b, "Static", "b2", {0, 0, 5, 5});
    const Hwnd c = Child(top, "Button", "c", {0, 0, 5, 5});
    EXPECT_EQ(EnumWindowTree(desk, top), (std::vector<Hwnd>{top, c, b, b2, b1, a}));
}

TEST_F(WindowTreeTest, HungWindowIsListedWithItsDescendantsAndTheRunGoesOn) {
    const Hwnd top = TopLevel("t", {0, 0, 100, 100});
    const Hwnd a = Child(top, "Button", "a", {0, 0, 5, 5});
    const Hwnd hung = Child(top, "Button", "h", {0, 0, 5, 5});
    const Hwnd inner = Child(hung, "Static", "i", {0, 0, 5, 5});
    const Hwnd c = Child(top, "Button", "c", {0, 0, 5, 5});
    desk.Window(hung).hung = true;
    desk.Window(inner).hung = true;
    const auto build = BuildSubTree(desk, top);
    ASSERT_TRUE(build);
    EXPECT_EQ(Handles(*build), (std::vector<Hwnd>{top, c, hung, inner, a}));
    EXPECT_EQ(build->nodes[2].text, HexS(hung) + " ┈ Button ┈ (未响应)");
    EXPECT_EQ(ParentOf(*build, inner), hung);
}

TEST_F(WindowTreeTest, SubtreeOfNoWindowOrAHungRootIsNothing) {
    const Hwnd top = TopLevel("t", {0, 0, 100, 100});
    EXPECT_FALSE(BuildSubTree(desk, 0));
    EXPECT_FALSE(BuildSubTree(desk, 0x7777));
    desk.Window(top).hung = true;
    EXPECT_FALSE(BuildSubTree(desk, top));
}

TEST_F(WindowTreeTest, DesktopTreePlacesOwnedWindowsUnderTheirOwnerAndRequeuesEarlyOnes) {
    const Hwnd early = TopLevel("early", {0, 0, 10, 10});
    // Created after the window it owns refers to, so it comes first in the
    // enumeration (bottom of the Z order first) before its owner has a node.
    const Hwnd owner = TopLevel("owner", {0, 0, 10, 10});
    const Hwnd owned = Owned(owner, "dialog");
    desk.Window(early).style = win::WS_POPUP | win::WS_VISIBLE;
    desk.Window(early).owner = owned;
    const auto build = BuildDesktopTree(desk);
    EXPECT_EQ(build.nodes.front().hwnd, desk.GetDesktopWindow());
    EXPECT_EQ(build.nodes.front().text.substr(build.nodes.front().text.size() - std::string(" ┈ [桌面]").size()),
              " ┈ [桌面]");
    EXPECT_EQ(ParentOf(build, owner), desk.GetDesktopWindow());
    EXPECT_EQ(ParentOf(build, owned), owner);
    EXPECT_EQ(ParentOf(build, early), owned);
    // Re-queued behind the rest, so its node comes last.
    EXPECT_EQ(build.nodes.back().hwnd, early);
    EXPECT_EQ(build.total, 4u);
    EXPECT_TRUE(build.unplaced.empty());
    EXPECT_EQ(UnplacedMessage(build.unplaced), "");
}

TEST_F(WindowTreeTest, WindowsWaitingOnEachOtherEndPlacementWithTheirHandlesInQueueOrder) {
    const Hwnd a = Owned(0, "a");
    const Hwnd b = Owned(a, "b");
    desk.Window(a).owner = b;  // a loop of owners
    const Hwnd placed = TopLevel("placed", {0, 0, 10, 10});
    const auto build = BuildDesktopTree(desk);
    EXPECT_EQ(build.total, 4u);
    EXPECT_EQ(build.nodes.size(), 2u);
    EXPECT_EQ(ParentOf(build, placed), desk.GetDesktopWindow());
    // Queue a,b: a re-queued (b,a), b re-queued (a,b), a re-queued (b,a): 3 > 2 ends it.
    EXPECT_EQ(build.unplaced, (std::vector<Hwnd>{b, a}));
    EXPECT_EQ(UnplacedMessage({b, a, 0xFFFFFFFF}),
              "循环超时！以下句柄无法添加到树节点中！\r\n\r\n" + std::to_string(b) + ", " + std::to_string(a) + ", -1");
}

// A desktop whose windows change under the builder's feet.
class ShiftingDesktop : public sim::SimDesktop {
public:
    Hwnd destroyOnParentOf = 0, victim = 0;
    Hwnd loopFrom = 0, loopTo = 0;  // GW_HWNDPREV of loopFrom answers loopTo
    Hwnd GetParent(Hwnd hwnd) override {
        if (hwnd == destroyOnParentOf && victim) {
            DestroyWindow(victim);
            victim = 0;
        }
        return SimDesktop::GetParent(hwnd);
    }
    Hwnd GetWindow(Hwnd hwnd, std::uint32_t cmd) override {
        if (hwnd == loopFrom && cmd == win::GW_HWNDPREV) return loopTo;
        return SimDesktop::GetWindow(hwnd, cmd);
    }
};

Hwnd Make(sim::SimDesktop& d, Hwnd parent, const char* cls) {
    sim::WindowSpec s;
    s.className = cls;
    s.parent = parent;
    s.style = parent ? kWsChildVisible : win::WS_VISIBLE;
    return d.CreateWindow(s);
}

TEST(HostileTree, AWindowVanishingMidBuildEndsUnderTheDesktopOrUnplaced) {
    ShiftingDesktop d;
    const Hwnd top = Make(d, 0, "#32770");
    const Hwnd a = Make(d, top, "Button");
    const Hwnd b = Make(d, top, "Button");  // enumerated first (bottom)
    d.destroyOnParentOf = b;
    d.victim = a;
    const auto sub = BuildSubTree(d, top);
    ASSERT_TRUE(sub);
    EXPECT_EQ(sub->nodes.size(), 2u);
    EXPECT_EQ(sub->unplaced, (std::vector<Hwnd>{a}));

    ShiftingDesktop d2;
    const Hwnd top2 = Make(d2, 0, "#32770");
    const Hwnd a2 = Make(d2, top2, "Button");
    const Hwnd b2 = Make(d2, top2, "Button");
    d2.destroyOnParentOf = b2;
    d2.victim = a2;
    const auto whole = BuildDesktopTree(d2);
    EXPECT_TRUE(whole.unplaced.empty());
    EXPECT_EQ(whole.nodes.back().hwnd, a2);
    EXPECT_EQ(whole.nodes[static_cast<std::size_t>(whole.nodes.back().parent)].hwnd, d2.GetDesktopWindow());
}

TEST(HostileTree, ALoopingSiblingChainListsEachWindowOnce) {
    ShiftingDesktop d;
    const Hwnd top = Make(d, 0, "#32770");
    const Hwnd a = Make(d, top, "Button");
    const Hwnd b = Make(d, top, "Button");
    const Hwnd c = Make(d, top, "Button");
    d.loopFrom = a;  // the top of the run points back to the bottom
    d.loopTo = c;
    EXPECT_EQ(EnumWindowTree(d, top), (std::vector<Hwnd>{top, c, b, a}));
    const auto sub = BuildSubTree(d, top);
    ASSERT_TRUE(sub);
    EXPECT_EQ(sub->nodes.size(), 4u);
}

TEST(HostileTree, AnAbsurdDepthEndsTheWalkAtTheBound) {
    sim::SimDesktop d;
    const Hwnd top = Make(d, 0, "#32770");
    Hwnd parent = top;
    for (std::size_t i = 0; i < kMaxTreeDepth + 500; ++i) parent = Make(d, parent, "Static");
    const auto list = EnumWindowTree(d, top);
    EXPECT_EQ(list.size(), kMaxTreeDepth + 1);
    const auto sub = BuildSubTree(d, top);
    ASSERT_TRUE(sub);
    EXPECT_EQ(sub->nodes.size(), kMaxTreeDepth + 1);
}

TEST(TreeTexts, CaptionAndCentring) {
    EXPECT_EQ(TreeCaption(812, 0.7344), "句柄树结构列表 [共812项] - (耗时 0.734 秒)");
    const struct { Rect box, owner; int x, y; } cases[] = {
        {{0, 0, 100, 50}, {100, 100, 301, 201}, 150, 125},
        {{0, 0, 101, 51}, {0, 0, 100, 50}, -1, -1},  // rounded towards minus infinity
        {{5, 5, 105, 55}, {-300, -200, -100, -100}, -250, -175},
    };
    for (const auto& c : cases) {
        const Point p = CenteredBoxOrigin(c.box, c.owner);
        EXPECT_EQ(p.x, c.x);
        EXPECT_EQ(p.y, c.y);
    }
}

TEST(HandleBox, GoToNodeKeyAndKeyFilter) {
    const struct { const char* text; const char* key; } keys[] = {
        {"1001A", "S0001001A"}, {"0001001A", "S0001001A"}, {"", "S00000000"}, {"123456789", "S23456789"}};
    for (const auto& k : keys) EXPECT_EQ(GoToNodeKey(k.text), k.key) << k.text;
    const struct { int code; std::optional<char> out; } filter[] = {
        {'a', 'A'}, {'f', 'F'}, {'F', 'F'}, {'7', '7'}, {'g', std::nullopt}, {'-', std::nullopt},
        {' ', std::nullopt}, {8, char(8)}, {46, '.'}, {0, '\0'}, {13, char(13)}, {2, std::nullopt}};
    for (const auto& f : filter) EXPECT_EQ(FilterHandleKey(f.code), f.out) << f.code;
    std::vector<TreeNode> nodes{{1, "S00000001", "", -1}, {2, "S0000000A", "", 0}};
    EXPECT_EQ(FindNode(nodes, GoToNodeKey("a")), -1);  // keys are upper case
    EXPECT_EQ(FindNode(nodes, GoToNodeKey("A")), 1);
    EXPECT_EQ(FindNode(nodes, ""), -1);
}

}  // namespace
}  // namespace lumivex::test
