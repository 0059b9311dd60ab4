// The file operations a save needs, behind one interface: the Windows build
// uses the wide Win32 calls of the same names, native tests a real folder.
// Paths are UTF-8: a name the save dialog gives may hold characters outside
// the system's ANSI code page, which the wide calls keep and the ANSI calls
// would turn into "?".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lumivex {

namespace win {
constexpr std::uint32_t INVALID_FILE_ATTRIBUTES = 0xFFFFFFFFu;
constexpr std::uint32_t FILE_ATTRIBUTE_READONLY = 0x01, FILE_ATTRIBUTE_HIDDEN = 0x02,
                        FILE_ATTRIBUTE_SYSTEM = 0x04, FILE_ATTRIBUTE_DIRECTORY = 0x10,
                        FILE_ATTRIBUTE_ARCHIVE = 0x20, FILE_ATTRIBUTE_NORMAL = 0x80;
constexpr std::uint32_t MOVEFILE_REPLACE_EXISTING = 0x1, MOVEFILE_WRITE_THROUGH = 0x8;
}  // namespace win

enum class WriteResult {
    NotCreated,  // something is there already, or the file could not be made
    Incomplete,  // the file was made but not every byte reached the disk
    Complete,    // every byte written and flushed
};

class FileOps {
public:
    virtual ~FileOps() = default;
    virtual std::uint32_t GetFileAttributesW(const std::string& path) = 0;
    // Makes the file only where nothing is yet (CREATE_NEW), writes the bytes
    // and flushes them to the disk before it answers Complete.
    virtual WriteResult WriteNewFile(const std::string& path, const std::vector<std::uint8_t>& bytes) = 0;
    virtual bool MoveFileExW(const std::string& from, const std::string& to, std::uint32_t flags) = 0;
    virtual bool DeleteFileW(const std::string& path) = 0;
    // The system's own words (UTF-8) for why the last of these operations
    // that failed did so; ask right after the failure, before cleaning up.
    virtual std::string LastErrorText() = 0;
};

}  // namespace lumivex
