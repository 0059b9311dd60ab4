// Replacing a file whole or not at all.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_ops.h"

namespace lumivex {

struct ReplaceResult {
    bool replaced = false;
    std::string failure;  // the system's reason when not replaced (UTF-8)
};

// Puts bytes at path (UTF-8) so that whatever was there is either left whole
// or replaced whole: they go to a new file beside it first, which then takes
// its place in one step. Not replaced, with the old file untouched, no
// temporary file left behind and the system's reason, when any step fails.
ReplaceResult SaveFileReplacing(FileOps& files, const std::string& path, const std::vector<std::uint8_t>& bytes);

// The temporary file's name for an attempt: a short name in the target's own
// folder, so that the final rename stays on one volume and a target name
// near the file system's length limit still leaves room for it.
std::string TemporaryNameFor(const std::string& path, int attempt);

}  // namespace lumivex
