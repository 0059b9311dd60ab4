// Where each control of the main window sits and which field it shows.
#include "app/main_controls.h"

#include "app/control_styles.h"

namespace lumivex {

namespace {

using namespace win;

constexpr std::uint32_t kLabel = WS_CHILD | WS_VISIBLE | SS_LEFT;
constexpr std::uint32_t kLink = WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOTIFY;
constexpr std::uint32_t kField = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr std::uint32_t kReadOnlyField = kField | ES_READONLY;
constexpr std::uint32_t kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr std::uint32_t kCheck = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr std::uint32_t kList = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT;
constexpr std::uint32_t kTickList = kList | LBS_MULTIPLESEL | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;

#define TEXT_OF(member) [](MainForm& f) -> std::string* { return &f.texts.member; }
#define LIST_OF(member) [](MainForm& f) -> std::vector<std::string>* { return &f.member; }

constexpr int kRow = 24;  // pitch of the label-and-field rows

std::vector<ControlDef> GeneralTab() {
    const int labelX = 10, fieldX = 84, fieldW = 332, y0 = 10;
    return {
        {IDC_STATIC, L"STATIC", "窗口句柄:", kLabel, labelX, y0 + 3, 72, 16},
        {IDC_HANDLE, L"EDIT", "", kField, fieldX, y0, fieldW, 20, TEXT_OF(handle)},
        {IDC_STATIC, L"STATIC", "窗口类名:", kLabel, labelX, y0 + kRow + 3, 72, 16},
        {IDC_CLASS_NAME, L"EDIT", "", kField, fieldX, y0 + kRow, fieldW, 20, TEXT_OF(className)},
        {IDC_STATIC, L"STATIC", "标题文本:", kLabel, labelX, y0 + 2 * kRow + 3, 72, 16},
        {IDC_TITLE, L"EDIT", "", kField, fieldX, y0 + 2 * kRow, fieldW, 20, TEXT_OF(title)},
        {IDC_STATIC, L"STATIC", "窗口ID:", kLabel, labelX, y0 + 3 * kRow + 3, 72, 16},
        {IDC_CONTROL_ID, L"EDIT", "", kField, fieldX, y0 + 3 * kRow, fieldW, 20, TEXT_OF(controlId)},
        {IDC_STATIC, L"STATIC", "进程ID:", kLabel, labelX, y0 + 4 * kRow + 3, 72, 16},
        {IDC_PROCESS_ID, L"EDIT", "", kField, fieldX, y0 + 4 * kRow, fieldW, 20, TEXT_OF(processId)},
        {IDC_STATIC, L"STATIC", "线程ID:", kLabel, labelX, y0 + 5 * kRow + 3, 72, 16},
        {IDC_THREAD_ID, L"EDIT", "", kField, fieldX, y0 + 5 * kRow, fieldW, 20, TEXT_OF(threadId)},
        {IDC_STATIC, L"STATIC", "程序路径:", kLabel, labelX, y0 + 6 * kRow + 3, 72, 16},
        {IDC_PROGRAM_PATH, L"EDIT", "", kField, fieldX, y0 + 6 * kRow, fieldW - 40, 20, TEXT_OF(programPath)},
        {IDC_GO_TO_PROGRAM, L"STATIC", "转到", kLink, fieldX + fieldW - 34, y0 + 6 * kRow + 3, 34, 16, nullptr,
         nullptr, "打开文件位置"},
        {IDC_STATIC, L"STATIC", "窗口矩形:", kLabel, labelX, y0 + 7 * kRow + 3, 72, 16},
        {IDC_WINDOW_RECT, L"EDIT", "", kField, fieldX, y0 + 7 * kRow, fieldW, 20, TEXT_OF(windowRect)},
    };
}

std::vector<ControlDef> StyleTab() {
    return {
        {IDC_STATIC, L"STATIC", "基本样式:", kLabel, 10, 13, 66, 16},
        {IDC_STYLE, L"EDIT", "", kField, 78, 10, 124, 20, TEXT_OF(style)},
        {IDC_STYLE_NAMES, L"LISTBOX", "", kList, 10, 36, 192, 172, nullptr, LIST_OF(styleNames)},
        {IDC_STATIC, L"STATIC", "扩展样式:", kLabel, 222, 13, 66, 16},
        {IDC_EX_STYLE, L"EDIT", "", kField, 290, 10, 128, 20, TEXT_OF(exStyle)},
        {IDC_EX_STYLE_NAMES, L"LISTBOX", "", kList, 222, 36, 196, 172, nullptr, LIST_OF(exStyleNames)},
    };
}

std::vector<ControlDef> ClassTab() {
    return {
        {IDC_STATIC, L"STATIC", "类名:", kLabel, 10, 13, 60, 16},
        {IDC_CLASS_TAB_NAME, L"EDIT", "", kReadOnlyField, 72, 10, 346, 20, TEXT_OF(classTabName)},
        {IDC_STATIC, L"STATIC", "类样式:", kLabel, 10, 39, 60, 16},
        {IDC_CLASS_STYLE_NAMES, L"LISTBOX", "", kList, 72, 36, 346, 140, nullptr, LIST_OF(classStyleNames)},
        {IDC_STATIC, L"STATIC", "样式值:", kLabel, 10, 189, 60, 16},
        {IDC_CLASS_STYLE_VALUE, L"EDIT", "", kReadOnlyField, 72, 186, 346, 20, TEXT_OF(classStyleValue)},
    };
}

std::vector<ControlDef> WindowTab() {
    struct Row {
        int labelId;
        const char* caption;
        int handleId, titleId;
        std::string* (*handle)(MainForm&);
        std::string* (*title)(MainForm&);
    };
    const Row rows[] = {
        {IDC_STATIC, "本窗口句柄:", IDC_SELF_HANDLE, IDC_SELF_TITLE, TEXT_OF(self.handle), TEXT_OF(self.title)},
        {IDC_PREV_LINK, "上一窗口句柄:", IDC_PREV_HANDLE, IDC_PREV_TITLE, TEXT_OF(related[kPrev].handle), TEXT_OF(related[kPrev].title)},
        {IDC_NEXT_LINK, "下一窗口句柄:", IDC_NEXT_HANDLE, IDC_NEXT_TITLE, TEXT_OF(related[kNext].handle), TEXT_OF(related[kNext].title)},
        {IDC_PARENT_LINK, "父窗口句柄:", IDC_PARENT_HANDLE, IDC_PARENT_TITLE, TEXT_OF(related[kParent].handle), TEXT_OF(related[kParent].title)},
        {IDC_CHILD_LINK, "第一子窗口句柄:", IDC_CHILD_HANDLE, IDC_CHILD_TITLE, TEXT_OF(related[kChild].handle), TEXT_OF(related[kChild].title)},
        {IDC_OWNER_LINK, "所有者窗口句柄:", IDC_OWNER_HANDLE, IDC_OWNER_TITLE, TEXT_OF(related[kOwner].handle), TEXT_OF(related[kOwner].title)},
    };
    std::vector<ControlDef> controls;
    int y = 8;
    for (const Row& row : rows) {
        controls.push_back({row.labelId, L"STATIC", row.caption, row.labelId == IDC_STATIC ? kLabel : kLink,
                            8, y + 3, 100, 16});
        controls.push_back({row.handleId, L"EDIT", "", kReadOnlyField, 110, y, 80, 20, row.handle});
        controls.push_back({IDC_STATIC, L"STATIC", "标题:", kLabel, 198, y + 3, 36, 16});
        controls.push_back({row.titleId, L"EDIT", "", kField, 236, y, 182, 20, row.title});
        y += 28;
    }
    controls.push_back({IDC_CHILD_LIST_BUTTON, L"BUTTON", "子窗口列表", kButton, 318, y + 4, 100, 24});
    return controls;
}

std::vector<ControlDef> StateTab() {
    return {
        {IDC_STATIC, L"STATIC", "窗口状态:", kLabel, 10, 10, 80, 16},
        {IDC_STATE_LIST, L"LISTBOX", "", kTickList, 10, 30, 160, 9 * kTickRowHeight + 4},
        {IDC_STATE_NOTE, L"STATIC", "　　更改列表项的勾选状态可以改变窗口对应的状态或激发其行为。", kLabel, 186, 30,
         228, 52},
    };
}

// The viewport is 5830 x 2055 twips at (120, 120); the bars run along its
// bottom and right edges. The picture view moves them as the picture needs.
std::vector<ControlDef> PictureTab() {
    constexpr std::uint32_t kViewport = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    constexpr std::uint32_t kBar = WS_CHILD | WS_TABSTOP;  // hidden until a picture needs it
    return {
        {IDC_PICTURE_VIEWPORT, kPictureViewportClass, "", kViewport, 8, 8, 389, 137},
        {IDC_PICTURE_HSCROLL, L"SCROLLBAR", "", kBar | SBS_HORZ, 8, 145, 389, 17},
        {IDC_PICTURE_VSCROLL, L"SCROLLBAR", "", kBar | SBS_VERT, 397, 8, 17, 137},
        {IDC_SAVE_PICTURE, L"BUTTON", "保存(&S)", kButton, 318, 176, 96, 26},
    };
}

// Eight rows: four fields with their buttons, the four position fields,
// the font summary, the text with "修改文本", the short program path.
std::vector<ControlDef> ToolsTab() {
    constexpr int y0 = 8, pitch = 26, labelX = 8, labelW = 64, fieldX = 74, fieldW = 100;
    constexpr int col1 = 184, col2 = 262, col3 = 340, buttonW = 76, buttonH = 22;
    constexpr int wideW = col3 + buttonW - labelX;  // a field across the whole row
    constexpr std::uint32_t kHintLabel = kLabel | SS_NOTIFY;  // a static shows a tool tip only with SS_NOTIFY
    constexpr std::uint32_t kReadOnly = kField | ES_READONLY;
    constexpr std::uint32_t kCombo = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
    // The whole text of a window may hold line breaks: keep them.
    constexpr std::uint32_t kTextField = kField | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    auto row = [](int r) { return y0 + (r - 1) * pitch; };
    auto button = [&](int id, const char* caption, int x, int r) {
        return ControlDef{id, L"BUTTON", caption, kButton, x, row(r) - 1, buttonW, buttonH};
    };

    std::vector<ControlDef> controls = {
        {IDC_TOOL_HANDLE_LABEL, L"STATIC", "控件句柄:", kLabel, labelX, row(1) + 3, labelW, 16},
        {IDC_TOOL_HANDLE, L"EDIT", "", kField, fieldX, row(1), fieldW, 20, TEXT_OF(tools.handle)},
        button(IDC_REFRESH, "读取刷新", col1, 1),
        button(IDC_CLOSE_CONTROL, "关闭控件", col2, 1),
        button(IDC_END_PROCESS, "关闭进程", col3, 1),

        {IDC_TOOL_STYLE_LABEL, L"STATIC", "基本风格:", kLabel, labelX, row(2) + 3, labelW, 16},
        {IDC_TOOL_STYLE, L"EDIT", "", kField, fieldX, row(2), fieldW, 20, TEXT_OF(tools.style)},
        button(IDC_SET_STYLES, "修改风格", col1, 2),
        button(IDC_FLASH, "矩形闪烁", col2, 2),
        {IDC_DELAYED_READ, L"BUTTON", "延时操作", kButton, col3, row(2) - 1, buttonW, buttonH, nullptr, nullptr,
         "针对需要鼠标驻留显示的窗口进行延时读取!"},

        {IDC_TOOL_EX_STYLE_LABEL, L"STATIC", "扩展风格:", kLabel, labelX, row(3) + 3, labelW, 16},
        {IDC_TOOL_EX_STYLE, L"EDIT", "", kField, fieldX, row(3), fieldW, 20, TEXT_OF(tools.exStyle)},

        {IDC_TOOL_LIST_VIEW_STYLE_LABEL, L"STATIC", "列表风格:", kHintLabel, labelX, row(4) + 3, labelW, 16, nullptr, nullptr,
         "ListView扩展风格"},
        {IDC_TOOL_LIST_VIEW_STYLE, L"EDIT", "", kField, fieldX, row(4), fieldW, 20, TEXT_OF(tools.listViewStyle), nullptr,
         "SysListView32"},
        {IDC_READER_CHOICE, L"COMBOBOX", "", kCombo, col1, row(4) - 1, col3 - 6 - col1, 160 - kDropListHeight},
        button(IDC_READ_DATA, "读取数据", col3, 4),
    };

    // Row 5: left, top, width and height side by side, each after its label.
    const char* const positionLabels[] = {"边距:", "顶距:", "宽度:", "高度:"};
    std::string* (*const positionFields[])(MainForm&) = {TEXT_OF(tools.left), TEXT_OF(tools.top),
                                                          TEXT_OF(tools.width), TEXT_OF(tools.height)};
    for (int i = 0; i < 4; ++i) {
        const int x = labelX + i * 82;
        controls.push_back({IDC_TOOL_LEFT_LABEL + i, L"STATIC", positionLabels[i], kLabel, x, row(5) + 3, 32, 16});
        controls.push_back({IDC_TOOL_LEFT + i, L"EDIT", "", kField, x + 32, row(5), 44, 20, positionFields[i]});
    }
    controls.push_back(button(IDC_SET_SIZE, "修改尺寸", col3, 5));

    controls.push_back({IDC_TOOL_FONT, L"EDIT", "", kReadOnly, labelX, row(6), wideW, 20, TEXT_OF(tools.fontSummary)});
    controls.push_back({IDC_TOOL_TEXT, L"EDIT", "", kTextField, labelX, row(7), col3 - 6 - labelX, 20,
                        TEXT_OF(tools.text)});
    controls.push_back({IDC_SET_TEXT, L"BUTTON", "修改文本", kButton, col3, row(7) - 1, buttonW, buttonH});
    controls.push_back({IDC_TOOL_SHORT_PATH, L"EDIT", "", kReadOnly, labelX, row(8), wideW, 20, TEXT_OF(tools.shortPath)});
    return controls;
}

#undef TEXT_OF
#undef LIST_OF

}  // namespace

const std::vector<ControlDef>& FrameControls() {
    static const std::vector<ControlDef> controls = {
        {IDC_FINDER_HINT, L"STATIC", "请拖动左侧指针到需要查看的窗口/控件上释放", kLabel, 50, 8, 170, 32},
        {IDC_ALWAYS_ON_TOP, L"BUTTON", "总在最上面", kCheck, 314, 4, 120, 18},
        {IDC_HEX_DISPLAY, L"BUTTON", "16进制", kCheck, 314, 24, 120, 18},
        {IDC_TREE_BUTTON, L"BUTTON", "句柄树", kButton, 212, 295, 72, 24},
        {IDC_ABOUT_BUTTON, L"BUTTON", "关于", kButton, 290, 295, 72, 24},
        {IDC_OK_BUTTON, L"BUTTON", "确定", kButton, 368, 295, 72, 24},
    };
    return controls;
}

const std::vector<ControlDef>& TabControls(int index) {
    static const std::vector<ControlDef> tabs[] = {GeneralTab(), StyleTab(), ClassTab(), WindowTab(),
                                                    StateTab(), PictureTab(), ToolsTab()};
    return tabs[index];
}

}  // namespace lumivex
