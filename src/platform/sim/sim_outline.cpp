// The simulated outline: what ShowInvertedFrame showed, and the screen as
// the user sees it while it is shown.
#include "platform/inverted_frame.h"
#include "platform/sim/sim_desktop.h"

namespace lumivex::sim {

namespace {
constexpr std::uint32_t kRgbMask = 0x00FFFFFF;
}  // namespace

void SimDesktop::ShowInvertedFrame(const Rect& rect, int penWidth) {
    HideInvertedFrame();
    frames.push_back({rect, penWidth, true});
}

void SimDesktop::HideInvertedFrame() {
    for (ShownFrame& f : frames) f.visible = false;
}

int SimDesktop::visibleFrames() const {
    int n = 0;
    for (const ShownFrame& f : frames) n += f.visible ? 1 : 0;
    return n;
}

std::uint32_t SimDesktop::SeenPixel(int x, int y) const {
    const std::uint32_t rgb = ScreenPixel(x, y);
    for (const ShownFrame& f : frames) {
        if (!f.visible) continue;
        for (const Rect& r : InvertedFrameRects(f.rect, f.penWidth))
            if (PtInRect(r, {x, y})) return ~rgb & kRgbMask;
    }
    return rgb;
}

}  // namespace lumivex::sim
