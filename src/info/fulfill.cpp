// The fill: every fact the main window shows about the inspected window.
#include <string>

#include "app/main_form.h"
#include "info/num_text.h"
#include "info/process_path.h"
#include "info/window_text.h"
#include "ops/class_style.h"
#include "ops/win_style.h"
#include "picture/window_picture.h"
#include "platform/send.h"

namespace lumivex {

namespace {
constexpr std::size_t kTitleLimit = 90001;       // the target's own title
constexpr std::size_t kRelatedTitleLimit = 256;  // titles of related windows
}  // namespace

std::string MainForm::NumText(std::int32_t value) const { return lumivex::NumText(value, chkHex); }

void MainForm::Fulfill() {
    const Hwnd h = SnapHwnd;
    if (p_.IsHungAppWindow(h)) {
        FulfillHung();
        return;
    }
    FillTools();
    texts.hWndText = NumText(static_cast<std::int32_t>(h));

    std::string className(256, '\0');
    if (p_.GetClassNameA(h, className.data(), 255) == 0) return;  // no such window
    texts.WndClassText = TrimLeadingBlanks(p_.AnsiToUtf8(CutAtNul(className)));

    // A window that stops answering between the hung test and here must not
    // freeze us: the time-out leaves the title empty.
    texts.TitleText = TrimLeadingBlanks(SendGetText(p_, h, kTitleLimit, kSendTimeoutMs).value_or(""));
    texts.txtWindowID = NumText(p_.GetWindowLongA(h, win::GWL_ID));
    texts.txtFilePath = GetWndPath(p_, session_, h);
    texts.txtSelfHandle = texts.hWndText;
    texts.txtSelfTitle = texts.TitleText;

    std::uint32_t processId = 0;
    const std::uint32_t threadId = p_.GetWindowThreadProcessId(h, &processId);
    texts.txtProcessID = NumText(static_cast<std::int32_t>(processId));
    texts.txtThreadID = NumText(static_cast<std::int32_t>(threadId));

    Rect rect;
    p_.GetWindowRect(h, rect);
    texts.txtWndRect = RectText(rect);

    FillRelated(p_.GetWindow(h, win::GW_HWNDPREV), texts.txtPreHandle, texts.txtPreTitle);
    FillRelated(p_.GetWindow(h, win::GW_HWNDNEXT), texts.txtNextHandle, texts.txtNextTitle);
    FillRelated(p_.GetParent(h), texts.txtParentHandle, texts.txtParentTitle);
    FillRelated(p_.GetWindow(h, win::GW_CHILD), texts.txtChildHandle, texts.txtChildTitle);
    FillRelated(p_.GetWindow(h, win::GW_OWNER), texts.txtOwnerHandle, texts.txtOwnerTitle);
    MarkLinks();

    texts.txtWndStyle = NumText(p_.GetWindowLongA(h, win::GWL_STYLE));
    texts.txtWndExStyle = NumText(p_.GetWindowLongA(h, win::GWL_EXSTYLE));
    ClearStatusTicks();
    WinStyle(*this);
    ClassStyle(*this);

    // A window chosen without an outline (a link, the tree, the child list)
    // is pictured where it is, not where the last outlined window was.
    if (h != lastOutlined_) FlashRect = ClampedWindowRect(h);
    TakeWindowPicture(*this);
    p_.ReleaseCapture();
    LayoutPictureView(*this);
    p_.ReleaseCapture();
}

void MainForm::FillRelated(Hwnd related, std::string& handleText, std::string& titleText) {
    handleText = NumText(static_cast<std::int32_t>(related));
    // A related window of a hung process is skipped rather than waited for.
    titleText = related == 0
                    ? std::string()
                    : TrimLeadingBlanks(
                          SendGetText(p_, related, kRelatedTitleLimit, kQuickSendTimeoutMs).value_or(""));
}

void MainForm::FulfillHung() {
    const Hwnd h = SnapHwnd;
    MainClear();
    texts.mText[0] = HexText(h);
    texts.hWndText = NumText(static_cast<std::int32_t>(h));
    texts.WndClassText = GetWndClass(p_, h);
    texts.TitleText = GetWndTitle(p_, h);
    texts.txtWindowID = NumText(p_.GetWindowLongA(h, win::GWL_ID));
    texts.txtFilePath = GetWndPath(p_, session_, h);
    std::uint32_t processId = 0;
    p_.GetWindowThreadProcessId(h, &processId);
    texts.txtProcessID = NumText(static_cast<std::int32_t>(processId));
    Rect rect;
    p_.GetWindowRect(h, rect);
    texts.txtWndRect = RectText(rect);
    FillTools();
}

void MainForm::MainClear() {
    texts = MainTexts{};
    lstWndStyle.clear();
    lstWndExStyle.clear();
    lstClassStyle.clear();
    ClearStatusTicks();
    ClearPicture(*this);
}

void MainForm::MarkLinks() {
    for (int i = 0; i < kRelatedCount; ++i)
        linkActive[static_cast<std::size_t>(i)] = *RelatedHandleText(static_cast<RelatedLink>(i)) != "0";
}

}  // namespace lumivex
