// The file operations on Windows: the Win32 calls of the same names.
#pragma once

#include "platform/file_ops.h"

namespace lumivex {

class Win32FileOps : public FileOps {
public:
    std::uint32_t GetFileAttributesA(const std::string& path) override;
    WriteResult WriteNewFile(const std::string& path, const std::vector<std::uint8_t>& bytes) override;
    bool MoveFileExA(const std::string& from, const std::string& to, std::uint32_t flags) override;
    bool DeleteFileA(const std::string& path) override;
};

}  // namespace lumivex
