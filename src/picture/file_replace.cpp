// Replacing a file without ever leaving it half-written.
#include "picture/file_replace.h"

namespace lumivex {

namespace {
// Names already taken beside the target are skipped; this many is plenty.
constexpr int kTemporaryNameAttempts = 16;
}  // namespace

std::string TemporaryNameFor(const std::string& path, int attempt) {
    return path + ".~lvx" + std::to_string(attempt) + ".tmp";
}

bool SaveFileReplacing(FileOps& files, const std::string& path, const std::vector<std::uint8_t>& bytes) {
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        const std::string temporary = TemporaryNameFor(path, attempt);
        // A name that is taken belongs to someone else: never touch it.
        if (files.GetFileAttributesA(temporary) != win::INVALID_FILE_ATTRIBUTES) continue;
        const WriteResult written = files.WriteNewFile(temporary, bytes);
        if (written == WriteResult::NotCreated) continue;
        if (written == WriteResult::Incomplete) {
            files.DeleteFileA(temporary);
            return false;
        }
        if (files.MoveFileExA(temporary, path, win::MOVEFILE_REPLACE_EXISTING | win::MOVEFILE_WRITE_THROUGH))
            return true;
        files.DeleteFileA(temporary);
        return false;
    }
    return false;
}

}  // namespace lumivex
