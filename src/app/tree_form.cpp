#include "app/tree_form.h"

#include "capture/window_under_pointer.h"
#include "ops/read_handle.h"

namespace lumivex {

TreeForm::TreeForm(MainForm& main) : main_(main), p_(main.platform()) {}

void TreeForm::Load() {
    DesktopHwnd = p_.GetDesktopWindow();
    TreeTarget = main_.SnapHwnd == DesktopHwnd ? 0 : main_.SnapHwnd;
    handleText = HexS(DesktopHwnd);
    if (TreeTarget != 0) {
        BuildSub(TreeTarget);
        handleText = HexS(TreeTarget);
    } else {
        buttonEnabled = {true, false, false};
    }
}

void TreeForm::BuildDesktop() {
    started_ = std::chrono::steady_clock::now();
    buttonEnabled[kParentButton] = false;
    buttonEnabled[kBackButton] = TreeTarget != 0;
    DesktopHwnd = p_.GetDesktopWindow();
    Show(BuildDesktopTree(p_));
}

void TreeForm::BuildSub(Hwnd root) {
    const auto started = std::chrono::steady_clock::now();
    auto build = BuildSubTree(p_, root);
    if (!build) return;  // no window, or hung: everything stays as it is
    started_ = started;
    buttonEnabled[kDesktopButton] = true;
    buttonEnabled[kParentButton] = !IsTopLevelWindow(p_, root);
    buttonEnabled[kBackButton] = root != TreeTarget;
    Show(std::move(*build));
}

void TreeForm::Show(TreeBuild build) {
    nodes = std::move(build.nodes);
    total_ = build.total;
    selectedNode = -1;
    messageForUser = UnplacedMessage(build.unplaced);
    ++buildCount;
    FinishBuild();
}

void TreeForm::FinishBuild() {
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started_;
    caption = TreeCaption(total_, elapsed.count());
}

void TreeForm::PressDesktop() {
    BuildDesktop();
    SelectNode(HexK(p_.GetDesktopWindow()));
}

void TreeForm::PressParent() {
    if (nodes.empty()) return;
    const std::string& rootKey = nodes.front().key;
    const Hwnd r = static_cast<Hwnd>(ReadHexHandle(rootKey.substr(rootKey.size() - 8)));
    if (IsTopLevelWindow(p_, r)) return;
    BuildSub(p_.GetParent(r));
    SelectNode("S" + HexS(TreeTarget));
}

void TreeForm::PressBack() {
    if (TreeTarget != 0) BuildSub(TreeTarget);
}

void TreeForm::PressFlash() { main_.StartFlashRun(static_cast<Hwnd>(ReadHexHandle(handleText))); }

void TreeForm::PressExpand() {
    if (nodes.size() < 2) return;
    ExpandAllState = !ExpandAllState;
    ++expandCount;
    if (TreeTarget != 0 && ExpandAllState) SelectNode("S" + HexS(TreeTarget));
}

void TreeForm::PressOk() {
    const Hwnd h = static_cast<Hwnd>(ReadHexHandle(handleText));
    if (h != 0 && p_.IsWindow(h)) {
        main_.SnapHwnd = h;
        main_.Fill();
    }
    main_.StartFlashRun(h);
    closeRequested = true;
}

void TreeForm::ClickNode(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= nodes.size()) return;
    const TreeNode& node = nodes[static_cast<std::size_t>(index)];
    handleText = node.key.substr(node.key.size() - 8);
    nodeText = node.text;
}

void TreeForm::GoToNode() { SelectNode(GoToNodeKey(handleText)); }

void TreeForm::SelectNode(const std::string& key) {
    const int index = FindNode(nodes, key);
    if (index < 0) return;
    selectedNode = index;
    ++selectCount;
}

}  // namespace lumivex
