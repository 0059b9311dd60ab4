#include "platform/sim/sim_frame.h"

#include <algorithm>

namespace lumivex::sim {

namespace {
constexpr int kBorder = 1, kDialogFrame = 3, kSizingFrame = 4, kClientEdge = 2, kCaption = 19;
}  // namespace

int FrameMetric(int index) {
    switch (index) {
        case win::SM_CXBORDER:
        case win::SM_CYBORDER: return kBorder;
        case win::SM_CXDLGFRAME:
        case win::SM_CYDLGFRAME: return kDialogFrame;
        case win::SM_CXFRAME:
        case win::SM_CYFRAME: return kSizingFrame;
        case win::SM_CXEDGE:
        case win::SM_CYEDGE: return kClientEdge;
        case win::SM_CYCAPTION: return kCaption;
        default: return -1;
    }
}

FrameInsets NonClientInsets(std::uint32_t style, std::uint32_t exStyle) {
    // A dialog or sizing frame is an outer edge of two pixels, plus the
    // sizing band for a sizing frame, plus one pixel of border line when the
    // window has a border (a caption brings one) or a dialog frame.
    const bool staticEdgeOnly = (exStyle & (win::WS_EX_STATICEDGE | win::WS_EX_DLGMODALFRAME)) == win::WS_EX_STATICEDGE;
    const bool dialogFrame = (exStyle & win::WS_EX_DLGMODALFRAME) || (style & win::WS_DLGFRAME);
    int edge = 0;
    if (staticEdgeOnly)
        edge = kBorder;
    else if (dialogFrame || (style & win::WS_THICKFRAME))
        edge = kDialogFrame - kBorder;
    if (style & win::WS_THICKFRAME) edge += kSizingFrame - kDialogFrame;
    if ((style & win::WS_BORDER) || dialogFrame) edge += kBorder;
    if (exStyle & win::WS_EX_CLIENTEDGE) edge += kClientEdge;
    FrameInsets insets{edge, edge, edge, edge};
    if ((style & win::WS_CAPTION) == win::WS_CAPTION) insets.top += kCaption;
    return insets;
}

Rect ClientFor(const Rect& window, std::uint32_t style, std::uint32_t exStyle) {
    const FrameInsets f = NonClientInsets(style, exStyle);
    const int width = std::max(0, window.right - window.left - f.left - f.right);
    const int height = std::max(0, window.bottom - window.top - f.top - f.bottom);
    return {0, 0, width, height};
}

}  // namespace lumivex::sim
