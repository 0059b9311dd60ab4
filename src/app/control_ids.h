// Control identifiers of the main window. The end-to-end tests find the
// controls by these numbers, so they are part of the program's interface.
#pragma once

// Resources.
#define IDI_LUMIVEX 1
#define IDI_FINDER_REST 101    // Image3
#define IDI_FINDER_EMPTY 102   // Image2
#define IDC_FINDER 103         // Image1
#define IDH_ABOUT_PAGE 110     // the page shown in the embedded browser

// Labels that need no identifier.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Frame.
#define IDC_PICSHOT 1000
#define IDC_LABEL2 1001
#define IDC_SLEEPBUTTON 1002
#define IDC_CHKALWAYSONTOP 1003
#define IDC_CHKHEX 1004
#define IDC_TABSTRIP1 1005
#define IDC_COMMAND2 1006      // "句柄树"
#define IDC_CMDABOUT 1007
#define IDC_CMDOK 1008
#define IDC_WB1 1009
#define IDC_PICTAB0 1010       // picTab(0) … picTab(6) are 1010 … 1016

// " 常规 "
#define IDC_HWNDTEXT 1100
#define IDC_WNDCLASSTEXT 1101
#define IDC_TITLETEXT 1102
#define IDC_TXTWINDOWID 1103
#define IDC_TXTPROCESSID 1104
#define IDC_TXTTHREADID 1105
#define IDC_TXTFILEPATH 1106
#define IDC_TXTWNDRECT 1107
#define IDC_LABEL5 1108        // "转到"

// " 样式 "
#define IDC_TXTWNDSTYLE 1200
#define IDC_TXTWNDEXSTYLE 1201
#define IDC_LSTWNDSTYLE 1202
#define IDC_LSTWNDEXSTYLE 1203

// "  类  "
#define IDC_TXTCLASSNAME 1300
#define IDC_TXTCLASSVALUE 1301   // "样式值:"
#define IDC_LSTCLASSSTYLE 1302

// " 窗口 "
#define IDC_TXTSELFHANDLE 1400
#define IDC_TXTSELFTITLE 1401
#define IDC_TXTPREHANDLE 1402
#define IDC_TXTPRETITLE 1403
#define IDC_TXTNEXTHANDLE 1404
#define IDC_TXTNEXTTITLE 1405
#define IDC_TXTPARENTHANDLE 1406
#define IDC_TXTPARENTTITLE 1407
#define IDC_TXTCHILDHANDLE 1408
#define IDC_TXTCHILDTITLE 1409
#define IDC_TXTOWNERHANDLE 1410
#define IDC_TXTOWNERTITLE 1411
#define IDC_LBLPREHANDLE 1420
#define IDC_LBLNEXTHANDLE 1421
#define IDC_LBLPARENTHANDLE 1422
#define IDC_LBLCHILDHANDLE 1423
#define IDC_LBLOWNERHANDLE 1424
#define IDC_COMMAND1 1430      // "子窗口列表"

// " 消息 "
#define IDC_LSTSTATUS 1500
#define IDC_LBLSTATUSNOTE 1501   // the explanation beside the list

// " 图像 "
#define IDC_PICSCROLL 1600
#define IDC_PICBMP 1601
#define IDC_HSCROLL1 1602
#define IDC_VSCROLL1 1603
#define IDC_CMDSAVE 1604

// " 工具 ": mText(0) … mText(9) are 1700 … 1709
#define IDC_MTEXT0 1700
#define IDC_TXTSETDATA 1710
#define IDC_COMBO1 1711
#define IDC_CMDSETDATA 1712    // "修改文本"
#define IDC_BUTTON0 1720       // Button(0) … Button(7) are 1720 … 1727; there is no Button(5)
#define IDC_MLABEL0 1730       // mLabel(0) … mLabel(7) are 1730 … 1737, beside mText(0) … mText(7)
