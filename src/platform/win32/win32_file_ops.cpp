// Our headers before <windows.h>: they declare names it makes macros.
#include "platform/win32/win32_file_ops.h"
#include "platform/win32/win32_platform.h"

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

// Frees what FORMAT_MESSAGE_ALLOCATE_BUFFER allocated, on every path.
class LocalText {
public:
    LocalText() = default;
    ~LocalText() { if (text_) ::LocalFree(text_); }
    LocalText(const LocalText&) = delete;
    LocalText& operator=(const LocalText&) = delete;
    wchar_t** out() { return &text_; }
    const wchar_t* get() const { return text_; }

private:
    wchar_t* text_ = nullptr;
};
}  // namespace

std::string SystemErrorText(std::uint32_t code) {
    LocalText text;
    // Language 0: the user's language first, as the system's own messages do.
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
        0, reinterpret_cast<wchar_t*>(text.out()), 0, nullptr);
    std::wstring wide = length != 0 && text.get() ? std::wstring(text.get(), length) : std::wstring();
    while (!wide.empty() && (wide.back() == L'\r' || wide.back() == L'\n' || wide.back() == L' '))
        wide.pop_back();
    if (wide.empty()) return "错误代码 " + std::to_string(code);
    return WideToUtf8(wide);
}

std::uint32_t Win32FileOps::GetFileAttributesW(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(Utf8ToWide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) lastError_ = ::GetLastError();
    return attributes;
}

WriteResult Win32FileOps::WriteNewFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    FileHandle file(::CreateFileW(Utf8ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        lastError_ = ::GetLastError();
        return WriteResult::NotCreated;
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto chunk = static_cast<DWORD>(std::min(bytes.size() - done, kWriteChunk));
        DWORD written = 0;
        if (!::WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr)) {
            lastError_ = ::GetLastError();
            return WriteResult::Incomplete;
        }
        if (written == 0) {
            // Success without progress: the disk took nothing more.
            lastError_ = ERROR_HANDLE_DISK_FULL;
            return WriteResult::Incomplete;
        }
        done += written;
    }
    if (!::FlushFileBuffers(file.get()) || !file.Close()) {
        lastError_ = ::GetLastError();
        return WriteResult::Incomplete;
    }
    return WriteResult::Complete;
}

bool Win32FileOps::MoveFileExW(const std::string& from, const std::string& to, std::uint32_t flags) {
    const std::wstring target = Utf8ToWide(to);
    if (flags & MOVEFILE_REPLACE_EXISTING) {
        // Windows refuses to replace a read-only file; Wine 8 replaces it.
        // Refuse it here the same way, so that the file the user protected
        // is kept, and the reason is the system's own, on both.
        const DWORD attributes = ::GetFileAttributesW(target.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
            !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            lastError_ = ERROR_ACCESS_DENIED;
            return false;
        }
    }
    if (::MoveFileExW(Utf8ToWide(from).c_str(), target.c_str(), flags)) return true;
    lastError_ = ::GetLastError();
    return false;
}

bool Win32FileOps::DeleteFileW(const std::string& path) {
    if (::DeleteFileW(Utf8ToWide(path).c_str())) return true;
    lastError_ = ::GetLastError();
    return false;
}

std::string Win32FileOps::LastErrorText() { return SystemErrorText(lastError_); }

}  // namespace lumivex
