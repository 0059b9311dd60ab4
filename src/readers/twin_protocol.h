// What the 64-bit twin writes to its standard output for the 32-bit program
// that started it: the outcome of one read, as UTF-16LE text.
//
//   LUMIVEX-TWIN 1\n
//   P <done> <total>\n                        how far the read got; any number, while it runs
//   T <units>\n<that many UTF-16 units>       the text
//   R <error> <stopped> <cancelled> <kept>\n  the outcome; nothing follows it
//
// <error> is a ReadError by name ("None", "RemoteBlockTooHigh" …),
// <stopped> and <cancelled> are 0 or 1, <kept> counts the remote blocks the
// twin left in the target; numbers are decimal. The text's length comes
// first, so that the text may hold any character, newlines among them, and
// what arrived of it before the twin was stopped is still there to keep.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "readers/read_progress.h"
#include "readers/read_result.h"

namespace lumivex {

// The most text one answer may carry, in UTF-16 units: as much as the
// window-text reader takes. A longer text is cut there by the twin.
constexpr std::uint64_t kTwinTextLimitUnits = 1024u * 1024u * 100u;

// A day of the twin's reports, one a second: a twin that sends more is not
// reading but flooding, and would keep the program waiting for ever.
constexpr std::uint64_t kTwinMostProgressReports = 24 * 60 * 60;

// The records as bytes, ready for the pipe.
std::string TwinGreeting();
std::string TwinProgressRecord(const ProgressSnapshot& progress);
std::string TwinOutcomeRecords(const ReadResult& result, int keptBlocks,
                               std::uint64_t limitUnits = kTwinTextLimitUnits);

struct TwinOutcome {
    ReadResult result;
    int keptBlocks = 0;
};

// Takes the pipe's bytes as they come, in pieces cut anywhere. Whatever
// arrives, it never holds more than the text limit and one short line, and
// a byte that breaks the rules ends the answer as Broken.
class TwinDecoder {
public:
    enum class State { Reading, Complete, Broken };

    explicit TwinDecoder(std::uint64_t limitUnits = kTwinTextLimitUnits) : limitUnits_(limitUnits) {}

    State Feed(std::string_view bytes);
    State state() const { return state_; }
    // Once Complete.
    const TwinOutcome& outcome() const { return outcome_; }
    // The text received so far, whole lines only (UTF-8): what a read
    // stopped before its end keeps.
    std::string WholeLinesSoFar() const;
    // The last progress the twin reported, and how many reports came.
    ProgressSnapshot progress() const { return progress_; }
    std::uint64_t progressReports() const { return progressReports_; }

private:
    enum class Part { Greeting, Records, Text, Outcome, End };
    void TakeUnit(char16_t unit);
    void TakeLine();
    void Break() { state_ = State::Broken; }

    std::uint64_t limitUnits_;
    State state_ = State::Reading;
    Part part_ = Part::Greeting;
    bool haveOddByte_ = false;
    std::uint8_t oddByte_ = 0;
    std::u16string line_;
    std::u16string text_;
    std::uint64_t textLeft_ = 0;
    ProgressSnapshot progress_;
    std::uint64_t progressReports_ = 0;
    TwinOutcome outcome_;
};

}  // namespace lumivex
