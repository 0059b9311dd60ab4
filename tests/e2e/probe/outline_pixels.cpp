// The platform header comes before <windows.h>, which it guards against.
#include "platform/inverted_frame.h"

#include "outline_pixels.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cwchar>

namespace probe {

namespace {

struct Request {
    int penWidth = 0;
    lumivex::Rect rect;
};

int IntArg(const std::vector<std::wstring>& parts, std::size_t index) {
    return index < parts.size() ? static_cast<int>(std::wcstol(parts[index].c_str(), nullptr, 0)) : 0;
}

Request Parse(const std::vector<std::wstring>& parts) {
    return Request{IntArg(parts, 1), {IntArg(parts, 2), IntArg(parts, 3), IntArg(parts, 4), IntArg(parts, 5)}};
}

// Room around the rectangle for whatever the pen reaches outside it.
constexpr int kMargin = 16;
constexpr std::uint32_t kBackground = 0x00123456;

}  // namespace

void ReportGdiOutline(e2e::JsonWriter& json, const std::vector<std::wstring>& parts) {
    const Request q = Parse(parts);
    const int left = std::min(q.rect.left, q.rect.right) - kMargin, top = std::min(q.rect.top, q.rect.bottom) - kMargin;
    const int width = std::abs(q.rect.right - q.rect.left) + 2 * kMargin;
    const int height = std::abs(q.rect.bottom - q.rect.top) + 2 * kMargin;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    json.BeginObject();
    if (!dc || !bitmap || !bits) {
        json.Key("error").String("no bitmap");
    } else {
        auto* pixels = static_cast<std::uint32_t*>(bits);
        std::fill(pixels, pixels + static_cast<std::size_t>(width) * height, kBackground);
        HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
        // Drawn exactly as on the screen's device context, moved into the bitmap.
        SetViewportOrgEx(dc, -left, -top, nullptr);
        SetROP2(dc, R2_NOTXORPEN);
        HPEN pen = CreatePen(PS_SOLID, q.penWidth, RGB(0, 0, 0));
        HGDIOBJ oldPen = SelectObject(dc, pen);
        Rectangle(dc, q.rect.left, q.rect.top, q.rect.right, q.rect.bottom);
        GdiFlush();
        SelectObject(dc, oldPen);
        DeleteObject(pen);
        SelectObject(dc, oldBitmap);
        json.Key("rows").BeginArray();
        for (int y = 0; y < height; ++y) {
            const std::uint32_t* row = pixels + static_cast<std::size_t>(y) * width;
            for (int x = 0; x < width; ++x) {
                if ((row[x] & 0x00FFFFFF) == kBackground) continue;
                int last = x;
                while (last + 1 < width && (row[last + 1] & 0x00FFFFFF) != kBackground) ++last;
                json.BeginArray().Number(top + y).Number(left + x).Number(left + last).EndArray();
                x = last;
            }
        }
        json.EndArray();
    }
    json.EndObject();
    if (bitmap) DeleteObject(bitmap);
    if (dc) DeleteDC(dc);
}

void ReportFrameRects(e2e::JsonWriter& json, const std::vector<std::wstring>& parts) {
    const Request q = Parse(parts);
    json.BeginObject();
    json.Key("rects").BeginArray();
    for (const lumivex::Rect& r : lumivex::InvertedFrameRects(q.rect, q.penWidth))
        json.BeginArray().Number(r.left).Number(r.top).Number(r.right).Number(r.bottom).EndArray();
    json.EndArray();
    json.EndObject();
}

}  // namespace probe
