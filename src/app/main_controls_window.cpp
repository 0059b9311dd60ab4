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
        {IDC_STATIC, L"STATIC", "类名:", kLabel, 10, 13, 66, 16},
        {IDC_TXTCLASSNAME, L"EDIT", "", kField, 78, 10, 340, 20, TEXT_OF(txtClassName)},
        {IDC_STATIC, L"STATIC", "类样式:", kLabel, 10, 13 + kRow, 66, 16},
        {IDC_TXTCLASSSTYLE, L"EDIT", "", kField, 78, 10 + kRow, 340, 20, TEXT_OF(txtClassStyle)},
        {IDC_LSTCLASSSTYLE, L"LISTBOX", "", kList, 10, 60, 408, 148, nullptr, LIST_OF(lstClassStyle)},
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
        controls.push_back({row.handleId, L"EDIT", "", kField, 110, y, 80, 20, row.handle});
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
        {IDC_LSTSTATUS, L"LISTBOX", "", kList | LBS_MULTIPLESEL | LBS_NOTIFY, 10, 30, 160, 178},
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

std::vector<ControlDef> ToolsTab() { return {}; }

#undef TEXT_OF
#undef LIST_OF

}  // namespace

const std::vector<ControlDef>& FrameControls() {
    static const std::vector<ControlDef> controls = {
        {IDC_LABEL2, L"STATIC", "请拖动左侧指针到需要查看的窗口/控件上释放", kLabel, 50, 8, 170, 32},
        {IDC_SLEEPBUTTON, L"BUTTON", "延时操作", kButton, 226, 11, 76, 24, nullptr, nullptr,
         "针对需要鼠标驻留显示的窗口进行延时读取!"},
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
