// The save's file operations on a real folder of the machine the native
// tests run on, paths in UTF-8 as the file system takes them. Attributes are
// those a POSIX file system can tell, read as Wine reads them: a folder, a
// read-only file (no write permission), a hidden file (a name starting with
// a dot). Replacing a read-only file is refused as Windows refuses it.
#pragma once

#include "platform/file_ops.h"

namespace lumivex::sim {

class StdFileOps : public FileOps {
public:
    std::uint32_t GetFileAttributesW(const std::string& path) override;
    WriteResult WriteNewFile(const std::string& path, const std::vector<std::uint8_t>& bytes) override;
    bool MoveFileExW(const std::string& from, const std::string& to, std::uint32_t flags) override;
    bool DeleteFileW(const std::string& path) override;
    // strerror of the errno the last failed operation ended with.
    std::string LastErrorText() override;

protected:
    // Records error as the reason of a failure; answers false.
    bool Fail(int error);

private:
    int lastError_ = 0;
};

}  // namespace lumivex::sim
