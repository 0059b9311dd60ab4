// Replacing a file without ever leaving it half-written.
#include "picture/file_replace.h"

namespace lumivex {

namespace {
// Names already taken beside the target are skipped; this many is plenty.
constexpr int kTemporaryNameAttempts = 16;

// The folder part of a path, with its separator: everything up to the last
// '\' or '/', or a drive's "X:" alone. In UTF-8 neither byte can be part of
// another character, unlike the trail bytes of a double-byte code page.
std::string FolderOf(const std::string& path) {
    const auto separator = path.find_last_of("\\/");
    if (separator != std::string::npos) return path.substr(0, separator + 1);
    if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2);
    return {};
}

ReplaceResult Failed(std::string reason) { return ReplaceResult{false, std::move(reason)}; }
}  // namespace

std::string TemporaryNameFor(const std::string& path, int attempt) {
    return FolderOf(path) + "~lvx" + std::to_string(attempt) + ".tmp";
}

ReplaceResult SaveFileReplacing(FileOps& files, const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::string reason;
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        const std::string temporary = TemporaryNameFor(path, attempt);
        // A name that is taken belongs to someone else: the write makes a
        // new file only, and never touches what is there.
        const WriteResult written = files.WriteNewFile(temporary, bytes);
        if (written == WriteResult::NotCreated) {
            reason = files.LastErrorText();
            // Taken: try the next name. Anything else (no permission, no such
            // folder) would refuse every name alike.
            if (files.GetFileAttributesW(temporary) != win::INVALID_FILE_ATTRIBUTES) continue;
            return Failed(reason);
        }
        if (written == WriteResult::Incomplete) {
            reason = files.LastErrorText();
            files.DeleteFileW(temporary);
            return Failed(reason);
        }
        if (files.MoveFileExW(temporary, path, win::MOVEFILE_REPLACE_EXISTING | win::MOVEFILE_WRITE_THROUGH))
            return ReplaceResult{true, {}};
        reason = files.LastErrorText();
        files.DeleteFileW(temporary);
        return Failed(reason);
    }
    // Every name was taken: the last refusal says so in the system's words.
    return Failed(reason);
}

}  // namespace lumivex
