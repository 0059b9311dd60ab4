#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/utf16.h"
#include "readers/twin_protocol.h"

namespace lumivex::test {
namespace {

using State = TwinDecoder::State;

// The bytes of ASCII text as UTF-16LE: what a hand-made answer looks like.
std::string Wire(const std::string& ascii) {
    std::string bytes;
    for (const char c : ascii) {
        bytes.push_back(c);
        bytes.push_back('\0');
    }
    return bytes;
}

std::string Answer(const ReadResult& result, int kept = 0) {
    return TwinGreeting() + TwinProgressRecord({3, 9}) + TwinOutcomeRecords(result, kept);
}

ReadResult Result(const std::string& text, ReadError error = ReadError::None, bool stopped = false,
                  bool cancelled = false) {
    ReadResult r;
    r.text = text;
    r.error = error;
    r.stoppedAnswering = stopped;
    r.cancelled = cancelled;
    return r;
}

constexpr char kMixed[] = "中文\r\n😀\n\0x";

TEST(TwinProtocolTest, EveryOutcomeComesBackWholeInPiecesOfAnySize) {
    const struct {
        const char* name;
        ReadResult result;
        int kept;
    } cases[] = {
        {"lines", Result("A\r\nA1\r\nB"), 0},
        {"empty", Result(""), 0},
        {"Chinese, an emoji, a NUL and a lone newline", Result(std::string(kMixed, sizeof kMixed - 1)), 0},
        {"stopped answering, blocks kept", Result("A", ReadError::None, true), 2},
        {"cancelled", Result("A\r\nB", ReadError::None, false, true), 0},
        {"an error", Result("", ReadError::RemoteBlockTooHigh), 0},
        {"access denied", Result("", ReadError::AccessDenied), 0},
    };
    for (const auto& c : cases) {
        const std::string bytes = Answer(c.result, c.kept);
        for (const std::size_t piece : {bytes.size(), std::size_t{1}, std::size_t{3}, std::size_t{7}}) {
            SCOPED_TRACE(std::string(c.name) + ", pieces of " + std::to_string(piece));
            TwinDecoder decoder;
            for (std::size_t at = 0; at < bytes.size(); at += piece) {
                EXPECT_EQ(decoder.state(), State::Reading);
                decoder.Feed(std::string_view(bytes).substr(at, piece));
            }
            ASSERT_EQ(decoder.state(), State::Complete);
            const TwinOutcome& got = decoder.outcome();
            EXPECT_EQ(got.result.text, c.result.text);
            EXPECT_EQ(got.result.error, c.result.error);
            EXPECT_EQ(got.result.stoppedAnswering, c.result.stoppedAnswering);
            EXPECT_EQ(got.result.cancelled, c.result.cancelled);
            EXPECT_EQ(got.keptBlocks, c.kept);
            EXPECT_EQ(decoder.progress().done, 3u);
            EXPECT_EQ(decoder.progress().total, 9u);
            EXPECT_EQ(decoder.progressReports(), 1u);
        }
    }
}

TEST(TwinProtocolTest, BytesNoTwinWritesBreakTheAnswer) {
    const std::string greeting = TwinGreeting();
    const std::string good = Answer(Result("A\r\nB"));
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"not a twin", Wire("hello\n")},
        {"another version", Wire("LUMIVEX-TWIN 2\n")},
        {"big-endian", std::string(1, '\0') + Wire("LUMIVEX-TWIN 1\n")},
        {"an endless line", Wire(std::string(100000, 'P'))},
        {"a record not known", greeting + Wire("X 1\n")},
        {"a number with a sign", greeting + Wire("T +2\n")},
        {"a number past 64 bits", greeting + Wire("P 99999999999999999999 1\n")},
        {"a field too many", greeting + Wire("P 1 2 3\n")},
        {"two spaces", greeting + Wire("P 1  2\n")},
        {"a text past the limit", greeting + Wire("T " + std::to_string(kTwinTextLimitUnits + 1) + "\n")},
        {"the outcome before the text", greeting + Wire("R None 0 0 0\n")},
        {"an error not known", greeting + Wire("T 0\nR Fine 0 0 0\n")},
        {"a flag of 2", greeting + Wire("T 0\nR None 2 0 0\n")},
        {"too many kept blocks", greeting + Wire("T 0\nR None 0 0 9\n")},
        {"progress after the text", greeting + Wire("T 0\nP 1 1\n")},
        {"a byte after the outcome", good + std::string(1, 'x')},
        {"a record after the outcome", good + Wire("T 0\n")},
        {"a control character", greeting + Wire("T\t0\n")},
        {"progress without end", [&] {
             std::string flood = greeting;
             for (std::uint64_t i = 0; i <= kTwinMostProgressReports; ++i) flood += Wire("P 1 1\n");
             return flood;
         }()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TwinDecoder decoder;
        EXPECT_EQ(decoder.Feed(c.bytes), State::Broken);
        // Once broken, a good answer after it does not mend it.
        EXPECT_EQ(decoder.Feed(good), State::Broken);
    }
}

TEST(TwinProtocolTest, AnAnswerCutAnywhereIsNeverComplete) {
    const std::string bytes = Answer(Result("x\r\n中文"));
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        SCOPED_TRACE("cut at " + std::to_string(cut));
        TwinDecoder decoder;
        EXPECT_EQ(decoder.Feed(bytes.substr(0, cut)), State::Reading);
    }
}

TEST(TwinProtocolTest, WholeLinesOfAnUnfinishedTextAreKept) {
    const std::string text = "A\r\n中文\r\nC😀\r\nlast";
    const std::string bytes = TwinGreeting() + TwinOutcomeRecords(Result(text), 0);
    const std::string header = TwinGreeting() + Wire("T 16\n");
    const struct {
        std::size_t textUnits;  // of the text that arrived
        const char* kept;
    } cases[] = {
        {0, ""}, {1, ""}, {2, ""}, {3, "A"}, {6, "A"}, {7, "A\r\n中文"}, {9, "A\r\n中文"},
        {12, "A\r\n中文\r\nC😀"}, {15, "A\r\n中文\r\nC😀"},
        {16, "A\r\n中文\r\nC😀\r\nlast"},  // the whole text, the outcome not yet
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.textUnits) + " units");
        TwinDecoder decoder;
        decoder.Feed(bytes.substr(0, header.size() + 2 * c.textUnits));
        EXPECT_EQ(decoder.state(), State::Reading);
        EXPECT_EQ(decoder.WholeLinesSoFar(), c.kept);
    }
}

TEST(TwinProtocolTest, TextPastTheLimitIsCutByTheTwinBetweenCharactersAndRefusedByTheProgram) {
    constexpr std::uint64_t kLimit = 8;
    const struct {
        const char* text;
        const char* sent;
    } cases[] = {
        {"1234567", "1234567"},
        {"12345678", "12345678"},
        {"123456789", "12345678"},
        {"1234567😀", "1234567"},  // the pair would straddle the limit
        {"123456😀", "123456😀"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TwinDecoder decoder(kLimit);
        ASSERT_EQ(decoder.Feed(TwinGreeting() + TwinOutcomeRecords(Result(c.text), 0, kLimit)), State::Complete);
        EXPECT_EQ(decoder.outcome().result.text, c.sent);
        // A twin with a larger limit than the program's is refused past it.
        TwinDecoder strict(kLimit);
        const bool fits = Utf8ToUtf16(c.text).size() <= kLimit;
        EXPECT_EQ(strict.Feed(TwinGreeting() + TwinOutcomeRecords(Result(c.text), 0, 2 * kLimit)),
                  fits ? State::Complete : State::Broken);
    }
}

}  // namespace
}  // namespace lumivex::test
