// The readers the reader choice offers, in its order: the key shown in the list and
// the description shown as its tool tip. Index 0 is selected at load.
#pragma once

#include <array>

namespace lumivex {

struct ReaderChoice {
    const char* key;          // compared exactly
    const char* description;  // UTF-8
};

inline constexpr std::array<ReaderChoice, 7> kReaderChoices = {{
    {"GetWindowText", "获取窗口标题或控件文本"},
    {"GetListViewText", "获取 ListView 列表文本"},
    {"GetTreeViewText", "获取 TreeView 树控件文本"},
    {"GetListBoxText", "获取列表框文本"},
    {"GetComboBoxText", "获取组合框文本"},
    {"GetMenuText", "获取窗体菜单文本"},
    {"GetFontInfo", "获取字体信息文本"},
}};

}  // namespace lumivex
