// The items of a window's menu, one line each: every item before the items
// of the submenu it opens, separators as a line of 20 hyphens, texts as the
// menu holds them ("&" markers and TAB-separated accelerators included).
#pragma once

#include <string>

#include "platform/platform.h"
#include "readers/read_result.h"
#include "tree/tagged_value.h"

namespace lumivex {

constexpr const char* kMenuSeparatorLine = "--------------------";

// The menu bar's items or, for a window without a menu bar, its system
// menu's; lines joined by CR LF. Empty for 0 or a handle that is not a window.
std::string ReadMenuText(Platform& p, Hwnd hwnd, const ReadLimits& limits = {});

// Appends the lines of menu and its submenus. Items are looked up by
// identifier through the whole tree under root. A submenu already being
// collected (a menu that contains itself) is not entered again, nor one
// deeper than limits.maxMenuDepth; no more than limits.maxMenuLines lines
// are appended.
void CollectMenuItems(Platform& p, Hmenu root, Hmenu menu, ValueArray& lines, const ReadLimits& limits = {});

}  // namespace lumivex
