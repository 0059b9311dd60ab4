#include <cstring>

#include "sim_fixture.h"
#include "platform/utf16.h"
#include "text/charset_table.h"
#include "text/font_report.h"

namespace lumivex::test {
namespace {

// The worked example: 宋体, height -12, weight 400, GB2312, nothing else set.
constexpr const char* kWorkedReport =
    "LOGFONT 结构(字体属性)\r\n"
    "--------------------------------------------------\r\n"
    "lfHeight: 12        '尺寸(12px|9pt) '字体高度\r\n"
    "lfWidth: 0          '平均宽度\r\n"
    "lfEscapement: 0     '字符排列角度\r\n"
    "lfOrientation: 0    '字符本身旋转的角度\r\n"
    "lfWeight: 400       '粗细(默认:0,常规:400,粗体:700,最粗:1000)\r\n"
    "lfItalic: 0         '斜体(False)\r\n"
    "lfUnderline: 0      '下划线(False)\r\n"
    "lfStrikeOut: 0      '删除线(False)\r\n"
    "lfCharSet: 134      'GB2312_CHARSET - 中国大陆 GB2312 字符集 (简体中文)\r\n"
    "lfOutPrecision: 0   '字体的精确度\r\n"
    "lfClipPrecision: 0  '裁剪字符的方法\r\n"
    "lfQuality: 0        '字体质量\r\n"
    "lfPitchAndFamily: 0 '选择字体的间距和字体家族\r\n"
    "lfFaceName: 宋体    '字体名称\r\n";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

class FontReportTest : public DesktopTest {
protected:
    Hwnd dialog = 0, control = 0;

    void SetUp() override {
        InitCharsetTable(session.charsets);
        dialog = TopLevel("对话框", {100, 100, 400, 300});
        control = Child(dialog, "Edit", "text", {110, 130, 210, 150});
    }
    LogFontW SongTi() {
        LogFontW lf;
        lf.lfHeight = -12;
        lf.lfWeight = 400;
        lf.lfCharSet = 134;
        SetFace(lf, "宋体");
        return lf;
    }
    void SetFace(LogFontW& lf, const std::string& utf8) {
        const std::u16string face = Utf8ToUtf16(utf8);
        std::memset(lf.lfFaceName, 0, sizeof lf.lfFaceName);
        std::memcpy(lf.lfFaceName, face.data(), std::min<std::size_t>(face.size(), 31) * sizeof(char16_t));
    }
    void UseFont(const LogFontW& lf) { desk.Window(control).font = desk.AddFont(lf); }
    std::string Summary(Hwnd h) { return GetFontText(desk, session.charsets, h, kFontSummary); }
    std::string Report(Hwnd h) { return GetFontText(desk, session.charsets, h, kFontReport); }
};

TEST_F(FontReportTest, WorkedExampleByteForByte) {
    UseFont(SongTi());
    EXPECT_EQ(Report(control), kWorkedReport);
    EXPECT_EQ(Summary(control), "字体(宋体),尺寸(12px|9pt),常规(400),字符集(GB2312_CHARSET)");
    // Any mode other than 1 is the summary.
    EXPECT_EQ(GetFontText(desk, session.charsets, control, 7), Summary(control));
    EXPECT_EQ(desk.openDcs(), 0);
}

TEST_F(FontReportTest, SummaryNamesTheWeight) {
    const std::pair<std::int32_t, const char*> weights[] = {
        {0, "默认(0)"}, {400, "常规(400)"}, {700, "粗体(700)"}, {1000, "最粗(1000)"}, {550, "粗细(550)"}, {-1, "粗细(-1)"}};
    for (const auto& [weight, text] : weights) {
        LogFontW lf = SongTi();
        lf.lfWeight = weight;
        UseFont(lf);
        EXPECT_EQ(Summary(control), std::string("字体(宋体),尺寸(12px|9pt),") + text + ",字符集(GB2312_CHARSET)");
    }
}

TEST_F(FontReportTest, OnlyAByteOfOneMarksItalicUnderlineOrStrikeOut) {
    LogFontW lf = SongTi();
    lf.lfItalic = 1;
    UseFont(lf);
    EXPECT_EQ(Summary(control), "字体(宋体),尺寸(12px|9pt),常规(400),斜体,字符集(GB2312_CHARSET)");

    lf.lfItalic = 255;
    UseFont(lf);
    EXPECT_EQ(Summary(control), "字体(宋体),尺寸(12px|9pt),常规(400),字符集(GB2312_CHARSET)");
    EXPECT_EQ(Lines(Report(control))[7], "lfItalic: 255       '斜体(True)");

    lf = SongTi();
    lf.lfStrikeOut = 1;
    UseFont(lf);
    EXPECT_EQ(Summary(control), "字体(宋体),尺寸(12px|9pt),常规(400),删除线,字符集(GB2312_CHARSET)");
    const auto lines = Lines(Report(control));
    EXPECT_EQ(lines[8], "lfUnderline: 0      '下划线(False)");
    EXPECT_EQ(lines[9], "lfStrikeOut: 1      '删除线(True)");

    lf.lfUnderline = 1;
    lf.lfItalic = 1;
    UseFont(lf);
    EXPECT_EQ(Summary(control), "字体(宋体),尺寸(12px|9pt),常规(400),斜体,下划线,删除线,字符集(GB2312_CHARSET)");
}

TEST_F(FontReportTest, UnknownCharacterSetHasEmptyNameAndNote) {
    LogFontW lf = SongTi();
    lf.lfCharSet = 99;
    UseFont(lf);
    EXPECT_EQ(Summary(control), "字体(宋体),尺寸(12px|9pt),常规(400),字符集()");
    EXPECT_EQ(Lines(Report(control))[10], "lfCharSet: 99       ' - ");
}

TEST_F(FontReportTest, LongFaceNameDecidesTheColumn) {
    LogFontW lf = SongTi();
    SetFace(lf, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcde");  // 31 bytes: its line is 43 bytes
    lf.lfHeight = 12;                                 // positive heights read the same
    UseFont(lf);
    const auto lines = Lines(Report(control));
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[2], "lfHeight: 12" + std::string(32, ' ') + "'尺寸(12px|9pt) '字体高度");
    EXPECT_EQ(lines[14], "lfPitchAndFamily: 0" + std::string(25, ' ') + "'选择字体的间距和字体家族");
    EXPECT_EQ(lines[15], "lfFaceName: ABCDEFGHIJKLMNOPQRSTUVWXYZabcde '字体名称");
    EXPECT_EQ(lines[16], "");

    // Chinese characters count two bytes each: 14 of them make a 40-byte line.
    SetFace(lf, "一二三四五六七八九十一二三四");
    UseFont(lf);
    const auto wide = Lines(Report(control));
    EXPECT_EQ(wide[2], "lfHeight: 12" + std::string(29, ' ') + "'尺寸(12px|9pt) '字体高度");
    EXPECT_EQ(wide[15], "lfFaceName: 一二三四五六七八九十一二三四 '字体名称");

    // The 31 bytes the face had as code-page text: sixteen Chinese
    // characters keep fifteen. A face the code page cannot hold arrives whole.
    const struct {
        const char* face;
        const char* shown;
    } faces[] = {{"一二三四五六七八九十一二三四五六", "一二三四五六七八九十一二三四五"},
                 {"맑은 고딕 😀", "맑은 고딕 😀"}};
    for (const auto& c : faces) {
        SetFace(lf, c.face);
        UseFont(lf);
        EXPECT_EQ(Lines(Report(control))[15].substr(0, 12 + std::string(c.shown).size() + 1),
                  "lfFaceName: " + std::string(c.shown) + " ")
            << c.face;
    }
}

TEST_F(FontReportTest, PointSizeFollowsTheScreenDpi) {
    LogFontW lf = SongTi();
    lf.lfHeight = 16;
    UseFont(lf);
    desk.SetDpi(120);
    EXPECT_EQ(Summary(control), "字体(宋体),尺寸(16px|9.6pt),常规(400),字符集(GB2312_CHARSET)");
    EXPECT_EQ(PointSizeText(13, 96), "9.75");
    EXPECT_EQ(PointSizeText(1, 7), "10.2857142857143");  // 15 significant digits
    EXPECT_EQ(PointSizeText(2147483648LL, 96), "1610612736");

    lf.lfHeight = INT32_MIN;  // its absolute value does not fit 32 bits
    UseFont(lf);
    EXPECT_EQ(Lines(Report(control))[2].substr(0, 22), "lfHeight: 2147483648 '");
}

TEST_F(FontReportTest, WindowWithoutAFontIsDescribedByItsDisplayContext) {
    EXPECT_EQ(Summary(control), "字体(System),尺寸(16px|12pt),粗体(700),字符集(GB2312_CHARSET)");
    EXPECT_EQ(Summary(0), "字体(System),尺寸(16px|12pt),粗体(700),字符集(GB2312_CHARSET)");  // the screen
    EXPECT_EQ(desk.openDcs(), 0);
}

TEST_F(FontReportTest, NoWindowOrABogusFontShowsZeros) {
    const std::string zeros = "字体(),尺寸(0px|0pt),默认(0),字符集(ANSI_CHARSET)";
    EXPECT_EQ(Summary(0x7FFF0000), zeros);
    EXPECT_EQ(Lines(Report(0x7FFF0000))[10], "lfCharSet: 0        'ANSI_CHARSET - ANSI 本地编码 (西欧语言)");
    desk.Window(control).font = 0xDEAD;  // not a font object
    EXPECT_EQ(Summary(control), zeros);
}

TEST_F(FontReportTest, HungWindowIsNotAskedForItsFont) {
    UseFont(SongTi());
    desk.Window(control).hung = true;
    desk.log.Clear();
    EXPECT_EQ(Summary(control), "(未响应)");
    EXPECT_EQ(Report(control), "");
    EXPECT_TRUE(desk.log.Messages().empty());
    EXPECT_EQ(desk.blockingCallsToUnresponsive, 0);
}

TEST_F(FontReportTest, FailedAskOfAnAnsweringWindowFallsBackToTheDisplayContext) {
    UseFont(SongTi());
    desk.Window(control).failingTimedSends.insert(win::WM_GETFONT);
    EXPECT_EQ(Summary(control), "字体(System),尺寸(16px|12pt),粗体(700),字符集(GB2312_CHARSET)");
    EXPECT_EQ(desk.openDcs(), 0);
}

TEST_F(FontReportTest, AWindowThatDoesNotAnswerInTimeIsNotDescribedByAGuess) {
    UseFont(SongTi());
    desk.busyThreads[desk.Window(control).threadId] = 5000;  // busy, not (yet) reported hung
    EXPECT_EQ(Summary(control), "(未响应)");
    EXPECT_EQ(Report(control), "");
    EXPECT_EQ(desk.openDcs(), 0);
}

TEST_F(FontReportTest, FontIsAskedThroughTheTimedDoor) {
    UseFont(SongTi());
    desk.log.Clear();
    Summary(control);
    ASSERT_EQ(desk.log.Messages().size(), 1u);
    EXPECT_EQ(desk.log.Messages()[0].msg, win::WM_GETFONT);
    EXPECT_TRUE(desk.log.Messages()[0].withTimeout);
}

TEST_F(FontReportTest, WindowVanishingWhenAskedIsDescribedAsNoWindow) {
    desk.Window(control).hook = [this](sim::SimWindow& self, std::uint32_t msg, Wparam, Lparam) -> std::optional<Lresult> {
        if (msg == win::WM_GETFONT) desk.DestroyWindow(self.hwnd);
        return std::nullopt;
    };
    EXPECT_EQ(Summary(control), "字体(),尺寸(0px|0pt),默认(0),字符集(ANSI_CHARSET)");
}

TEST(CharsetTable, FirstRowOfAValueWins) {
    CharsetTable table;
    table[3] = {"STALE", "stale"};
    InitCharsetTable(table);
    EXPECT_EQ(table.size(), 19u);  // twenty rows, 129 named twice
    EXPECT_EQ(CharsetName(table, 3), "");
    EXPECT_EQ(CharsetName(table, 129), "HANGEUL_CHARSET");
    EXPECT_EQ(CharsetNote(table, 129), "韩国 Wansung 字符集");
    EXPECT_EQ(CharsetName(table, 130), "JOHAB_CHARSET");
    EXPECT_EQ(CharsetName(table, 0), "ANSI_CHARSET");
    EXPECT_EQ(CharsetName(table, 255), "OEM_CHARSET");
    EXPECT_EQ(CharsetNote(table, 255), "OEM 字符集，依赖于操作系统的代码页");
    EXPECT_EQ(CharsetName(table, 77), "MAC_CHARSET");
    EXPECT_EQ(CharsetNote(table, 77), "苹果字符集。早期的苹果 (麦金塔) 字符集，现在的苹果都使用 UNICODE 了");
    EXPECT_EQ(CharsetNote(table, 238), "东欧字符集，使用变音符的东欧国家");
}

TEST(PadToWidth, FillsToWidthAnsiBytes) {
    sim::SimDesktop desk;
    EXPECT_EQ(PadToWidth(desk, "abc", 5), "abc  ");
    EXPECT_EQ(PadToWidth(desk, "宋体", 6), "宋体  ");
    EXPECT_EQ(PadToWidth(desk, "宋体", 4), "宋体");
    EXPECT_EQ(PadToWidth(desk, "宋体x", 2), "宋体x");
    EXPECT_EQ(PadToWidth(desk, "", 3), "   ");
    EXPECT_EQ(PadToWidth(desk, "", 0), "");
    EXPECT_EQ(PadToWidth(desk, "", -4), "");
}

TEST_F(FontReportTest, LoadBuildsTheCharsetTable) {
    session.charsets.clear();
    form.Load();
    EXPECT_EQ(CharsetName(session.charsets, 134), "GB2312_CHARSET");
}

}  // namespace
}  // namespace lumivex::test
