// The main window's controls as data: one table per tab panel, each row a
// control with its identifier, class, caption, style, place and the field of
// MainForm it shows.
#pragma once

#include <string>
#include <vector>

#include "app/main_form.h"
#include "platform/win32/win32_platform.h"
#include "ui/control_ids.h"

namespace lumivex {

struct ControlDef {
    int id;
    const wchar_t* className;
    const char* caption;  // UTF-8
    DWORD style;
    int x, y, width, height;
    // The text box's field, or the list's entries; null when not bound.
    std::string* (*text)(MainForm&) = nullptr;
    std::vector<std::string>* (*list)(MainForm&) = nullptr;
    const char* toolTip = nullptr;  // UTF-8
};

// Controls on the frame, outside the tab panels.
const std::vector<ControlDef>& FrameControls();
// Controls of tab panel index, 0 to 6.
const std::vector<ControlDef>& TabControls(int index);

// Styles used by the tables.
constexpr DWORD kLabel = WS_CHILD | WS_VISIBLE | SS_LEFT;
constexpr DWORD kLink = WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOTIFY;
constexpr DWORD kField = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kReadOnlyField = kField | ES_READONLY;
constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kCheck = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kList = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT;
// Entries with tick boxes: an entry's selection is its tick, drawn by us;
// the texts stay in the list, readable with LB_GETTEXT from outside.
constexpr int kTickRowHeight = 18;

// The related-window labels, in the order of RelatedLink.
constexpr int kLinkLabels[kRelatedCount] = {IDC_PREV_LINK, IDC_NEXT_LINK, IDC_PARENT_LINK, IDC_CHILD_LINK,
                                            IDC_OWNER_LINK};
constexpr DWORD kTickList = kList | LBS_MULTIPLESEL | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;

}  // namespace lumivex
