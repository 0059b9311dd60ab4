// The fill: every fact the main window shows about the inspected window,
// formatted as the switches ask.
#include <string>

#include "app/main_form.h"
#include "capture/outline.h"
#include "info/num_text.h"
#include "info/window_text.h"
#include "picture/window_picture.h"
#include "platform/send.h"
#include "styles/class_style.h"
#include "styles/window_style.h"

namespace lumivex {

std::string MainForm::NumText(std::int32_t value) const { return lumivex::NumText(value, hexDisplay); }

void MainForm::Fill() {
    const Hwnd h = SnapHwnd;
    if (p_.IsHungAppWindow(h)) {
        FillHung();
        return;
    }
    // A thread that stops answering costs this fill one time-out, not one
    // per message.
    const ActionScope action;
    FillTools();
    texts.handle = NumText(static_cast<std::int32_t>(h));
    const auto facts = ReadWindowFacts(p_, session_.drives, h);
    if (!facts) return;  // no such window
    ShowFacts(*facts);

    // A window chosen without an outline (a link, the tree, the child list)
    // is pictured where it is, not where the window outlined before was.
    if (h != flashRectOf_) {
        FlashRect = ClampedWindowRect(p_, h);
        flashRectOf_ = h;
    }
    TakeWindowPicture(p_, FlashRect, pictureView);
    p_.ReleaseCapture();
    LayoutPicture();
    p_.ReleaseCapture();
}

void MainForm::ShowStyleNames(StyleDecoding decoded, std::vector<std::string>& names) {
    names = std::move(decoded.names);
    for (int entry : decoded.ticks) stateTicks[static_cast<std::size_t>(entry)] = true;
}

void MainForm::ShowFacts(const WindowFacts& facts) {
    texts.className = facts.className;
    texts.title = facts.title;
    texts.controlId = NumText(facts.controlId);
    texts.programPath = facts.programPath;
    texts.self = {texts.handle, texts.title};
    texts.processId = NumText(static_cast<std::int32_t>(facts.processId));
    texts.threadId = NumText(static_cast<std::int32_t>(facts.threadId));
    texts.windowRect = RectText(facts.rect);

    for (std::size_t i = 0; i < kRelatedCount; ++i) {
        relatedHwnd_[i] = facts.related[i].hwnd;
        texts.related[i] = {NumText(static_cast<std::int32_t>(facts.related[i].hwnd)), facts.related[i].title};
    }
    MarkLinks();

    texts.style = NumText(static_cast<std::int32_t>(facts.style));
    texts.exStyle = NumText(static_cast<std::int32_t>(facts.exStyle));
    // The decoders only tick: every entry is unticked first.
    ClearStateTicks();
    ShowStyleNames(DecodeStyles(facts.style, kWindowStyleTable), styleNames);
    ShowStyleNames(DecodeStyles(facts.exStyle, kExtendedStyleTable), exStyleNames);

    // The class tab's name is the general tab's, just read from the system.
    texts.classTabName = texts.className;
    texts.classStyleValue = ClassValueText(static_cast<std::int32_t>(facts.classStyle));
    classStyleNames = DecodeClassStyle(facts.classStyle);
}

// A window whose thread does not respond is sent nothing: only what the
// system answers by itself is shown.
void MainForm::FillHung() {
    MainClear();
    const WindowFacts facts = ReadHungWindowFacts(p_, session_.drives, SnapHwnd);
    texts.tools.handle = HexText(facts.hwnd);
    texts.handle = NumText(static_cast<std::int32_t>(facts.hwnd));
    texts.className = facts.className;
    texts.title = facts.title;
    texts.controlId = NumText(facts.controlId);
    texts.programPath = facts.programPath;
    texts.processId = NumText(static_cast<std::int32_t>(facts.processId));
    texts.windowRect = RectText(facts.rect);
    FillTools();
}

void MainForm::MainClear() {
    texts = MainTexts{};
    styleNames.clear();
    exStyleNames.clear();
    classStyleNames.clear();
    ClearStateTicks();
    ClearPicture(pictureView);
}

void MainForm::MarkLinks() {
    for (std::size_t i = 0; i < kRelatedCount; ++i) linkActive[i] = texts.related[i].handle != "0";
}

}  // namespace lumivex
