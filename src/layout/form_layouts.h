// Where the controls of the program's windows go at 96 DPI, and how large
// each window is there. The windows scale these to their own DPI.
#pragma once

#include <vector>

#include "layout/control_ids.h"
#include "layout/dpi_scale.h"

namespace lumivex {

struct PlacedControl {
    int id;
    Box box;
};

struct FormLayout {
    // The window's size (caption and frame included) at 96 DPI.
    Size outer;
    // The client area the controls need at 96 DPI: what the outer size
    // leaves inside the 3-pixel frame and 23-pixel caption of 96 DPI.
    Size client;
    std::vector<PlacedControl> controls;

    // The place of the control with this identifier; an empty box for one
    // the layout does not hold.
    Box BoxOf(int id) const;
};

// The caption and frame of a fixed-size window at 96 DPI the client sizes
// above are measured against.
constexpr Size kClassicNonClient96{6, 29};

// The main window's own children outside the control tables of
// app/main_controls: the finder, the tab strip, one tab panel (all seven
// share its place) and the banner.
const FormLayout& MainFrameLayout();
// The panel's place, also the client area every tab's controls lie in.
constexpr Box kTabPanelBox{9, 69, 429, 218};

const FormLayout& TreeLayout();       // "句柄树结构列表"
const FormLayout& ChildListLayout();  // "子窗口列表"
const FormLayout& AboutLayout();      // "关于 Lumivex"
const FormLayout& ReadProgressLayout();  // "正在读取"

}  // namespace lumivex
