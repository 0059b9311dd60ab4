#include "readers/twin_protocol.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "platform/utf16.h"

namespace lumivex {

namespace {

constexpr std::u16string_view kGreeting = u"LUMIVEX-TWIN 1";
// Longer than any record line: "R" with the longest error name and three numbers.
constexpr std::size_t kMaxLineUnits = 96;
constexpr std::uint64_t kMaxProgressCount = std::uint64_t{1} << 62;

constexpr std::array<std::pair<ReadError, std::string_view>, 9> kErrorNames = {{
    {ReadError::None, "None"},
    {ReadError::IsWow64ProcessFailed, "IsWow64ProcessFailed"},
    {ReadError::ProcessNotOpened, "ProcessNotOpened"},
    {ReadError::RemoteMemoryFailed, "RemoteMemoryFailed"},
    {ReadError::TargetNeeds64BitBuild, "TargetNeeds64BitBuild"},
    {ReadError::RemoteBlockTooHigh, "RemoteBlockTooHigh"},
    {ReadError::TooManyKeptBlocks, "TooManyKeptBlocks"},
    {ReadError::AccessDenied, "AccessDenied"},
    {ReadError::TwinFailed, "TwinFailed"},
}};

std::string_view NameOf(ReadError error) {
    for (const auto& [value, name] : kErrorNames)
        if (value == error) return name;
    return "TwinFailed";
}

// Little-endian whatever the host, as Windows keeps UTF-16.
void AppendUnits(std::string& bytes, std::u16string_view units) {
    bytes.reserve(bytes.size() + units.size() * 2);
    for (const char16_t unit : units) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
}

std::string AsciiLine(const std::string& line) {
    std::string bytes;
    AppendUnits(bytes, std::u16string(line.begin(), line.end()) + u"\n");
    return bytes;
}

std::vector<std::u16string_view> Fields(std::u16string_view line) {
    std::vector<std::u16string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t space = line.find(u' ', start);
        fields.push_back(line.substr(start, space == std::u16string_view::npos ? space : space - start));
        if (space == std::u16string_view::npos) return fields;
        start = space + 1;
    }
}

std::optional<std::uint64_t> Number(std::u16string_view field, std::uint64_t most) {
    if (field.empty() || field.size() > 20) return std::nullopt;
    std::uint64_t value = 0;
    for (const char16_t unit : field) {
        if (unit < u'0' || unit > u'9') return std::nullopt;
        const std::uint64_t digit = unit - u'0';
        if (digit > most || value > (most - digit) / 10) return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

std::optional<bool> Flag(std::u16string_view field) {
    if (field == u"0") return false;
    if (field == u"1") return true;
    return std::nullopt;
}

std::optional<ReadError> ErrorNamed(std::u16string_view field) {
    for (const auto& [value, name] : kErrorNames)
        if (std::equal(field.begin(), field.end(), name.begin(), name.end())) return value;
    return std::nullopt;
}

}  // namespace

std::string TwinGreeting() {
    std::string bytes;
    AppendUnits(bytes, std::u16string(kGreeting) + u"\n");
    return bytes;
}

std::string TwinProgressRecord(const ProgressSnapshot& progress) {
    return AsciiLine("P " + std::to_string(std::min(progress.done, kMaxProgressCount)) + " " +
                     std::to_string(std::min(progress.total, kMaxProgressCount)));
}

std::string TwinOutcomeRecords(const ReadResult& result, int keptBlocks, std::uint64_t limitUnits) {
    std::u16string text = Utf8ToUtf16(result.text);
    if (text.size() > limitUnits) {
        auto cut = static_cast<std::size_t>(limitUnits);
        if (IsHighSurrogate(text[cut - 1])) --cut;  // never half a character
        text.resize(cut);
    }
    const int kept = std::clamp(keptBlocks, 0, KeptRemoteBlocks::kMaxKeptBlocksPerProcess);
    std::string bytes = AsciiLine("T " + std::to_string(text.size()));
    AppendUnits(bytes, text);
    bytes += AsciiLine("R " + std::string(NameOf(result.error)) + " " + (result.stoppedAnswering ? "1" : "0") +
                       " " + (result.cancelled ? "1" : "0") + " " + std::to_string(kept));
    return bytes;
}

TwinDecoder::State TwinDecoder::Feed(std::string_view bytes) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(bytes[i]); };
    std::size_t i = 0;
    while (state_ == State::Reading && i < bytes.size()) {
        if (part_ == Part::Text && !haveOddByte_) {
            // The text in one go: it is nearly all of the answer.
            const std::size_t units = static_cast<std::size_t>(
                std::min<std::uint64_t>(textLeft_, (bytes.size() - i) / 2));
            for (std::size_t k = 0; k < units; ++k, i += 2)
                text_.push_back(static_cast<char16_t>(byte(i) | (byte(i + 1) << 8)));
            textLeft_ -= units;
            if (textLeft_ == 0) part_ = Part::Outcome;
            if (units > 0) continue;
        }
        if (!haveOddByte_) {
            if (i + 1 == bytes.size()) {
                oddByte_ = byte(i++);
                haveOddByte_ = true;
                break;
            }
            TakeUnit(static_cast<char16_t>(byte(i) | (byte(i + 1) << 8)));
            i += 2;
        } else {
            haveOddByte_ = false;
            TakeUnit(static_cast<char16_t>(oddByte_ | (byte(i++) << 8)));
        }
    }
    // Nothing may follow the outcome.
    if (state_ == State::Complete && i < bytes.size()) Break();
    return state_;
}

void TwinDecoder::TakeUnit(char16_t unit) {
    if (part_ == Part::Text) {
        text_.push_back(unit);
        if (--textLeft_ == 0) part_ = Part::Outcome;
        return;
    }
    if (unit == u'\n') return TakeLine();
    if (line_.size() >= kMaxLineUnits || unit < 0x20 || unit > 0x7E) return Break();
    line_.push_back(unit);
}

void TwinDecoder::TakeLine() {
    const std::u16string line = std::move(line_);
    line_.clear();
    if (part_ == Part::Greeting) {
        if (line != kGreeting) return Break();
        part_ = Part::Records;
        return;
    }
    const std::vector<std::u16string_view> fields = Fields(line);
    if (part_ == Part::Records && fields[0] == u"P" && fields.size() == 3) {
        const auto done = Number(fields[1], kMaxProgressCount);
        const auto total = Number(fields[2], kMaxProgressCount);
        if (!done || !total || progressReports_ == kTwinMostProgressReports) return Break();
        progress_ = {*done, *total};
        ++progressReports_;
        return;
    }
    if (part_ == Part::Records && fields[0] == u"T" && fields.size() == 2) {
        const auto units = Number(fields[1], limitUnits_);
        if (!units) return Break();
        textLeft_ = *units;
        part_ = textLeft_ == 0 ? Part::Outcome : Part::Text;
        return;
    }
    if (part_ == Part::Outcome && fields[0] == u"R" && fields.size() == 5) {
        const auto error = ErrorNamed(fields[1]);
        const auto stopped = Flag(fields[2]);
        const auto cancelled = Flag(fields[3]);
        const auto kept = Number(fields[4], KeptRemoteBlocks::kMaxKeptBlocksPerProcess);
        if (!error || !stopped || !cancelled || !kept) return Break();
        outcome_.result.text = Utf16ToUtf8(text_);
        outcome_.result.error = *error;
        outcome_.result.stoppedAnswering = *stopped;
        outcome_.result.cancelled = *cancelled;
        outcome_.keptBlocks = static_cast<int>(*kept);
        std::u16string().swap(text_);
        part_ = Part::End;
        state_ = State::Complete;
        return;
    }
    Break();
}

std::string TwinDecoder::WholeLinesSoFar() const {
    if (state_ == State::Complete) return outcome_.result.text;
    if (part_ == Part::Outcome) return Utf16ToUtf8(text_);
    const std::size_t end = text_.rfind(u"\r\n");
    return end == std::u16string::npos ? std::string() : Utf16ToUtf8(std::u16string_view(text_).substr(0, end));
}

}  // namespace lumivex
