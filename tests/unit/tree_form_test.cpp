// The tree form and the child list as the user drives them.
#include <gtest/gtest.h>

#include "app/child_list_form.h"
#include "app/tree_form.h"
#include "desktop_tree/child_rows.h"
#include "sim_fixture.h"

namespace lumivex::test {
namespace {

class TreeFormTest : public DesktopTest {
protected:
    Hwnd top = TopLevel("top", {0, 0, 100, 100});
    Hwnd group = Child(top, "Button", "group", {0, 0, 50, 50});
    Hwnd inner = Child(group, "Edit", "inner", {0, 0, 5, 5});
    TreeForm tree{form};
};

TEST_F(TreeFormTest, OpenedWithoutATargetShowsNothingAndOnlyTheDesktopButton) {
    form.SnapHwnd = 0;
    tree.Load();
    EXPECT_TRUE(tree.nodes.empty());
    EXPECT_EQ(tree.buttonEnabled, (std::array<bool, 3>{true, false, false}));
    EXPECT_EQ(tree.handleText, HexS(desk.GetDesktopWindow()));
    tree.PressDesktop();
    ASSERT_FALSE(tree.nodes.empty());
    EXPECT_EQ(tree.selectedNode, 0);
    EXPECT_EQ(tree.caption.rfind("句柄树结构列表 [共4项] - (耗时 ", 0), 0u) << tree.caption;
}

TEST_F(TreeFormTest, ParentRebuildsOneLevelUpAndSelectsTheTarget) {
    form.SnapHwnd = group;
    tree.Load();
    EXPECT_EQ(tree.nodes.size(), 2u);
    EXPECT_EQ(tree.buttonEnabled, (std::array<bool, 3>{true, true, false}));
    tree.PressParent();
    ASSERT_EQ(tree.nodes.size(), 3u);
    EXPECT_EQ(tree.nodes.front().hwnd, top);
    EXPECT_EQ(tree.selectedNode, 1);
    EXPECT_EQ(tree.buttonEnabled, (std::array<bool, 3>{true, false, true}));
    const int builds = tree.buildCount;
    tree.PressParent();  // the root is top-level now
    EXPECT_EQ(tree.buildCount, builds);
    tree.PressBack();
    EXPECT_EQ(tree.nodes.front().hwnd, group);
}

TEST_F(TreeFormTest, HandleBoxGoesToNodesAndOkFillsTheMainWindow) {
    form.SnapHwnd = top;
    tree.Load();
    tree.handleText = HexText(inner);  // fewer than 8 digits
    tree.GoToNode();
    EXPECT_EQ(tree.selectedNode, 2);
    tree.ClickNode(1);
    EXPECT_EQ(tree.handleText, HexS(group));
    EXPECT_EQ(tree.nodeText, HexS(group) + " ┈ Button ┈ group");
    tree.PressOk();
    EXPECT_EQ(form.SnapHwnd, group);
    EXPECT_EQ(form.TmpHwnd, group);
    EXPECT_TRUE(form.flashTimerOn);
    EXPECT_TRUE(tree.closeRequested);
}

TEST_F(TreeFormTest, OkWithNoWindowLeavesTheMainWindowAndExpandToggles) {
    form.SnapHwnd = top;
    tree.Load();
    tree.handleText = "7";
    tree.PressOk();
    EXPECT_EQ(form.SnapHwnd, top);
    tree.PressExpand();
    EXPECT_TRUE(tree.ExpandAllState);
    EXPECT_EQ(tree.selectedNode, 0);
    tree.PressExpand();
    EXPECT_FALSE(tree.ExpandAllState);
}

TEST_F(TreeFormTest, ChildListHandsTheChosenWindowOver) {
    const struct { const char* action; Hwnd expected; } cases[] = {
        {"ok", group}, {"ok-none", 0}, {"cancel", 0}, {"close", top}, {"open-leaf", group}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.action);
        session.ChildListHwnd = top;
        ChildListForm list(form);
        list.Load();
        ASSERT_EQ(list.rows.size(), 1u);
        const std::string action = c.action;
        if (action == "ok") { list.selectedRow = 0; list.PressOk(); }
        if (action == "ok-none") list.PressOk();
        if (action == "cancel") { list.selectedRow = 0; list.PressCancel(); }
        if (action == "close") list.CloseBox();
        if (action == "open-leaf") {
            list.selectedRow = 0;
            list.OpenSelected();  // group has a child: the list steps down
            ASSERT_EQ(list.rows.size(), 1u);
            EXPECT_EQ(ReadChildRow(list.rows[0], true), static_cast<std::int32_t>(inner));
            list.selectedRow = 0;
            list.OpenSelected();  // inner has none: the list stays, the handle goes up
            EXPECT_EQ(ReadChildRow(list.rows[0], true), static_cast<std::int32_t>(inner));
        }
        EXPECT_EQ(session.ChildListHwnd, c.expected);
    }
    ChildListForm all(form);
    session.ChildListHwnd = top;
    all.Load();
    all.SetShowAll(true);
    EXPECT_EQ(all.rows.size(), 2u);
}

}  // namespace
}  // namespace lumivex::test

#include "app/about_form.h"

namespace lumivex::test {
namespace {

TEST_F(TreeFormTest, AboutVersionAndTopmostLiftAndRestore) {
    EXPECT_EQ(AboutVersionText(3, 1, 2), "Lumivex V3.1.0.2 (2018-12-4)");
    for (bool ticked : {true, false}) {
        SCOPED_TRACE(ticked);
        desk.log.Clear();
        form.selfHwnd = top;
        form.alwaysOnTop = ticked;
        LiftTopmostForAbout(form, group);
        RestoreTopmostAfterAbout(form);
        std::vector<std::pair<Hwnd, std::int64_t>> positions;
        for (const auto& c : desk.log.Named("SetWindowPos")) positions.push_back({c.hwnd, c.a});
        std::vector<std::pair<Hwnd, std::int64_t>> expected{{top, std::int64_t{-2}},
                                                            {group, std::int64_t{-2}}};
        if (ticked) expected.push_back({top, std::int64_t{-1}});
        EXPECT_EQ(positions, expected);
    }
}

}  // namespace
}  // namespace lumivex::test

namespace lumivex::test {
namespace {

TEST_F(TreeFormTest, ExportHandsTheRowsToTheNotepadWeStarted) {
    session.ChildListHwnd = top;
    ChildListForm list(form);
    list.Load();
    list.SetShowAll(true);
    list.Export();
    FinishRead(form);
    ASSERT_EQ(desk.log.Texts("CreateProcessA"), std::vector<std::string>{"\"C:\\Windows\\system32\\notepad.exe\""});
    ASSERT_NE(session.notepad.window, 0u);
    const Hwnd edit = desk.GetWindow(session.notepad.window, win::GW_CHILD);
    EXPECT_EQ(desk.Window(edit).text, list.rows[0] + "\r\n" + list.rows[1]);
    EXPECT_EQ(form.messageForUser, "");

    ChildListForm empty(form);
    session.ChildListHwnd = inner;
    empty.Load();
    desk.log.Clear();
    empty.Export();  // no rows: nothing exported
    FinishRead(form);
    EXPECT_TRUE(desk.log.Texts("CreateProcessA").empty());
}

}  // namespace
}  // namespace lumivex::test
