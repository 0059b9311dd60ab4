// The Win32 main window: creates the controls, forwards events to MainForm
// and shows what it holds.
//
// The ui folder holds the program's Win32 windows, one window per file, on
// top of everything else: it may include the application's view models, the
// logic folders and the platform; nothing outside it includes it.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "app/main_form.h"
#include "app/session.h"
#include "platform/win32/win32_platform.h"
#include "ui/form_dpi.h"
#include "ui/gdi_handles.h"
#include "ui/picture_view_window.h"
#include "ui/tree_window.h"
#include "ui/read_progress_window.h"
#include "ui/window_class.h"

namespace lumivex {

// The three timers of the main window and their periods.
enum TimerId : UINT_PTR { kDragTimer = 1, kFlashTimer = 2, kDelayedReadTimer = 3, kReadPollTimer = 4 };
constexpr UINT kTimerPeriods[] = {400, 500, 500, 50};

class MainWindow {
public:
    MainWindow(HINSTANCE instance, Win32Platform& platform, Session& session);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    bool Create();
    HWND hwnd() const { return hwnd_; }
    MainForm& form() { return form_; }
    // Pushes everything MainForm holds into the controls.
    void Render();

    static MainWindow* FromHandle(HWND hwnd) {
        return reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }

private:
    template <typename Window>
    friend LRESULT CALLBACK ObjectWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void Attach(HWND hwnd) { hwnd_ = hwnd; }
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);
    void OnCreate();
    // The places, fonts and pictures for the window's DPI; main_window_dpi.cpp.
    void OnRescaled();
    void LoadFinderPictures();
    void CreateControl(HWND parent, const struct ControlDef& def);
    void SetUpToolsTab();
    void OnToolButton(int id);
    void ShowReaderToolTips();
    void ShowMessageForUser();
    void OnCommand(int id, int code, HWND control);
    void OnActivate(bool active);
    // "句柄树", "子窗口列表" and "关于"; main_window_forms.cpp.
    void OpenForm(int buttonId);
    void CloseForms();
    void OnTimer(UINT_PTR id);
    bool OnSetCursor(HWND control);
    LRESULT OnCtlColorStatic(HDC dc, HWND control);
    void OnFinderMouse(UINT msg);
    void ShowSelectedPanel();
    void SyncTimers();
    void HarvestText(HWND control);
    void HarvestTicks();
    void OnStateListMouseUp(HWND list);
    LRESULT OnMeasureItem(MEASUREITEMSTRUCT* item);
    LRESULT OnDrawItem(const DRAWITEMSTRUCT* item);
    HWND Control(int id) const;
    void RenderTexts();
    void RenderLists();
    void RenderChecks();
    void RenderFinder();

    // The finder box's class, and the message that passes its mouse events on.
    static constexpr wchar_t kFinderClass[] = L"LumivexFinder";
    static constexpr UINT kFinderMessage = WM_APP + 2;
    static LRESULT CALLBACK PanelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK FinderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT FinderMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ToolFieldProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR field,
                                          DWORD_PTR self);
    static LRESULT CALLBACK StateListProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                           DWORD_PTR self);

    HINSTANCE instance_;
    Win32Platform& platform_;
    Session& session_;
    MainForm form_;
    PictureViewWindow pictureView_{form_};
    ReadProgressWindow readProgress_{instance_, form_};
    std::unique_ptr<TreeWindow> treeWindow_;
    HWND hwnd_ = nullptr;
    HWND tabStrip_ = nullptr;
    HWND tabPanels_[7] = {};
    HWND toolTip_ = nullptr;
    FormDpi dpi_{MainFrameLayout()};
    UniqueIcon finderRest_, finderEmpty_;
    UniqueCursor finderCursor_;
    std::map<int, HWND> controls_;
    std::map<int, std::string> shownText_;          // last text set, by control id
    std::map<int, std::vector<std::string>> shownList_;
    bool timerOn_[4] = {};
    bool rendering_ = false;
    bool readerTipsAdded_ = false;
};

}  // namespace lumivex
