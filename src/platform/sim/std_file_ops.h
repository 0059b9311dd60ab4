// The save's file operations on a real folder of the machine the native
// tests run on. Attributes are those a POSIX file system can tell: a
// folder, a read-only file, a normal file.
#pragma once

#include "platform/file_ops.h"

namespace lumivex::sim {

class StdFileOps : public FileOps {
public:
    std::uint32_t GetFileAttributesA(const std::string& path) override;
    WriteResult WriteNewFile(const std::string& path, const std::vector<std::uint8_t>& bytes) override;
    bool MoveFileExA(const std::string& from, const std::string& to, std::uint32_t flags) override;
    bool DeleteFileA(const std::string& path) override;
};

}  // namespace lumivex::sim
