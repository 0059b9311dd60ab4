// Control identifiers of the main window. The end-to-end tests find the
// controls by these numbers, so they are part of the program's interface:
// a name may change, a number may not.
#pragma once

// Resources.
#define IDI_LUMIVEX 1
#define IDI_FINDER_REST 101    // the finder box with its cross-hair
#define IDI_FINDER_EMPTY 102   // the finder box while the cross-hair is out
#define IDCUR_FINDER 103       // the cross-hair as the pointer
#define IDH_ABOUT_PAGE 110     // the page shown in the embedded browser

// Labels that need no identifier.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Frame.
#define IDC_FINDER 1000
#define IDC_FINDER_HINT 1001
#define IDC_DELAYED_READ 1002    // "延时操作" (on the tools tab)
#define IDC_ALWAYS_ON_TOP 1003   // "总在最上面"
#define IDC_HEX_DISPLAY 1004     // "16进制"
#define IDC_TABS 1005
#define IDC_TREE_BUTTON 1006     // "句柄树"
#define IDC_ABOUT_BUTTON 1007    // "关于"
#define IDC_OK_BUTTON 1008       // "确定"
#define IDC_BANNER 1009          // the embedded browser, or its label
#define IDC_TAB_PANEL0 1010      // the seven tab panels are 1010 … 1016

// " 常规 "
#define IDC_HANDLE 1100
#define IDC_CLASS_NAME 1101
#define IDC_TITLE 1102
#define IDC_CONTROL_ID 1103
#define IDC_PROCESS_ID 1104
#define IDC_THREAD_ID 1105
#define IDC_PROGRAM_PATH 1106
#define IDC_WINDOW_RECT 1107
#define IDC_GO_TO_PROGRAM 1108   // "转到"

// " 样式 "
#define IDC_STYLE 1200
#define IDC_EX_STYLE 1201
#define IDC_STYLE_NAMES 1202
#define IDC_EX_STYLE_NAMES 1203

// "  类  "
#define IDC_CLASS_TAB_NAME 1300
#define IDC_CLASS_STYLE_VALUE 1301   // "样式值:"
#define IDC_CLASS_STYLE_NAMES 1302

// " 窗口 "
#define IDC_SELF_HANDLE 1400
#define IDC_SELF_TITLE 1401
#define IDC_PREV_HANDLE 1402
#define IDC_PREV_TITLE 1403
#define IDC_NEXT_HANDLE 1404
#define IDC_NEXT_TITLE 1405
#define IDC_PARENT_HANDLE 1406
#define IDC_PARENT_TITLE 1407
#define IDC_CHILD_HANDLE 1408
#define IDC_CHILD_TITLE 1409
#define IDC_OWNER_HANDLE 1410
#define IDC_OWNER_TITLE 1411
#define IDC_PREV_LINK 1420       // the labels that follow a related window
#define IDC_NEXT_LINK 1421
#define IDC_PARENT_LINK 1422
#define IDC_CHILD_LINK 1423
#define IDC_OWNER_LINK 1424
#define IDC_CHILD_LIST_BUTTON 1430   // "子窗口列表"

// " 消息 "
#define IDC_STATE_LIST 1500
#define IDC_STATE_NOTE 1501      // the explanation beside the list

// " 图像 "
#define IDC_PICTURE_VIEWPORT 1600
#define IDC_PICTURE_BOX 1601
#define IDC_PICTURE_HSCROLL 1602
#define IDC_PICTURE_VSCROLL 1603
#define IDC_SAVE_PICTURE 1604    // "保存(&S)"

// " 工具 ": the ten fields, then the text, the reader choice and the buttons.
#define IDC_TOOL_HANDLE 1700
#define IDC_TOOL_STYLE 1701
#define IDC_TOOL_EX_STYLE 1702
#define IDC_TOOL_LIST_VIEW_STYLE 1703
#define IDC_TOOL_LEFT 1704
#define IDC_TOOL_TOP 1705
#define IDC_TOOL_WIDTH 1706
#define IDC_TOOL_HEIGHT 1707
#define IDC_TOOL_SHORT_PATH 1708
#define IDC_TOOL_FONT 1709
#define IDC_TOOL_TEXT 1710
#define IDC_READER_CHOICE 1711
#define IDC_SET_TEXT 1712        // "修改文本"
#define IDC_REFRESH 1720         // "读取刷新"
#define IDC_CLOSE_CONTROL 1721   // "关闭控件"
#define IDC_END_PROCESS 1722     // "关闭进程"
#define IDC_SET_STYLES 1723      // "修改风格"
#define IDC_READ_DATA 1724       // "读取数据"
#define IDC_SET_SIZE 1726        // "修改尺寸"
#define IDC_FLASH 1727           // "矩形闪烁"
#define IDC_TOOL_HANDLE_LABEL 1730   // the labels beside the first eight fields
#define IDC_TOOL_STYLE_LABEL 1731
#define IDC_TOOL_EX_STYLE_LABEL 1732
#define IDC_TOOL_LIST_VIEW_STYLE_LABEL 1733
#define IDC_TOOL_LEFT_LABEL 1734
#define IDC_TOOL_TOP_LABEL 1735
#define IDC_TOOL_WIDTH_LABEL 1736
#define IDC_TOOL_HEIGHT_LABEL 1737

// The window tree ("句柄树结构列表").
#define IDC_TREE_VIEW 2000
#define IDC_TREE_DESKTOP 2001    // "桌面"
#define IDC_TREE_PARENT 2002     // "父层"
#define IDC_TREE_BACK 2003       // "返回"
#define IDC_TREE_FLASH 2004      // "闪烁"
#define IDC_TREE_HANDLE 2005     // the handle box
#define IDC_TREE_NODE_TEXT 2006  // the text of the node last clicked
#define IDC_TREE_EXPAND 2007     // "展开"
#define IDC_TREE_OK 2008         // "确定"

// The child-window list ("子窗口列表").
#define IDC_CHILD_PROMPT 2100
#define IDC_CHILD_ROWS 2101
#define IDC_CHILD_SHOW_ALL 2102  // "显示所有多级子窗口"
#define IDC_CHILD_OK 2103        // "确定"
#define IDC_CHILD_OPEN 2104      // "打开子列表"
#define IDC_CHILD_CANCEL 2105    // "取消"
#define IDC_CHILD_EXPORT 2106    // "导出列表"

// The about box ("关于 Lumivex").
#define IDC_ABOUT_VERSION 2200
#define IDC_ABOUT_ICON 2201
#define IDC_ABOUT_HOME_CAPTION 2202  // "主页:"
#define IDC_ABOUT_LINK 2203
#define IDC_ABOUT_PAGE 2204          // the embedded browser, or its label
#define IDC_ABOUT_NOTE 2205
#define IDC_ABOUT_OK 2206            // "确定"

// The progress of a long read ("正在读取").
#define IDC_READ_PROGRESS_TEXT 2300  // "已读 N / M 项"
#define IDC_READ_PROGRESS_BAR 2301
#define IDC_READ_CANCEL 2302         // "取消"
