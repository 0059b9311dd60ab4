// Where each control of the main window sits and which field it shows.
#include "app/main_controls.h"

#include "app/control_ids.h"
#include "picture/picture_view_window.h"

namespace lumivex {

namespace {

#define TEXT_OF(member) [](MainForm& f) -> std::string* { return &f.texts.member; }
#define LIST_OF(member) [](MainForm& f) -> std::vector<std::string>* { return &f.member; }

constexpr int kRow = 24;  // pitch of the label-and-field rows

std::vector<ControlDef> GeneralTab() {
    const int labelX = 10, fieldX = 84, fieldW = 332, y0 = 10;
    return {
        {IDC_STATIC, L"STATIC", "窗口句柄:", kLabel, labelX, y0 + 3, 72, 16},
        {IDC_HWNDTEXT, L"EDIT", "", kField, fieldX, y0, fieldW, 20, TEXT_OF(hWndText)},
        {IDC_STATIC, L"STATIC", "窗口类名:", kLabel, labelX, y0 + kRow + 3, 72, 16},
        {IDC_WNDCLASSTEXT, L"EDIT", "", kField, fieldX, y0 + kRow, fieldW, 20, TEXT_OF(WndClassText)},
        {IDC_STATIC, L"STATIC", "标题文本:", kLabel, labelX, y0 + 2 * kRow + 3, 72, 16},
        {IDC_TITLETEXT, L"EDIT", "", kField, fieldX, y0 + 2 * kRow, fieldW, 20, TEXT_OF(TitleText)},
        {IDC_STATIC, L"STATIC", "窗口ID:", kLabel, labelX, y0 + 3 * kRow + 3, 72, 16},
        {IDC_TXTWINDOWID, L"EDIT", "", kField, fieldX, y0 + 3 * kRow, fieldW, 20, TEXT_OF(txtWindowID)},
        {IDC_STATIC, L"STATIC", "进程ID:", kLabel, labelX, y0 + 4 * kRow + 3, 72, 16},
        {IDC_TXTPROCESSID, L"EDIT", "", kField, fieldX, y0 + 4 * kRow, fieldW, 20, TEXT_OF(txtProcessID)},
        {IDC_STATIC, L"STATIC", "线程ID:", kLabel, labelX, y0 + 5 * kRow + 3, 72, 16},
        {IDC_TXTTHREADID, L"EDIT", "", kField, fieldX, y0 + 5 * kRow, fieldW, 20, TEXT_OF(txtThreadID)},
        {IDC_STATIC, L"STATIC", "程序路径:", kLabel, labelX, y0 + 6 * kRow + 3, 72, 16},
        {IDC_TXTFILEPATH, L"EDIT", "", kField, fieldX, y0 + 6 * kRow, fieldW - 40, 20, TEXT_OF(txtFilePath)},
        {IDC_LABEL5, L"STATIC", "转到", kLink, fieldX + fieldW - 34, y0 + 6 * kRow + 3, 34, 16, nullptr,
         nullptr, "打开文件位置"},
        {IDC_STATIC, L"STATIC", "窗口矩形:", kLabel, labelX, y0 + 7 * kRow + 3, 72, 16},
        {IDC_TXTWNDRECT, L"EDIT", "", kField, fieldX, y0 + 7 * kRow, fieldW, 20, TEXT_OF(txtWndRect)},
    };
}

std::vector<ControlDef> StyleTab() {
    return {
        {IDC_STATIC, L"STATIC", "基本样式:", kLabel, 10, 13, 66, 16},
        {IDC_TXTWNDSTYLE, L"EDIT", "", kField, 78, 10, 124, 20, TEXT_OF(txtWndStyle)},
        {IDC_LSTWNDSTYLE, L"LISTBOX", "", kList, 10, 36, 192, 172, nullptr, LIST_OF(lstWndStyle)},
        {IDC_STATIC, L"STATIC", "扩展样式:", kLabel, 222, 13, 66, 16},
        {IDC_TXTWNDEXSTYLE, L"EDIT", "", kField, 290, 10, 128, 20, TEXT_OF(txtWndExStyle)},
        {IDC_LSTWNDEXSTYLE, L"LISTBOX", "", kList, 222, 36, 196, 172, nullptr, LIST_OF(lstWndExStyle)},
    };
}

std::vector<ControlDef> ClassTab() {
    return {
        {IDC_STATIC, L"STATIC", "类名:", kLabel, 10, 13, 60, 16},
        {IDC_TXTCLASSNAME, L"EDIT", "", kReadOnlyField, 72, 10, 346, 20, TEXT_OF(txtClassName)},
        {IDC_STATIC, L"STATIC", "类样式:", kLabel, 10, 39, 60, 16},
        {IDC_LSTCLASSSTYLE, L"LISTBOX", "", kList, 72, 36, 346, 140, nullptr, LIST_OF(lstClassStyle)},
        {IDC_STATIC, L"STATIC", "样式值:", kLabel, 10, 189, 60, 16},
        {IDC_TXTCLASSVALUE, L"EDIT", "", kReadOnlyField, 72, 186, 346, 20, TEXT_OF(txtClassValue)},
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
        {IDC_STATIC, "本窗口句柄:", IDC_TXTSELFHANDLE, IDC_TXTSELFTITLE, TEXT_OF(txtSelfHandle), TEXT_OF(txtSelfTitle)},
        {IDC_LBLPREHANDLE, "上一窗口句柄:", IDC_TXTPREHANDLE, IDC_TXTPRETITLE, TEXT_OF(txtPreHandle), TEXT_OF(txtPreTitle)},
        {IDC_LBLNEXTHANDLE, "下一窗口句柄:", IDC_TXTNEXTHANDLE, IDC_TXTNEXTTITLE, TEXT_OF(txtNextHandle), TEXT_OF(txtNextTitle)},
        {IDC_LBLPARENTHANDLE, "父窗口句柄:", IDC_TXTPARENTHANDLE, IDC_TXTPARENTTITLE, TEXT_OF(txtParentHandle), TEXT_OF(txtParentTitle)},
        {IDC_LBLCHILDHANDLE, "第一子窗口句柄:", IDC_TXTCHILDHANDLE, IDC_TXTCHILDTITLE, TEXT_OF(txtChildHandle), TEXT_OF(txtChildTitle)},
        {IDC_LBLOWNERHANDLE, "所有者窗口句柄:", IDC_TXTOWNERHANDLE, IDC_TXTOWNERTITLE, TEXT_OF(txtOwnerHandle), TEXT_OF(txtOwnerTitle)},
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
    controls.push_back({IDC_COMMAND1, L"BUTTON", "子窗口列表", kButton, 318, y + 4, 100, 24});
    return controls;
}

std::vector<ControlDef> StateTab() {
    return {
        {IDC_STATIC, L"STATIC", "窗口状态:", kLabel, 10, 10, 80, 16},
        {IDC_LSTSTATUS, L"LISTBOX", "", kTickList, 10, 30, 160, 9 * kTickRowHeight + 4},
        {IDC_LBLSTATUSNOTE, L"STATIC", "　　更改列表项的勾选状态可以改变窗口对应的状态或激发其行为。", kLabel, 186, 30,
         228, 52},
    };
}

// picScroll is 5830 x 2055 twips at (120, 120); the bars run along its
// bottom and right edges. The picture view moves them as the picture needs.
std::vector<ControlDef> PictureTab() {
    constexpr DWORD kViewport = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    constexpr DWORD kBar = WS_CHILD | WS_TABSTOP;  // hidden until a picture needs it
    return {
        {IDC_PICSCROLL, kPicScrollClass, "", kViewport, 8, 8, 389, 137},
        {IDC_HSCROLL1, L"SCROLLBAR", "", kBar | SBS_HORZ, 8, 145, 389, 17},
        {IDC_VSCROLL1, L"SCROLLBAR", "", kBar | SBS_VERT, 397, 8, 17, 137},
        {IDC_CMDSAVE, L"BUTTON", "保存(&S)", kButton, 318, 176, 96, 26},
    };
}

// Eight rows: four fields with their buttons, the four position fields,
// the font summary, the text with "修改文本", the short program path.
std::vector<ControlDef> ToolsTab() {
    constexpr int y0 = 8, pitch = 26, labelX = 8, labelW = 64, fieldX = 74, fieldW = 100;
    constexpr int col1 = 184, col2 = 262, col3 = 340, buttonW = 76, buttonH = 22;
    constexpr int wideW = col3 + buttonW - labelX;  // a field across the whole row
    constexpr DWORD kHintLabel = kLabel | SS_NOTIFY;  // a static shows a tool tip only with SS_NOTIFY
    constexpr DWORD kReadOnly = kField | ES_READONLY;
    constexpr DWORD kCombo = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
    // The whole text of a window may hold line breaks: keep them.
    constexpr DWORD kTextField = kField | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    auto row = [](int r) { return y0 + (r - 1) * pitch; };
    auto button = [&](int index, const char* caption, int x, int r) {
        return ControlDef{IDC_BUTTON0 + index, L"BUTTON", caption, kButton, x, row(r) - 1, buttonW, buttonH};
    };

    std::vector<ControlDef> controls = {
        {IDC_MLABEL0 + 0, L"STATIC", "控件句柄:", kLabel, labelX, row(1) + 3, labelW, 16},
        {IDC_MTEXT0 + 0, L"EDIT", "", kField, fieldX, row(1), fieldW, 20, TEXT_OF(mText[0])},
        button(0, "读取刷新", col1, 1),
        button(1, "关闭控件", col2, 1),
        button(2, "关闭进程", col3, 1),

        {IDC_MLABEL0 + 1, L"STATIC", "基本风格:", kLabel, labelX, row(2) + 3, labelW, 16},
        {IDC_MTEXT0 + 1, L"EDIT", "", kField, fieldX, row(2), fieldW, 20, TEXT_OF(mText[1])},
        button(3, "修改风格", col1, 2),
        button(7, "矩形闪烁", col2, 2),
        {IDC_SLEEPBUTTON, L"BUTTON", "延时操作", kButton, col3, row(2) - 1, buttonW, buttonH, nullptr, nullptr,
         "针对需要鼠标驻留显示的窗口进行延时读取!"},

        {IDC_MLABEL0 + 2, L"STATIC", "扩展风格:", kLabel, labelX, row(3) + 3, labelW, 16},
        {IDC_MTEXT0 + 2, L"EDIT", "", kField, fieldX, row(3), fieldW, 20, TEXT_OF(mText[2])},

        {IDC_MLABEL0 + 3, L"STATIC", "列表风格:", kHintLabel, labelX, row(4) + 3, labelW, 16, nullptr, nullptr,
         "ListView扩展风格"},
        {IDC_MTEXT0 + 3, L"EDIT", "", kField, fieldX, row(4), fieldW, 20, TEXT_OF(mText[3]), nullptr,
         "SysListView32"},
        // The height is the dropped-down list's: seven entries without a scroll.
        {IDC_COMBO1, L"COMBOBOX", "", kCombo, col1, row(4) - 1, col3 - 6 - col1, 160},
        button(4, "读取数据", col3, 4),
    };

    // Row 5: left, top, width and height side by side, each after its label.
    const char* const positionLabels[] = {"边距:", "顶距:", "宽度:", "高度:"};
    std::string* (*const positionFields[])(MainForm&) = {TEXT_OF(mText[4]), TEXT_OF(mText[5]),
                                                          TEXT_OF(mText[6]), TEXT_OF(mText[7])};
    for (int i = 0; i < 4; ++i) {
        const int x = labelX + i * 82;
        controls.push_back({IDC_MLABEL0 + 4 + i, L"STATIC", positionLabels[i], kLabel, x, row(5) + 3, 32, 16});
        controls.push_back({IDC_MTEXT0 + 4 + i, L"EDIT", "", kField, x + 32, row(5), 44, 20, positionFields[i]});
    }
    controls.push_back(button(6, "修改尺寸", col3, 5));

    controls.push_back({IDC_MTEXT0 + 9, L"EDIT", "", kReadOnly, labelX, row(6), wideW, 20, TEXT_OF(mText[9])});
    controls.push_back({IDC_TXTSETDATA, L"EDIT", "", kTextField, labelX, row(7), col3 - 6 - labelX, 20,
                        TEXT_OF(txtSetData)});
    controls.push_back({IDC_CMDSETDATA, L"BUTTON", "修改文本", kButton, col3, row(7) - 1, buttonW, buttonH});
    controls.push_back({IDC_MTEXT0 + 8, L"EDIT", "", kReadOnly, labelX, row(8), wideW, 20, TEXT_OF(mText[8])});
    return controls;
}

#undef TEXT_OF
#undef LIST_OF

}  // namespace

const std::vector<ControlDef>& FrameControls() {
    static const std::vector<ControlDef> controls = {
        {IDC_LABEL2, L"STATIC", "请拖动左侧指针到需要查看的窗口/控件上释放", kLabel, 50, 8, 170, 32},
        {IDC_CHKALWAYSONTOP, L"BUTTON", "总在最上面", kCheck, 314, 4, 120, 18},
        {IDC_CHKHEX, L"BUTTON", "16进制", kCheck, 314, 24, 120, 18},
        {IDC_COMMAND2, L"BUTTON", "句柄树", kButton, 212, 295, 72, 24},
        {IDC_CMDABOUT, L"BUTTON", "关于", kButton, 290, 295, 72, 24},
        {IDC_CMDOK, L"BUTTON", "确定", kButton, 368, 295, 72, 24},
    };
    return controls;
}

const std::vector<ControlDef>& TabControls(int index) {
    static const std::vector<ControlDef> tabs[] = {GeneralTab(), StyleTab(), ClassTab(), WindowTab(),
                                                    StateTab(), PictureTab(), ToolsTab()};
    return tabs[index];
}

}  // namespace lumivex
