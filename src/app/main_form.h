// The main window's logic and everything it shows, independent of Win32.
//
// `MainForm` holds what the main window displays (texts of its fields, list
// entries, ticks, link labels, title, timers) and the program state it owns
// (`SnapHwnd`, `TmpHwnd`, `FlashRect`, the drag flag). Event handlers and
// public operations are its methods; the Win32 window forwards events here
// and then shows the result. Tests build one over the simulated desktop.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/session.h"
#include "picture/picture_view.h"
#include "platform/platform.h"

namespace lumivex {

// Tab captions, in order; tab k (from 1) shows panel picTab(k - 1).
inline const std::array<const char*, 7> kTabCaptions = {
    " 常规 ", " 样式 ", "  类  ", " 窗口 ", " 消息 ", " 图像 ", " 工具 "};

constexpr int kMainWidthTwips = 6780, kMainHeightTwips = 5280;
constexpr int kTwipsPerPixel = 15;

// Pictures of the finder box.
enum class FinderPicture { Image3AtRest, Image2Dragging };

// Texts of the main window's text boxes. MainClear empties them all.
struct MainTexts {
    // " 常规 "
    std::string hWndText, WndClassText, TitleText, txtWindowID, txtProcessID, txtThreadID,
        txtFilePath, txtWndRect;
    // " 样式 "
    std::string txtWndStyle, txtWndExStyle;
    // "  类  "
    std::string txtClassName, txtClassValue;
    // " 窗口 "
    std::string txtSelfHandle, txtSelfTitle, txtPreHandle, txtPreTitle, txtNextHandle,
        txtNextTitle, txtParentHandle, txtParentTitle, txtChildHandle, txtChildTitle,
        txtOwnerHandle, txtOwnerTitle;
    // " 工具 "
    std::array<std::string, 10> mText;
    std::string txtSetData;
};

// The five related-window labels, in the order MarkLinks walks them.
enum RelatedLink { kPrev = 0, kNext, kParent, kChild, kOwner, kRelatedCount };

constexpr int kStatusEntries = 9;

class MainForm {
public:
    MainForm(Platform& platform, Session& session);

    // Public variables.
    Hwnd SnapHwnd = 0;
    Hwnd TmpHwnd = 0;
    Rect FlashRect;

    // What the window shows.
    MainTexts texts;
    std::vector<std::string> lstWndStyle, lstWndExStyle, lstClassStyle;
    std::array<bool, kStatusEntries> lstStatus{};   // ticks
    std::array<bool, kRelatedCount> linkActive{};   // blue label with hand pointer
    bool label5Visible = true;                       // "转到"
    std::string caption;                             // the main window's title
    int selectedTab = 1;                             // 1-based, as the tab strip counts
    FinderPicture finderPicture = FinderPicture::Image3AtRest;
    bool dragCursor = false;                         // screen pointer is Image1
    bool chkHex = true;
    bool chkAlwaysOnTop = true;
    PictureView pictureView;                         // the " 图像 " tab
    int comboIndex = 0;                              // Combo1

    // Timers: the window starts and stops the real ones to match.
    bool tmrEnabled = false;     // 400 ms, drag polling
    bool timer1Enabled = false;  // 500 ms, flash run
    bool timer2Enabled = false;  // 500 ms, delayed read

    // Our own windows, known once the Win32 window exists (0 in tests).
    Hwnd selfHwnd = 0;
    Hwnd picShotHwnd = 0;

    // Start-up and the main window.
    void Load();
    void Activate();
    void SelectTab(int index);
    void chkAlwaysOnTop_Click(bool ticked);
    void chkHex_Click(bool ticked);
    void Label5_Click();
    std::string NormalTitle() const;

    // The fill.
    void Fulfill();
    void MainClear();
    std::string NumText(std::int32_t value) const;

    // The state list and the related-window links of the window tab.
    void lstStatus_MouseUp(int currentIndex, bool ticked);
    void lblRelated_Click(RelatedLink which);

    // Finder and delayed read.
    void picShot_MouseDown();
    void picShot_MouseUp();
    void tmr_Timer();
    void SleepButton_Click();
    void Timer2_Timer();
    Hwnd GetMouseHwnd();

    // Highlighter.
    void SetFlashRect(Hwnd hwnd);
    void Timer1_Timer();
    void StartFlashRun(Hwnd hwnd);

    bool IsDragging() const { return isDragging_; }
    int DelayCount() const { return delayCount_; }
    int FlashCount() const { return flashCount_; }

    Platform& platform() { return p_; }
    Session& session() { return session_; }

private:
    void FulfillHung();
    void MarkLinks();
    void FillTools();
    void FillRelated(Hwnd related, std::string& handleText, std::string& titleText);
    void ClearStatusTicks() { lstStatus.fill(false); }
    std::string* RelatedHandleText(RelatedLink which);
    Rect ClampedWindowRect(Hwnd hwnd);

    Platform& p_;
    Session& session_;
    bool isDragging_ = false;
    int delayCount_ = 0;
    int flashCount_ = 0;
    Hwnd lastOutlined_ = 0;  // the window FlashRect was taken from by an outline
};

}  // namespace lumivex
