#include "window_report.h"

#include <commctrl.h>

#include <set>
#include <vector>

#include "ui/control_ids.h"
#include "remote_block.h"

namespace probe {

namespace {

using e2e::JsonWriter;

constexpr int kPanelCount = 7;
constexpr std::size_t kMaxText = 1 << 24;  // the most text Lumivex takes from a window
constexpr int kTabTextChars = 64;

bool SendWithTimeout(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    DWORD_PTR answer = 0;
    const bool ok = SendMessageTimeoutW(hwnd, msg, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &answer) != 0;
    result = static_cast<LRESULT>(answer);
    return ok;
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[256] = {};
    GetClassNameW(hwnd, name, 256);
    return name;
}

bool IsClass(HWND hwnd, const wchar_t* name) { return lstrcmpiW(ClassOf(hwnd).c_str(), name) == 0; }

bool IsCheckBox(HWND hwnd) {
    if (!IsClass(hwnd, L"Button")) return false;
    const LONG type = GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE;
}

// The items of a list box, read with the W messages: they cross processes
// intact under Wine, where the A ones do not.
void ListBoxItems(JsonWriter& json, HWND list) {
    LRESULT count = 0;
    SendWithTimeout(list, LB_GETCOUNT, 0, 0, count);
    json.Key("items").BeginArray();
    std::vector<int> selected;
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT length = 0;
        SendWithTimeout(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0, length);
        std::wstring item(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
        LRESULT copied = 0;
        SendWithTimeout(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()), copied);
        item.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
        json.String(item);
        LRESULT isSelected = 0;
        if (SendWithTimeout(list, LB_GETSEL, static_cast<WPARAM>(i), 0, isSelected) && isSelected > 0)
            selected.push_back(static_cast<int>(i));
    }
    json.EndArray();
    json.Key("selected").BeginArray();
    for (int i : selected) json.Number(i);
    json.EndArray();
    // Where the items lie, for clicks on them: item i is (i - topIndex)
    // rows below the client area's top.
    LRESULT itemHeight = 0, topIndex = 0;
    SendWithTimeout(list, LB_GETITEMHEIGHT, 0, 0, itemHeight);
    SendWithTimeout(list, LB_GETTOPINDEX, 0, 0, topIndex);
    json.Key("itemHeight").Number(itemHeight);
    json.Key("topIndex").Number(topIndex);
    RECT client{};
    GetClientRect(list, &client);
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&client), 2);
    json.Key("client").RectArray(client);
}

void ScreenRect(JsonWriter& json, HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    json.RectArray(r);
}

// The client area in screen coordinates: what a child must lie inside.
void ClientScreenRect(JsonWriter& json, HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
    json.RectArray(r);
}

void ReportControl(JsonWriter& json, HWND control) {
    json.BeginObject();
    json.Key("handle").Handle(control);
    json.Key("class").String(ClassOf(control));
    bool answered = false;
    json.Key("text").String(TextOf(control, &answered));
    json.Key("answered").Bool(answered);
    json.Key("rect");
    ScreenRect(json, control);
    json.Key("visible").Bool(IsWindowVisible(control) != 0);
    json.Key("enabled").Bool(IsWindowEnabled(control) != 0);
    if (IsCheckBox(control)) {
        LRESULT check = 0;
        SendWithTimeout(control, BM_GETCHECK, 0, 0, check);
        json.Key("check").Number(check);
    }
    if (IsClass(control, L"ListBox")) ListBoxItems(json, control);
    json.EndObject();
}

struct Children {
    std::vector<HWND> all;
};

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM parameter) {
    reinterpret_cast<Children*>(parameter)->all.push_back(hwnd);
    return TRUE;
}

// Every descendant with an identifier of its own, keyed by the identifier.
// Labels share IDC_STATIC and are left out; the embedded browser's inner
// windows may repeat a number, and then the first one found is kept.
void ReportControls(JsonWriter& json, HWND main) {
    Children children;
    EnumChildWindows(main, CollectChild, reinterpret_cast<LPARAM>(&children));
    std::set<int> seen;
    json.Key("controls").BeginObject();
    for (HWND child : children.all) {
        const int id = GetDlgCtrlID(child);
        if (id <= 0 || id == IDC_STATIC || !seen.insert(id).second) continue;
        json.Key(std::to_string(id).c_str());
        ReportControl(json, child);
    }
    json.EndObject();
}

// Tab captions and places: TCITEMW and RECT must be in Lumivex's memory for
// the tab control to fill them.
void ReportTabs(JsonWriter& json, HWND tabs) {
    json.Key("tabs").BeginObject();
    LRESULT count = 0, selected = -1;
    SendWithTimeout(tabs, TCM_GETITEMCOUNT, 0, 0, count);
    SendWithTimeout(tabs, TCM_GETCURSEL, 0, 0, selected);
    json.Key("selected").Number(selected);
    RemoteProcess process(tabs);
    constexpr std::size_t kTextOffset = sizeof(TCITEMW), kRectOffset = kTextOffset + kTabTextChars * sizeof(wchar_t);
    RemoteBlock block(process, kRectOffset + sizeof(RECT));
    json.Key("captions").BeginArray();
    std::vector<RECT> rects;
    for (LRESULT i = 0; i < count && block; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = reinterpret_cast<wchar_t*>(block.at(kTextOffset));
        item.cchTextMax = kTabTextChars;
        wchar_t text[kTabTextChars] = {};
        LRESULT ok = 0;
        block.Write(kTextOffset, text, sizeof text);
        block.Write(0, &item, sizeof item);
        SendWithTimeout(tabs, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(block.address()), ok);
        block.Read(kTextOffset, text, sizeof text);
        text[kTabTextChars - 1] = L'\0';
        json.String(std::wstring(ok ? text : L""));

        RECT r{};
        SendWithTimeout(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(block.at(kRectOffset)),
                        ok);
        block.Read(kRectOffset, &r, sizeof r);
        MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&r), 2);
        rects.push_back(r);
    }
    json.EndArray();
    json.Key("rects").BeginArray();
    for (const RECT& r : rects) json.RectArray(r);
    json.EndArray();
    json.EndObject();
}

int VisiblePanel(HWND main) {
    int visible = -1;
    for (int i = 0; i < kPanelCount; ++i) {
        HWND panel = GetDlgItem(main, IDC_TAB_PANEL0 + i);
        if (panel && IsWindowVisible(panel)) {
            if (visible != -1) return -2;  // more than one: a fault in itself
            visible = i;
        }
    }
    return visible;
}

// TVITEMW and its text must be in the tree's process for the control to
// fill them.
class TreeItems {
public:
    explicit TreeItems(HWND tree) : tree_(tree), process_(tree), block_(process_, kTextOffset + sizeof text_) {}

    HTREEITEM Next(HTREEITEM item, WPARAM relation) const {
        LRESULT next = 0;
        SendWithTimeout(tree_, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item), next);
        return reinterpret_cast<HTREEITEM>(next);
    }

    // Depth first; `limit` counts down the nodes still to report, so that
    // a tree changing under the walk cannot keep it going.
    void Report(JsonWriter& json, HTREEITEM node, int depth, LRESULT& limit) {
        for (; node && limit > 0; node = Next(node, TVGN_NEXT), --limit) {
            TVITEMW item{};
            item.mask = TVIF_TEXT | TVIF_STATE;
            item.hItem = node;
            item.stateMask = TVIS_EXPANDED;
            item.pszText = reinterpret_cast<wchar_t*>(block_.at(kTextOffset));
            item.cchTextMax = kTextChars;
            text_[0] = L'\0';
            LRESULT answer = 0;
            const bool read = block_ && block_.Write(kTextOffset, text_, sizeof text_) &&
                              block_.Write(0, &item, sizeof item) &&
                              SendWithTimeout(tree_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(block_.address()),
                                              answer) &&
                              answer && block_.Read(0, &item, sizeof item) &&
                              block_.Read(kTextOffset, text_, sizeof text_);
            text_[kTextChars - 1] = L'\0';
            int children = 0;
            for (HTREEITEM c = Next(node, TVGN_CHILD); c && children < limit; c = Next(c, TVGN_NEXT)) ++children;
            json.BeginObject();
            json.Key("text").String(std::wstring(read ? text_ : L""));
            json.Key("depth").Number(depth);
            json.Key("expanded").Bool(read && (item.state & TVIS_EXPANDED) != 0);
            json.Key("children").Number(children);
            json.EndObject();
            Report(json, Next(node, TVGN_CHILD), depth + 1, limit);
        }
    }

private:
    static constexpr int kTextChars = 260;
    static constexpr std::size_t kTextOffset = sizeof(TVITEMW);
    HWND tree_;
    RemoteProcess process_;
    RemoteBlock block_;
    wchar_t text_[kTextChars] = {};
};

}  // namespace

void ReportTree(JsonWriter& json, HWND tree) {
    LRESULT count = 0;
    SendWithTimeout(tree, TVM_GETCOUNT, 0, 0, count);
    TreeItems items(tree);
    const HTREEITEM root = items.Next(nullptr, TVGN_ROOT);
    json.BeginObject();
    json.Key("count").Number(count);
    json.Key("items").BeginArray();
    LRESULT limit = count;
    items.Report(json, root, 0, limit);
    json.EndArray();
    LRESULT listed = 0;
    for (HTREEITEM item = root; item && listed <= count; item = items.Next(item, TVGN_NEXTVISIBLE)) ++listed;
    json.Key("listed").Number(listed);
    json.EndObject();
}

std::wstring TextOf(HWND hwnd, bool* answered) {
    LRESULT length = 0;
    bool ok = SendWithTimeout(hwnd, WM_GETTEXTLENGTH, 0, 0, length);
    const std::size_t size = length > 0 ? static_cast<std::size_t>(length) : 0;
    std::wstring text((size < kMaxText ? size : kMaxText) + 1, L'\0');
    LRESULT copied = 0;
    ok = ok && SendWithTimeout(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), copied);
    text.resize(ok && copied > 0 ? static_cast<std::size_t>(copied) : 0);
    if (answered) *answered = ok;
    return text;
}

HWND FindLumivexMain() { return FindWindowW(L"LumivexMain", nullptr); }

void ReportMainWindow(JsonWriter& json, HWND main) {
    json.BeginObject();
    json.Key("found").Bool(main != nullptr);
    if (main) {
        json.Key("handle").Handle(main);
        json.Key("title").String(TextOf(main));
        json.Key("topmost").Bool((GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
        json.Key("rect");
        ScreenRect(json, main);
        json.Key("visiblePanel").Number(VisiblePanel(main));
        if (HWND tabs = GetDlgItem(main, IDC_TABS)) ReportTabs(json, tabs);
        ReportControls(json, main);
    }
    json.EndObject();
}

void ReportWindow(JsonWriter& json, HWND hwnd) {
    json.BeginObject();
    json.Key("exists").Bool(IsWindow(hwnd) != 0);
    if (IsWindow(hwnd)) {
        json.Key("class").String(ClassOf(hwnd));
        bool answered = false;
        json.Key("text").String(TextOf(hwnd, &answered));
        json.Key("answered").Bool(answered);
        json.Key("rect");
        ScreenRect(json, hwnd);
        json.Key("client");
        ClientScreenRect(json, hwnd);
        json.Key("style").Number(static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)));
        json.Key("exstyle").Number(static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE)));
        json.Key("visible").Bool(IsWindowVisible(hwnd) != 0);
        json.Key("enabled").Bool(IsWindowEnabled(hwnd) != 0);
        json.Key("zoomed").Bool(IsZoomed(hwnd) != 0);
        json.Key("iconic").Bool(IsIconic(hwnd) != 0);
        json.Key("hung").Bool(IsHungAppWindow(hwnd) != 0);
        json.Key("owner").Handle(GetWindow(hwnd, GW_OWNER));
        json.Key("topmost").Bool((GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
    }
    json.EndObject();
}

namespace {

struct ToolTips {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectToolTip(HWND hwnd, LPARAM lParam) {
    auto* tips = reinterpret_cast<ToolTips*>(lParam);
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd, &processId);
    if (processId == tips->processId && IsClass(hwnd, TOOLTIPS_CLASSW)) tips->found.push_back(hwnd);
    return TRUE;
}

// TTM_GETTEXTW of the tool, asked in the tooltip's own process.
std::wstring ToolTipText(HWND tips, HWND tool) {
    constexpr std::size_t kChars = 256, kTextOffset = (sizeof(TTTOOLINFOW) + 15) / 16 * 16;
    RemoteProcess process(tips);
    RemoteBlock block(process, kTextOffset + kChars * sizeof(wchar_t));
    if (!block) return {};
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND;
    info.hwnd = GetParent(tool);
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = reinterpret_cast<wchar_t*>(block.at(kTextOffset));
    wchar_t text[kChars] = {};
    LRESULT ok = 0;
    if (!block.Write(kTextOffset, text, sizeof text) || !block.Write(0, &info, sizeof info) ||
        !SendWithTimeout(tips, TTM_GETTEXTW, kChars, reinterpret_cast<LPARAM>(block.address()), ok) ||
        !block.Read(kTextOffset, text, sizeof text))
        return {};
    text[kChars - 1] = L'\0';
    return text;
}

}  // namespace

void ReportToolTip(JsonWriter& json, HWND tool) {
    ToolTips tips{0, {}};
    GetWindowThreadProcessId(tool, &tips.processId);
    EnumWindows(CollectToolTip, reinterpret_cast<LPARAM>(&tips));
    std::wstring text;
    for (HWND hwnd : tips.found)
        if (text.empty()) text = ToolTipText(hwnd, tool);
    json.BeginObject();
    json.Key("text").String(text);
    json.EndObject();
}

void ReportChildren(JsonWriter& json, HWND parent) {
    Children children;
    if (IsWindow(parent)) EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
    json.BeginArray();
    for (HWND child : children.all) {
        json.BeginObject();
        json.Key("id").Number(GetDlgCtrlID(child));
        json.Key("handle").Handle(child);
        json.Key("class").String(ClassOf(child));
        json.Key("text").String(TextOf(child));
        json.Key("rect");
        ScreenRect(json, child);
        json.Key("parent").Handle(GetParent(child));
        json.Key("visible").Bool(IsWindowVisible(child) != 0);
        if (IsClass(child, L"ListBox")) ListBoxItems(json, child);
        json.EndObject();
    }
    json.EndArray();
}

}  // namespace probe
