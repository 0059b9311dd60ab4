#include "layout/dpi_scale.h"

#include <algorithm>
#include <cstdint>

namespace lumivex {

int ScaleToDpi(int value96, int dpi) {
    const std::int64_t product = std::int64_t{value96} * dpi;
    const std::int64_t half = kBaseDpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / kBaseDpi : -((-product + half) / kBaseDpi));
}

Size ScaleSize(Size size96, int dpi) { return {ScaleToDpi(size96.width, dpi), ScaleToDpi(size96.height, dpi)}; }

Box ScaleBox(const Box& box96, int dpi) {
    const int left = ScaleToDpi(box96.left, dpi), top = ScaleToDpi(box96.top, dpi);
    return {left, top, ScaleToDpi(box96.Right(), dpi) - left, ScaleToDpi(box96.Bottom(), dpi) - top};
}

bool LiesInside(const Box& box, Size client) {
    return box.left >= 0 && box.top >= 0 && box.width >= 0 && box.height >= 0 && box.Right() <= client.width &&
           box.Bottom() <= client.height;
}

Size OuterSizeForDpi(Size outer96, Size client96, Size nonClient, int dpi) {
    const Size outer = ScaleSize(outer96, dpi), client = ScaleSize(client96, dpi);
    return {std::max(outer.width, client.width + nonClient.width),
            std::max(outer.height, client.height + nonClient.height)};
}

}  // namespace lumivex
