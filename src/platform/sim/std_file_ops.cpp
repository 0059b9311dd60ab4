#include "platform/sim/std_file_ops.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace lumivex::sim {

namespace fs = std::filesystem;

namespace {
// Closes the descriptor on every path out.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { if (fd_ >= 0) ::close(fd_); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

bool WriteAll(int fd, const std::vector<std::uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}
}  // namespace

std::uint32_t StdFileOps::GetFileAttributesA(const std::string& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::exists(status)) return win::INVALID_FILE_ATTRIBUTES;
    if (fs::is_directory(status)) return win::FILE_ATTRIBUTE_DIRECTORY;
    const bool writable = (status.permissions() & fs::perms::owner_write) != fs::perms::none;
    return writable ? win::FILE_ATTRIBUTE_ARCHIVE : win::FILE_ATTRIBUTE_READONLY;
}

WriteResult StdFileOps::WriteNewFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    Descriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
    if (fd.get() < 0) return WriteResult::NotCreated;
    if (!WriteAll(fd.get(), bytes) || ::fsync(fd.get()) != 0) return WriteResult::Incomplete;
    return WriteResult::Complete;
}

bool StdFileOps::MoveFileExA(const std::string& from, const std::string& to, std::uint32_t flags) {
    std::error_code error;
    if (!(flags & win::MOVEFILE_REPLACE_EXISTING) && fs::exists(to, error)) return false;
    // rename(2) replaces the target in one step, as MoveFileEx does on one volume.
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool StdFileOps::DeleteFileA(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(path, error) && fs::remove(path, error);
}

}  // namespace lumivex::sim
