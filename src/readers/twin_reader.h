// The 32-bit program's way round what its bitness cannot read (a 64-bit
// tree view, a block the system put too high for a 64-bit target): the read
// is handed to the 64-bit twin beside it, started hidden, whose answer comes
// back through a pipe (twin_protocol.h). Without a twin the program's own
// answer stands.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "readers/read_result.h"
#include "readers/twin_command_line.h"

namespace lumivex {

struct TwinWaitBounds {
    std::uint32_t pollMs = 50;  // between looks at the pipe while the twin writes nothing
    // A twin that writes nothing this long (it says how far it got every
    // second while it reads) and does not end is stuck, and is ended.
    std::uint32_t silenceMs = 30000;
    std::uint32_t pipeBytes = 1024 * 1024;
};

// Whether the program's own outcome is one the twin would not meet.
bool TwinCanMend(const ReadResult& own, const ReaderOptions& options);

// own, or, when the twin can mend its error, the twin's outcome; own still
// when there is no twin to ask (not beside us, or it would not start).
ReadResult MendByTwin(Platform& p, const std::string& key, Hwnd hwnd, const ReaderOptions& options, ReadResult own);

// The twin's read. nullopt when the twin is not there or does not start.
// A cancel (options.progress) ends the twin and keeps the whole lines it
// wrote; a twin that breaks the protocol, or falls silent, is ended and
// answers TwinFailed. No process or handle outlives the call.
std::optional<ReadResult> ReadThroughTwin(Platform& p, std::u16string_view twinPath, const TwinRequest& request,
                                          const ReaderOptions& options, const TwinWaitBounds& bounds = {});

}  // namespace lumivex
