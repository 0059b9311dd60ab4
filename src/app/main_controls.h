// The main window's controls as data: one table per tab panel, each row a
// control with its identifier, class, caption, style, place at 96 DPI and
// the field of MainForm it shows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "layout/control_ids.h"
#include "layout/dpi_scale.h"

namespace lumivex {

struct ControlDef {
    int id;
    const wchar_t* className;
    const char* caption;  // UTF-8
    std::uint32_t style;
    int x, y, width, height;
    // The text box's field, or the list's entries; null when not bound.
    std::string* (*text)(MainForm&) = nullptr;
    std::vector<std::string>* (*list)(MainForm&) = nullptr;
    const char* toolTip = nullptr;  // UTF-8

    Box Place() const { return {x, y, width, height}; }
};

// The picture tab's viewport: a class of our own.
constexpr wchar_t kPictureViewportClass[] = L"LumivexPicScroll";

// Controls on the frame, outside the tab panels.
const std::vector<ControlDef>& FrameControls();
// Controls of tab panel index, 0 to 6.
const std::vector<ControlDef>& TabControls(int index);

// Entries with tick boxes: an entry's selection is its tick, drawn by us;
// the texts stay in the list, readable with LB_GETTEXT from outside.
constexpr int kTickRowHeight = 18;

// The related-window labels, in the order of RelatedLink.
constexpr int kLinkLabels[kRelatedCount] = {IDC_PREV_LINK, IDC_NEXT_LINK, IDC_PARENT_LINK, IDC_CHILD_LINK,
                                            IDC_OWNER_LINK};
// A drop-down list's table height is its closed box; the list it drops
// adds this much below it: seven entries without a scroll.
constexpr int kDropListHeight = 138;

}  // namespace lumivex
