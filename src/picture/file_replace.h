// Replacing a file whole or not at all.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_ops.h"

namespace lumivex {

// Puts bytes at path so that whatever was there is either left whole or
// replaced whole: they go to a new file beside it first, which then takes
// its place in one step. False, with the old file untouched and no
// temporary file left behind, when any step fails.
bool SaveFileReplacing(FileOps& files, const std::string& path, const std::vector<std::uint8_t>& bytes);

// The temporary file's name for an attempt: beside the target, by
// appending to its full name, so the rename stays on one volume and a
// double-byte name is never cut.
std::string TemporaryNameFor(const std::string& path, int attempt);

}  // namespace lumivex
