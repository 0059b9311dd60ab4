#include "platform/win32/win32_file_ops.h"

#include <windows.h>

#include <algorithm>

namespace lumivex {

namespace {
// One WriteFile call takes at most a DWORD of bytes; stay well below it.
constexpr std::size_t kWriteChunk = std::size_t{1} << 24;

class FileHandle {
public:
    explicit FileHandle(HANDLE h) : h_(h) {}
    ~FileHandle() { if (h_ != INVALID_HANDLE_VALUE) ::CloseHandle(h_); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE get() const { return h_; }
    // Closing can report a failed write that was still in flight.
    bool Close() {
        const bool ok = ::CloseHandle(h_) != FALSE;
        h_ = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE h_;
};
}  // namespace

std::uint32_t Win32FileOps::GetFileAttributesA(const std::string& path) {
    return ::GetFileAttributesA(path.c_str());
}

WriteResult Win32FileOps::WriteNewFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    FileHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) return WriteResult::NotCreated;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto chunk = static_cast<DWORD>(std::min(bytes.size() - done, kWriteChunk));
        DWORD written = 0;
        if (!::WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr) || written == 0)
            return WriteResult::Incomplete;
        done += written;
    }
    if (!::FlushFileBuffers(file.get()) || !file.Close()) return WriteResult::Incomplete;
    return WriteResult::Complete;
}

bool Win32FileOps::MoveFileExA(const std::string& from, const std::string& to, std::uint32_t flags) {
    return ::MoveFileExA(from.c_str(), to.c_str(), flags) != FALSE;
}

bool Win32FileOps::DeleteFileA(const std::string& path) { return ::DeleteFileA(path.c_str()) != FALSE; }

}  // namespace lumivex
