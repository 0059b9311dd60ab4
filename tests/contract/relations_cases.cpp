// Relations between windows and their Z order: what the window tree, the
// related-window links and the finder walk.
#include <algorithm>

#include "contract_win.h"
#include "world.h"

namespace lumivex::contract {

namespace {

struct Link {
    const char* what;
    Hwnd from;
    std::uint32_t cmd;
    Hwnd expected;
};

void ExpectLinks(Platform& p, const std::vector<Link>& links) {
    for (const Link& link : links) EXPECT_EQ(p.GetWindow(link.from, link.cmd), link.expected) << link.what;
}

constexpr std::uint32_t kKeepPlace = win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOACTIVATE;

}  // namespace

TEST_P(WindowRelations, ChildrenKeepTheOrderTheyWereMadeIn) {
    const Hwnd frame = Frame({100, 100, 500, 400});
    const Hwnd a = Child(frame, {10, 10, 60, 40});
    const Hwnd b = Child(frame, {70, 10, 120, 40});
    const Hwnd c = Child(frame, {130, 10, 180, 40});
    const Hwnd inner = Child(b, {1, 1, 20, 20});
    ExpectLinks(p(), {
                         {"first child", frame, win::GW_CHILD, a},
                         {"a's next", a, win::GW_HWNDNEXT, b},
                         {"b's next", b, win::GW_HWNDNEXT, c},
                         {"last's next", c, win::GW_HWNDNEXT, 0},
                         {"c's previous", c, win::GW_HWNDPREV, b},
                         {"first's previous", a, win::GW_HWNDPREV, 0},
                         {"first of c", c, win::GW_HWNDFIRST, a},
                         {"last of a", a, win::GW_HWNDLAST, c},
                         {"b's child", b, win::GW_CHILD, inner},
                         {"a leaf's child", a, win::GW_CHILD, 0},
                         {"a child's owner", a, win::GW_OWNER, 0},
                     });
    EXPECT_EQ(p().GetParent(inner), b);
    const std::vector<Hwnd> top = p().EnumWindows();
    EXPECT_EQ(p().GetWindow(p().GetDesktopWindow(), win::GW_CHILD), top.empty() ? 0 : top.front());
}

// GetParent answers the owner for a pop-up, but nothing for an owned
// window that is not one; GW_OWNER answers the owner of either.
TEST_P(WindowRelations, GetParentOfChildrenPopUpsAndOwnedWindows) {
    const Hwnd owner = Frame({100, 100, 500, 400});
    const struct {
        const char* what;
        std::uint32_t style;
        bool child, owned;
        Hwnd parent, ownerLink;
    } rows[] = {
        {"child", win::WS_CHILD | win::WS_VISIBLE, true, false, owner, 0},
        {"owned pop-up", win::WS_POPUP | win::WS_VISIBLE, false, true, owner, owner},
        {"pop-up", win::WS_POPUP | win::WS_VISIBLE, false, false, 0, 0},
        {"owned overlapped window", win::WS_CAPTION | win::WS_VISIBLE, false, true, 0, owner},
        {"overlapped window", win::WS_CAPTION | win::WS_VISIBLE, false, false, 0, 0},
    };
    for (const auto& row : rows) {
        WindowDesc desc;
        desc.kind = Kind::Frame;
        desc.style = row.style;
        desc.place = row.child ? Rect{10, 10, 50, 50} : Rect{150, 150, 300, 300};
        desc.parent = row.child ? owner : 0;
        desc.owner = row.owned ? owner : 0;
        const Hwnd hwnd = world().Create(desc);
        EXPECT_EQ(p().GetParent(hwnd), row.parent) << row.what;
        EXPECT_EQ(p().GetWindow(hwnd, win::GW_OWNER), row.ownerLink) << row.what;
    }
}

namespace {
// Places in the Z order of the top-level windows, topmost first.
class Stack {
public:
    explicit Stack(Platform& p) : windows_(p.EnumWindows()), p_(p) {}
    bool Above(Hwnd upper, Hwnd lower) const { return At(upper) < At(lower); }
    // Only topmost windows lie above it.
    bool TopOfTheRest(Hwnd hwnd) const {
        return std::all_of(windows_.begin(), windows_.begin() + At(hwnd), [&](Hwnd h) { return Topmost(h); });
    }
    bool Topmost(Hwnd h) const {
        return (static_cast<std::uint32_t>(p_.GetWindowLongA(h, win::GWL_EXSTYLE)) & win::WS_EX_TOPMOST) != 0;
    }

private:
    std::ptrdiff_t At(Hwnd h) const {
        const auto it = std::find(windows_.begin(), windows_.end(), h);
        EXPECT_NE(it, windows_.end()) << h;
        return it - windows_.begin();
    }
    std::vector<Hwnd> windows_;
    Platform& p_;
};
}  // namespace

TEST_P(ZOrder, TopmostWindowsStayAboveTheRest) {
    const Hwnd a = Frame({100, 100, 300, 300});
    const Hwnd b = Frame({120, 120, 320, 320});
    const Hwnd c = Frame({140, 140, 340, 340});
    {
        const Stack s(p());
        EXPECT_TRUE(s.Above(c, b) && s.Above(b, a)) << "a new window goes on top";
    }

    ASSERT_TRUE(p().SetWindowPos(a, win::HWND_TOPMOST, 0, 0, 0, 0, kKeepPlace));
    {
        const Stack s(p());
        EXPECT_TRUE(s.Topmost(a));
        EXPECT_TRUE(s.Above(a, c)) << "HWND_TOPMOST raises the window";
        EXPECT_TRUE(s.TopOfTheRest(a));
    }

    ASSERT_TRUE(p().SetWindowPos(b, win::HWND_TOP, 0, 0, 0, 0, kKeepPlace));
    const Hwnd d = Frame({160, 160, 360, 360});
    {
        const Stack s(p());
        EXPECT_TRUE(s.Above(a, b)) << "HWND_TOP stops below the topmost windows";
        EXPECT_TRUE(s.Above(b, c));
        EXPECT_TRUE(s.Above(a, d) && s.Above(d, b)) << "so does a new window";
    }

    ASSERT_TRUE(p().BringWindowToTop(c));
    {
        const Stack s(p());
        EXPECT_TRUE(s.Above(a, c) && s.Above(c, d)) << "BringWindowToTop stops below them too";
    }

    ASSERT_TRUE(p().SetWindowPos(a, win::HWND_NOTOPMOST, 0, 0, 0, 0, kKeepPlace));
    {
        const Stack s(p());
        EXPECT_FALSE(s.Topmost(a));
        EXPECT_TRUE(s.TopOfTheRest(a)) << "HWND_NOTOPMOST leaves it at the top of the rest";
        EXPECT_TRUE(s.Above(a, c));
    }

    ASSERT_TRUE(p().SetWindowPos(b, win::HWND_TOPMOST, 0, 0, 0, 0, kKeepPlace | win::SWP_NOZORDER));
    EXPECT_FALSE(Stack(p()).Topmost(b)) << "SWP_NOZORDER ignores HWND_TOPMOST";
}

}  // namespace lumivex::contract
