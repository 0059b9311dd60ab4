#include "info/window_facts.h"

#include "info/window_text.h"
#include "platform/send.h"
#include "platform/text_limit.h"

namespace lumivex {

namespace {
constexpr std::size_t kTitleLimit = 90001;       // the window's own title
constexpr std::size_t kRelatedTitleLimit = 256;  // titles of related windows

RelatedWindow ReadRelated(Platform& p, Hwnd related) {
    // A related window of a hung process is skipped rather than waited for.
    if (related == 0) return {};
    return {related, TrimLeadingBlanks(SendGetText(p, related, kRelatedTitleLimit, kQuickSendTimeoutMs).value_or(""))};
}
}  // namespace

std::optional<WindowFacts> ReadWindowFacts(Platform& p, DriveMapCache& drives, Hwnd h) {
    WindowFacts facts;
    facts.hwnd = h;
    std::u16string className(256, u'\0');
    if (p.GetClassNameW(h, className.data(), 255) == 0) return std::nullopt;
    facts.className = TrimLeadingBlanks(TextWithin(p, CutAtNul(className), 254));

    // A window that stops answering between the hung test and here must not
    // freeze us: the time-out leaves the title empty.
    facts.title = TrimLeadingBlanks(SendGetText(p, h, kTitleLimit, kSendTimeoutMs).value_or(""));
    facts.controlId = p.GetWindowLongA(h, win::GWL_ID);
    facts.programPath = GetWndPath(p, drives, h);
    facts.threadId = p.GetWindowThreadProcessId(h, &facts.processId);
    p.GetWindowRect(h, facts.rect);

    facts.related[kPrev] = ReadRelated(p, p.GetWindow(h, win::GW_HWNDPREV));
    facts.related[kNext] = ReadRelated(p, p.GetWindow(h, win::GW_HWNDNEXT));
    facts.related[kParent] = ReadRelated(p, p.GetParent(h));
    facts.related[kChild] = ReadRelated(p, p.GetWindow(h, win::GW_CHILD));
    facts.related[kOwner] = ReadRelated(p, p.GetWindow(h, win::GW_OWNER));

    facts.style = static_cast<std::uint32_t>(p.GetWindowLongA(h, win::GWL_STYLE));
    facts.exStyle = static_cast<std::uint32_t>(p.GetWindowLongA(h, win::GWL_EXSTYLE));
    facts.classStyle = p.GetClassLongA(h, win::GCL_STYLE);
    return facts;
}

WindowFacts ReadHungWindowFacts(Platform& p, DriveMapCache& drives, Hwnd h) {
    WindowFacts facts;
    facts.hwnd = h;
    facts.className = GetWndClass(p, h);
    facts.title = GetWndTitle(p, h);
    facts.controlId = p.GetWindowLongA(h, win::GWL_ID);
    facts.programPath = GetWndPath(p, drives, h);
    p.GetWindowThreadProcessId(h, &facts.processId);
    p.GetWindowRect(h, facts.rect);
    return facts;
}

}  // namespace lumivex
