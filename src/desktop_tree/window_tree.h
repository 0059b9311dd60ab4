// The window tree: which windows it holds, in which order, under which
// parent, with which key and text. The Win32 tree control only shows it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace lumivex {

// Bounds against a hostile desktop: nesting deeper than this is not walked
// (windows below it are left out), and an enumeration stops after this many
// windows. Real desktops stay far below both.
constexpr std::size_t kMaxTreeDepth = 1024;
constexpr std::size_t kMaxTreeWindows = 1u << 21;

// The handle as exactly 8 upper-case hexadecimal digits (its 32-bit pattern).
std::string HexS(Hwnd hwnd);
// The node key of a window: "S" and HexS.
std::string HexK(Hwnd hwnd);
// The window's text limited to 60 characters; longer than 53 characters it
// becomes its first 50 and "...". "(未响应)" for a hung window.
std::string TreeTitle(Platform& p, Hwnd hwnd);
// HexS, " ┈ ", class name and, when the title is not empty, " ┈ " and title.
std::string TreeNodeText(Platform& p, Hwnd hwnd);

// The root, then every descendant in depth-first pre-order, each sibling run
// from the bottom of the Z order to the top. Hung windows are listed with
// their descendants (walking the chain sends them nothing). A window met a
// second time ends the sibling run it was met in: the chain loops, and
// following it further would only repeat it.
std::vector<Hwnd> EnumWindowTree(Platform& p, Hwnd root);

struct TreeNode {
    Hwnd hwnd = 0;
    std::string key;   // HexK
    std::string text;  // node text (the desktop's with " ┈ [桌面]")
    int parent = -1;   // index of the parent node; -1 for a top-level node
};

struct TreeBuild {
    std::vector<TreeNode> nodes;  // in the order they were added
    std::size_t total = 0;        // windows enumerated, placed or not
    std::vector<Hwnd> unplaced;   // handles still waiting when placement ended, in queue order
};

// The whole desktop under its desktop node.
TreeBuild BuildDesktopTree(Platform& p);
// One window and its descendants; nothing when root is 0, no window or hung.
std::optional<TreeBuild> BuildSubTree(Platform& p, Hwnd root);

// "句柄树结构列表 [共N项] - (耗时 S.SSS 秒)".
std::string TreeCaption(std::size_t total, double seconds);
// The "循环超时！…" text naming the unplaced handles in decimal, in order;
// empty when there are none.
std::string UnplacedMessage(const std::vector<Hwnd>& unplaced);
constexpr const char* kUnplacedTitle = "系统提示！";

// Where a box of the given rectangle goes to be centred over owner
// (rounded towards minus infinity).
Point CenteredBoxOrigin(const Rect& box, const Rect& owner);

// The key Enter or a double click in the handle box goes to.
std::string GoToNodeKey(const std::string& handleText);
// What a typed character code becomes in the handle box: nullopt when it is
// discarded, 0 for "select all", else the character to let through.
std::optional<char> FilterHandleKey(int code);

// The node's index with exactly this key, or -1 (an empty key matches nothing).
int FindNode(const std::vector<TreeNode>& nodes, const std::string& key);

}  // namespace lumivex
