// The window tree form: what its tree, caption, buttons and boxes show, and
// what each button, key and click does. The Win32 window only mirrors it.
#pragma once

#include <array>
#include <chrono>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "desktop_tree/window_tree.h"

namespace lumivex {

enum TreeButton { kDesktopButton = 0, kParentButton = 1, kBackButton = 2 };

class TreeForm {
public:
    explicit TreeForm(MainForm& main);

    Hwnd DesktopHwnd = 0;
    Hwnd TreeTarget = 0;  // the window the form was opened for; 0 for the desktop
    bool ExpandAllState = false;

    // What the window shows.
    std::string caption = "句柄树结构列表";
    std::vector<TreeNode> nodes;
    std::array<bool, 3> buttonEnabled{true, true, true};  // "桌面", "父层", "返回"
    std::string handleText;  // the handle box ("回车转到树节点")
    std::string nodeText;    // the text of the node last clicked
    // "总在最上面" of the main window, as the form takes it when it loads.
    bool Topmost() const { return main_.alwaysOnTop; }
    // Bumped whenever the tree is rebuilt, a node is selected or "展开"
    // changes the expansion, so the window knows what to redo.
    int buildCount = 0, selectCount = 0, expandCount = 0;
    int selectedNode = -1;
    // The "循环超时！…" text to show after a build, then cleared.
    std::string messageForUser;
    bool closeRequested = false;

    void Load();
    void PressDesktop();
    void PressParent();
    void PressBack();
    void PressFlash();
    void PressExpand();
    void PressOk();
    void ClickNode(int index);
    // Enter and double click in the handle box.
    void GoToNode();
    void SelectNode(const std::string& key);
    // The window calls this once it has filled the tree control: the
    // caption's time covers the fill too.
    void FinishBuild();

private:
    void BuildDesktop();
    void BuildSub(Hwnd root);
    void Show(TreeBuild build);

    MainForm& main_;
    Platform& p_;
    std::chrono::steady_clock::time_point started_;
    std::size_t total_ = 0;
};

}  // namespace lumivex
