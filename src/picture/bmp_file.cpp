#include "picture/bmp_file.h"

namespace lumivex {

namespace {
constexpr std::uint16_t kBmpSignature = 0x4D42;  // "BM"
constexpr std::uint16_t kBitsPerPixel = 24;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBiRgb = 0;

// Little-endian whatever the machine: the file format says so.
void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}
}  // namespace

std::vector<std::uint8_t> EncodeBmp(const Picture& picture) {
    std::vector<std::uint8_t> out;
    const auto count = static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height);
    if (!picture.HasPixels() || picture.width <= 0 || picture.height <= 0 || picture.pixels.size() != count)
        return out;
    const auto rowBytes = (static_cast<std::uint32_t>(picture.width) * 3 + 3) & ~3u;
    const auto imageBytes = rowBytes * static_cast<std::uint32_t>(picture.height);
    out.reserve(kBmpHeadersSize + imageBytes);

    // BITMAPFILEHEADER
    Put16(out, kBmpSignature);
    Put32(out, kBmpHeadersSize + imageBytes);
    Put32(out, 0);  // two reserved words
    Put32(out, kBmpHeadersSize);
    // BITMAPINFOHEADER
    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<std::uint32_t>(picture.width));
    Put32(out, static_cast<std::uint32_t>(picture.height));  // positive: bottom-up
    Put16(out, 1);
    Put16(out, kBitsPerPixel);
    Put32(out, kBiRgb);
    Put32(out, imageBytes);
    Put32(out, static_cast<std::uint32_t>(kBmpPixelsPerMeter));
    Put32(out, static_cast<std::uint32_t>(kBmpPixelsPerMeter));
    Put32(out, 0);  // no colour table
    Put32(out, 0);

    const std::uint32_t padding = rowBytes - static_cast<std::uint32_t>(picture.width) * 3;
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            const std::uint32_t rgb = picture.At(x, y);
            out.push_back(static_cast<std::uint8_t>(rgb));        // blue
            out.push_back(static_cast<std::uint8_t>(rgb >> 8));   // green
            out.push_back(static_cast<std::uint8_t>(rgb >> 16));  // red
        }
        out.insert(out.end(), padding, 0);
    }
    return out;
}

}  // namespace lumivex
