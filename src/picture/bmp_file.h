// The picture as a Windows bitmap file: BITMAPFILEHEADER, BITMAPINFOHEADER,
// then 24-bit BI_RGB rows bottom-up, each padded to four bytes. Every
// viewer reads this variant.
#pragma once

#include <cstdint>
#include <vector>

#include "picture/picture_view.h"

namespace lumivex {

constexpr std::uint32_t kBmpHeadersSize = 14 + 40;
// 96 dots per inch, the density the picture was taken at.
constexpr std::int32_t kBmpPixelsPerMeter = 3780;

// The whole file; empty when the picture has no pixels.
std::vector<std::uint8_t> EncodeBmp(const Picture& picture);

}  // namespace lumivex
