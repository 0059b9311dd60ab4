#include "text/font_report.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

#include "platform/handles.h"
#include "platform/send.h"
#include "platform/text_limit.h"
#include "tree/array_ops.h"

namespace lumivex {

namespace {

constexpr int kDefaultDpi = 96;
constexpr const char* kCrLf = "\r\n";

// The font the window says it draws with; 0 when it has none of its own, is
// no window or would not say; nullopt when it is hung.
std::optional<Hgdiobj> AskWindowFont(Platform& p, Hwnd hwnd) {
    if (hwnd == 0 || !p.IsWindow(hwnd)) return Hgdiobj{0};
    if (p.IsHungAppWindow(hwnd)) return std::nullopt;
    const SendOutcome font = SendWithOutcome(p, hwnd, win::WM_GETFONT, 0, 0);
    if (font.answer) return static_cast<Hgdiobj>(*font.answer);
    // A window that did not answer in time is not described by a guess.
    // A send that failed otherwise (under Wine, WM_GETFONT to another
    // process fails at once) is answered by the window's display context,
    // which GetDC gives without a message.
    if (font.noAnswer || (p.IsWindow(hwnd) && p.IsHungAppWindow(hwnd))) return std::nullopt;
    return Hgdiobj{0};
}

LogFontW ReadLogFont(Platform& p, Hwnd hwnd, Hgdiobj font) {
    LogFontW lf;
    if (font) {
        p.GetObjectW(font, static_cast<int>(sizeof lf), &lf);
        return lf;
    }
    // No font of its own: the window draws with what its display context holds.
    WindowDc dc(p, hwnd, p.GetDC(hwnd));
    if (dc) p.GetObjectW(p.GetCurrentObject(dc.get(), win::OBJ_FONT), static_cast<int>(sizeof lf), &lf);
    return lf;
}

int ScreenDpi(Platform& p) {
    const Hwnd desktop = p.GetDesktopWindow();
    WindowDc screen(p, desktop, p.GetDC(desktop));
    const int dpi = screen ? p.GetDeviceCaps(screen.get(), win::LOGPIXELSY) : 0;
    // A failed query must not turn into a division by zero.
    return dpi > 0 ? dpi : kDefaultDpi;
}

// The face as the 32 bytes of a LOGFONTA would hold it, its NUL included.
std::string FaceName(Platform& p, const LogFontW& lf) {
    constexpr std::size_t kFaceUnits = sizeof lf.lfFaceName / sizeof lf.lfFaceName[0];
    return TextWithin(p, CutAtNul(std::u16string_view(lf.lfFaceName, kFaceUnits)), kFaceUnits - 1);
}

std::string Flag(std::uint8_t value) { return value ? "True" : "False"; }

std::string WeightText(std::int32_t weight) {
    switch (weight) {
        case 0: return "默认(0)";
        case 400: return "常规(400)";
        case 700: return "粗体(700)";
        case 1000: return "最粗(1000)";
        default: return "粗细(" + std::to_string(weight) + ")";
    }
}

std::string TrimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string Join(const std::vector<std::string>& items, const std::string& separator) {
    std::string joined;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i) joined += separator;
        joined += items[i];
    }
    return joined;
}

struct Sizes {
    std::string px, pt;
};

std::string Report(Platform& p, const CharsetTable& charsets, const LogFontW& lf, const std::string& face,
                   const Sizes& size, std::int64_t height) {
    const std::string n = ": ";
    // Each line with the comment written after its apostrophe.
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"lfHeight" + n + std::to_string(height), "尺寸(" + size.px + "|" + size.pt + ") '字体高度"},
        {"lfWidth" + n + std::to_string(lf.lfWidth), "平均宽度"},
        {"lfEscapement" + n + std::to_string(lf.lfEscapement), "字符排列角度"},
        {"lfOrientation" + n + std::to_string(lf.lfOrientation), "字符本身旋转的角度"},
        {"lfWeight" + n + std::to_string(lf.lfWeight), "粗细(默认:0,常规:400,粗体:700,最粗:1000)"},
        {"lfItalic" + n + std::to_string(lf.lfItalic), "斜体(" + Flag(lf.lfItalic) + ")"},
        {"lfUnderline" + n + std::to_string(lf.lfUnderline), "下划线(" + Flag(lf.lfUnderline) + ")"},
        {"lfStrikeOut" + n + std::to_string(lf.lfStrikeOut), "删除线(" + Flag(lf.lfStrikeOut) + ")"},
        {"lfCharSet" + n + std::to_string(lf.lfCharSet),
         CharsetName(charsets, lf.lfCharSet) + " - " + CharsetNote(charsets, lf.lfCharSet)},
        {"lfOutPrecision" + n + std::to_string(lf.lfOutPrecision), "字体的精确度"},
        {"lfClipPrecision" + n + std::to_string(lf.lfClipPrecision), "裁剪字符的方法"},
        {"lfQuality" + n + std::to_string(lf.lfQuality), "字体质量"},
        {"lfPitchAndFamily" + n + std::to_string(lf.lfPitchAndFamily), "选择字体的间距和字体家族"},
        {"lfFaceName" + n + face, "字体名称"},
    };
    // The comment column starts one byte after the widest line.
    std::int32_t width = 0;
    for (const auto& row : rows) width = std::max(width, AnsiByteLength(p, row.first));
    ++width;

    std::vector<std::string> lines;
    for (const auto& row : rows) lines.push_back(PadToWidth(p, row.first, width) + "'" + row.second);
    lines.emplace_back();  // the report ends with a line break
    return "LOGFONT 结构(字体属性)" + std::string(kCrLf) + std::string(50, '-') + kCrLf +
           TrimBlanks(Join(lines, kCrLf));
}

std::string Summary(const CharsetTable& charsets, const LogFontW& lf, const std::string& face,
                    const Sizes& size) {
    std::vector<std::string> items = {"字体(" + face + ")", "尺寸(" + size.px + "|" + size.pt + ")",
                                      WeightText(lf.lfWeight)};
    if (lf.lfItalic == 1) items.emplace_back("斜体");
    if (lf.lfUnderline == 1) items.emplace_back("下划线");
    if (lf.lfStrikeOut == 1) items.emplace_back("删除线");
    items.push_back("字符集(" + CharsetName(charsets, lf.lfCharSet) + ")");
    return TrimBlanks(Join(items, ","));
}

}  // namespace

std::string PointSizeText(std::int64_t height, int dpi) {
    const double points = static_cast<double>(height) / dpi * 72;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", points);
    return buffer;
}

std::string PadToWidth(Platform& p, const std::string& text, std::int32_t width) {
    const std::int32_t bytes = AnsiByteLength(p, text);
    if (bytes == 0 && width < 1) return {};
    if (width <= bytes) return text;
    return text + std::string(static_cast<std::size_t>(width - bytes), ' ');
}

std::string GetFontText(Platform& p, const CharsetTable& charsets, Hwnd hwnd, std::int32_t mode) {
    const std::optional<Hgdiobj> font = AskWindowFont(p, hwnd);
    if (!font) return mode == kFontReport ? std::string() : kFontNotResponding;

    const LogFontW lf = ReadLogFont(p, hwnd, *font);
    const std::string face = FaceName(p, lf);
    // 64 bits: the absolute value of the most negative height still fits.
    const std::int64_t height = std::llabs(static_cast<std::int64_t>(lf.lfHeight));
    const Sizes size{std::to_string(height) + "px", PointSizeText(height, ScreenDpi(p)) + "pt"};

    return mode == kFontReport ? Report(p, charsets, lf, face, size, height) : Summary(charsets, lf, face, size);
}

}  // namespace lumivex
