// The file operations on Windows: the wide Win32 calls of the same names,
// with the UTF-8 paths of the logic converted to UTF-16 here.
#pragma once

#include <cstdint>

#include "platform/file_ops.h"

namespace lumivex {

class Win32FileOps : public FileOps {
public:
    std::uint32_t GetFileAttributesW(const std::string& path) override;
    WriteResult WriteNewFile(const std::string& path, const std::vector<std::uint8_t>& bytes) override;
    bool MoveFileExW(const std::string& from, const std::string& to, std::uint32_t flags) override;
    bool DeleteFileW(const std::string& path) override;
    std::string LastErrorText() override;

private:
    // GetLastError() of the last failed call, kept because cleaning up after
    // a failure (closing a handle) may overwrite the thread's own.
    std::uint32_t lastError_ = 0;
};

// FormatMessageW's text for a system error code, in UTF-8 without the line
// break it ends with; the code itself when the system has no text for it.
std::string SystemErrorText(std::uint32_t code);

}  // namespace lumivex
