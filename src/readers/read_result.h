// What a reader returns, the errors it can end with, and the bounds that
// keep a hostile control from making a read endless or huge.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "readers/read_progress.h"

namespace lumivex {

// Whether this build is a 64-bit program: it then carries remote addresses
// and tree-item handles whole.
constexpr bool kProgramIs64Bit = sizeof(void*) == 8;

// Counts and lengths come from the other program and are not believed
// beyond these.
struct ReadLimits {
    std::uint64_t maxListViewCells = 1000000;
    std::uint64_t maxTreeItems = 1000000;
    std::uint64_t maxListItems = 1000000;
    // UTF-16 units of one list-box item; a longer answer is not believed.
    std::uint64_t maxListItemChars = 16u * 1024 * 1024;
    std::uint64_t maxMenuLines = 100000;
    int maxMenuDepth = 32;
};

// Remote blocks left in other processes on purpose, by process: a request
// that was not answered in time may still be carried out, and the target
// would then write into a freed block. Kept for the whole run, so that the
// leak stays bounded: a process that has kMaxKeptBlocksPerProcess of them
// is not read again.
struct KeptRemoteBlocks {
    static constexpr int kMaxKeptBlocksPerProcess = 8;
    std::map<std::uint32_t, int> perProcess;
};

struct ReaderOptions {
    bool programIs64Bit = kProgramIs64Bit;
    ReadLimits limits;
    KeptRemoteBlocks* kept = nullptr;  // where blocks left behind are counted
    // Where a read on a thread of its own reports how far it got, and learns
    // that it is to stop; none for a read that runs to its end.
    ReadProgress* progress = nullptr;
};

// Tells the waiting window how far the read got; true when the user asked
// it to stop there.
inline bool StopRequested(const ReaderOptions& options, std::uint64_t done, std::uint64_t total) {
    if (!options.progress) return false;
    options.progress->Report(done, total);
    return options.progress->CancelRequested();
}

enum class ReadError {
    None,
    IsWow64ProcessFailed,   // error number 22011
    ProcessNotOpened,
    RemoteMemoryFailed,     // allocation or write in the target failed: nothing was sent
    TargetNeeds64BitBuild,  // a 64-bit tree view read by the 32-bit build
    // The 32-bit build got a block a 64-bit target would see sign-extended
    // (at or above 2 GiB): nothing was sent.
    RemoteBlockTooHigh,
    TooManyKeptBlocks,      // the process left too many requests unanswered before
    AccessDenied,           // the window refuses our messages (a program with higher rights)
    // The 64-bit twin that was to read it for the 32-bit build gave no whole
    // answer (it broke off, fell silent, or wrote what no twin writes).
    TwinFailed,
};

constexpr std::int32_t kIsWow64ProcessErrorNumber = 22011;

// The message the user is shown for an error; empty for None. UTF-8.
std::string ReadErrorMessage(ReadError error);

// Shown beside a text whose window stopped answering before the end.
inline const std::string kStoppedAnsweringNote = "窗口在读取中途停止响应，只显示了已经读到的部分。";
// Shown when the window stopped answering before anything was read.
inline const std::string kNothingReadNote = "窗口没有响应，什么也没有读到。";

struct ReadResult {
    std::string text;  // UTF-8: lines joined by CR LF, list-view cells by TAB
    ReadError error = ReadError::None;
    // A message went unanswered (hung, gone, too slow): text holds what was
    // read before it, and nothing more was sent.
    bool stoppedAnswering = false;
    // The user stopped the read: text holds what was read before.
    bool cancelled = false;
};

}  // namespace lumivex
