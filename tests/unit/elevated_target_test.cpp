// A window of a program running with higher rights than Lumivex (an
// elevated one): it refuses our messages, and its process grants only the
// right to ask its name. What every view shows of it says so, rather than
// calling it not responding.
#include <gtest/gtest.h>

#include "app/child_list_form.h"
#include "app/tree_form.h"
#include "platform/sim/sim_controls.h"
#include "sim_fixture.h"
#include "text/reader_choice.h"

namespace lumivex::test {
namespace {

constexpr std::uint32_t kElevatedPid = 4000;

class ElevatedTargetTest : public DesktopTest {
protected:
    Hwnd top = 0, edit = 0, view = 0;

    void SetUp() override {
        desk.AddDrive("C:\\", "\\Device\\HarddiskVolume3");
        desk.AddProcess(kElevatedPid, "\\Device\\HarddiskVolume3\\Tools\\admin.exe").elevated = true;
        top = TopLevel("管理员 Admin", {100, 100, 500, 400}, kElevatedPid);
        edit = Child(top, "Edit", "secret", {110, 110, 300, 130}, 1);
        view = sim::CreateListView(desk, top, {{"a", "b"}}, 2);
        for (Hwnd h : {edit, view}) desk.Window(h).processId = kElevatedPid;
        form.Load();
    }
};

TEST_F(ElevatedTargetTest, EveryViewSaysAccessIsDeniedAndNothingWaits) {
    form.SnapHwnd = top;
    form.Fill();
    EXPECT_EQ(form.texts.tools.text, "(拒绝访问)");
    // The program path needs only the right such a process grants.
    EXPECT_EQ(form.texts.programPath, "C:\\Tools\\admin.exe");

    TreeForm tree(form);
    tree.Load();
    const int node = FindNode(tree.nodes, HexK(edit));
    ASSERT_GE(node, 0);
    EXPECT_EQ(tree.nodes[static_cast<std::size_t>(node)].text, HexS(edit) + " ┈ Edit ┈ (拒绝访问)");

    session.ChildListHwnd = top;
    ChildListForm children(form);
    children.Load();
    ASSERT_FALSE(children.rows.empty());
    for (const std::string& row : children.rows) EXPECT_NE(row.find("标题:(拒绝访问)"), std::string::npos) << row;

    // A list view of it refuses to be read, which is what the user is told.
    form.texts.tools.handle = HexText(view);
    for (std::size_t i = 0; i < kReaderChoices.size(); ++i)
        if (std::string(kReaderChoices[i].key) == "GetListViewText") form.readerChoice = static_cast<int>(i);
    form.ReadData();
    FinishRead(form);
    EXPECT_EQ(form.messageForUser, ReadErrorMessage(ReadError::AccessDenied));
    EXPECT_EQ(desk.waitedMs, 0u);
    EXPECT_EQ(desk.openProcessHandles(), 0);
}

}  // namespace
}  // namespace lumivex::test
