// The main window's view model: what each of its controls shows, the state
// the window owns, and what each user action does, independent of Win32.
//
// The application folder composes the logic folders into the program's
// windows' models; it may include every logic folder, never the window code
// in ui/. The Win32 windows forward events here and then show what the
// model holds. Tests build one over the simulated desktop.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/read_job.h"
#include "app/session.h"
#include "info/window_facts.h"
#include "ops/state_list.h"
#include "picture/picture_save.h"
#include "picture/picture_view.h"
#include "platform/platform.h"
#include "styles/window_style.h"

namespace lumivex {

// Tab captions, in order; tab k (from 1) shows panel k - 1.
inline const std::array<const char*, 7> kTabCaptions = {
    " 常规 ", " 样式 ", "  类  ", " 窗口 ", " 消息 ", " 图像 ", " 工具 "};

constexpr int kMainWidthTwips = 6780, kMainHeightTwips = 5280;

// The caption of the program's message boxes.
inline constexpr const char* kMessageBoxTitle = "Quorva";

// What the finder box shows: the cross-hair at rest, or the empty box while
// the cross-hair is out on the screen as the pointer.
enum class FinderPicture { AtRest, Dragging };

// A read running on its own thread, as the progress window shows it.
struct ReadProgressView {
    bool visible = false;  // the read has lasted long enough to show its progress
    std::string status;    // "已读 N / M 项"
    std::uint64_t done = 0, total = 0;
};

struct RelatedRow {
    std::string handle, title;
};

// The tools tab's fields. Handles and styles are hexadecimal, the position
// decimal, whatever the hexadecimal switch says: the tab reads them back.
struct ToolFields {
    std::string handle, style, exStyle, listViewStyle;
    std::string left, top, width, height;
    std::string shortPath, fontSummary;
    std::string text;  // the window's whole text, for "修改文本"
};

// Texts of the main window's text boxes. MainClear empties them all.
struct MainTexts {
    // " 常规 "
    std::string handle, className, title, controlId, processId, threadId, programPath, windowRect;
    // " 样式 "
    std::string style, exStyle;
    // "  类  "
    std::string classTabName, classStyleValue;
    // " 窗口 ": the inspected window itself, then the related windows in
    // the order of RelatedLink.
    RelatedRow self;
    std::array<RelatedRow, kRelatedCount> related;
    // " 工具 "
    ToolFields tools;
};

class MainForm {
public:
    MainForm(Platform& platform, Session& session);

    // The inspected window, the window of the current flash run (also the
    // last window the delayed read found), and the last outlined rectangle.
    Hwnd SnapHwnd = 0;
    Hwnd TmpHwnd = 0;
    Rect FlashRect;

    // What the window shows.
    MainTexts texts;
    std::vector<std::string> styleNames, exStyleNames, classStyleNames;
    StateTicks stateTicks{};
    std::array<bool, kRelatedCount> linkActive{};  // blue label with a hand pointer
    bool goToLinkVisible = true;                   // "转到" beside the program path
    std::string caption;                           // the main window's title
    int selectedTab = 1;                           // 1-based, as the tab strip counts
    FinderPicture finderPicture = FinderPicture::AtRest;
    bool dragCursor = false;                       // the pointer is the cross-hair
    bool hexDisplay = true;                        // "16进制"
    bool alwaysOnTop = true;                       // "总在最上面"
    PictureView pictureView;                       // the " 图像 " tab
    int readerChoice = 0;                          // index into kReaderChoices

    // Timers: the window starts and stops the real ones to match.
    bool dragTimerOn = false;         // 400 ms: the finder follows the pointer
    bool flashTimerOn = false;        // 500 ms: one outline of a flash run
    bool delayedReadTimerOn = false;  // 500 ms: one step of the delayed read's countdown
    bool readPollTimerOn = false;     // 50 ms: how far the running read got, and its end

    // Our own windows, known once the Win32 window exists (0 in tests).
    Hwnd selfHwnd = 0;
    Hwnd finderHwnd = 0;
    // Shows what the model holds at once. The window sets it: a handler
    // that blocks (an outline holds the thread 400 ms) calls it first, so
    // that what it changed is on the screen meanwhile.
    std::function<void()> showNow;

    // Start-up and the main window.
    void Load();
    void Activate();
    void SelectTab(int index);
    void SetAlwaysOnTop(bool ticked);
    void SetHexDisplay(bool ticked);
    // "转到": Explorer with the program file selected.
    void OpenProgramFolder();
    std::string NormalTitle() const;

    // The fill: reads everything afresh about SnapHwnd and shows it.
    void Fill();
    void MainClear();
    std::string NumText(std::int32_t value) const;

    // The state list and the related-window links of the window tab.
    void ActOnStateEntry(int index, bool ticked);
    void FollowRelatedLink(RelatedLink which);

    // The finder and the delayed read.
    void PressFinder();
    void ReleaseFinder();
    // The mouse capture went elsewhere in the middle of a drag (Alt+Tab, a
    // pop-up taking the focus): the drag ends without choosing anything.
    // True when a drag ended.
    bool LoseFinderCapture();
    void DragTick();
    void StartDelayedRead();
    void DelayedReadTick();

    // The outline and the flash run.
    void SetFlashRect(Hwnd hwnd);
    void StartFlashRun(Hwnd hwnd);
    void FlashTick();

    // The tools tab. The operation target: the window whose handle is
    // typed in the handle field (always hexadecimal), or the inspected
    // window when the field is blank; 0 when that is not a window.
    Hwnd OperationHandle();
    // "读取数据": the chosen reader's text into Notepad. The read runs on a
    // thread of its own; while it runs, no other read starts.
    void ReadData();
    bool ReadRunning() const { return read_ != nullptr; }
    // The poll timer: the progress while the read runs, once it has run a
    // while; Notepad and the messages when it has ended.
    void ReadPollTick();
    // "取消": the read stops after the item it is reading; what it read goes
    // to Notepad.
    void CancelRead();
    // Stops the running read and waits for it to end; its text is dropped.
    void EndRead();
    // Hands text to Notepad the way a read does (the child list's export).
    void HandToNotepad(std::string text);
    // Told when a read starts or ends, for a window besides the main one
    // whose buttons start reads.
    std::function<void()> readStateChanged;
    ReadProgressView readProgress;
    // The panel's other buttons, each on the operation target; an invalid
    // target makes each of them do nothing. None reads the window back but
    // "读取刷新", which fills from the inspected window whatever was typed.
    void Refresh();        // "读取刷新"
    void CloseControl();   // "关闭控件"
    void EndProcess();     // "关闭进程"
    void SetStyles();      // "修改风格"
    void SetSize();        // "修改尺寸"
    void FlashTarget();    // "矩形闪烁"
    void SetText();        // "修改文本"
    // The reader choice's description, its tool tip and the read button's.
    std::string ReaderToolTip() const;

    // What the window must tell the user in a message box, then clear.
    std::string messageForUser;

    // The picture tab.
    SaveOutcome SavePicture(SaveUi& ui, FileOps& files);
    // Fits the scroll bars to the picture, unless the window is minimised.
    void LayoutPicture();

    bool IsDragging() const { return isDragging_; }
    int DelayCount() const { return delayCount_; }
    int FlashCount() const { return flashCount_; }

    Platform& platform() { return p_; }
    Session& session() { return session_; }

private:
    void EndDrag();
    // The chosen reader on target, as a read for a thread of its own.
    ReadJob::Read ReaderRun(const std::string& key, Hwnd target);
    void StartRead(ReadJob::Read read, bool showsMessages);
    void FillHung();
    void FillTools();
    void ShowFacts(const WindowFacts& facts);
    void ShowStyleNames(StyleDecoding decoded, std::vector<std::string>& names);
    void MarkLinks();
    void ClearStateTicks() { stateTicks.fill(false); }

    Platform& p_;
    Session& session_;
    bool isDragging_ = false;
    int delayCount_ = 0;
    int flashCount_ = 0;
    // The last fill read a list-view style (the window answered): an empty
    // list-view field then means 0, as the user left it; otherwise it means
    // unknown, and "修改风格" leaves the list-view style alone.
    bool listViewStyleRead_ = false;
    Hwnd flashRectOf_ = 0;  // the window FlashRect is the rectangle of
    // The related windows the fill found: a link follows the window it
    // shows, whatever the number base is now.
    std::array<Hwnd, kRelatedCount> relatedHwnd_{};
    // The running read, and how many polls it has lasted.
    std::unique_ptr<ReadJob> read_;
    int readTicks_ = 0;
};

}  // namespace lumivex
