#include "platform/sim/std_file_ops.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
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

// 0 when every byte was written, else the errno that stopped it.
int WriteAll(int fd, const std::vector<std::uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return ENOSPC;  // the disk took nothing more
        done += static_cast<std::size_t>(n);
    }
    return 0;
}
}  // namespace

bool StdFileOps::Fail(int error) {
    lastError_ = error;
    return false;
}

std::string StdFileOps::LastErrorText() { return std::strerror(lastError_); }

std::uint32_t StdFileOps::GetFileAttributesW(const std::string& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::exists(status)) {
        Fail(error ? error.value() : ENOENT);
        return win::INVALID_FILE_ATTRIBUTES;
    }
    if (fs::is_directory(status)) return win::FILE_ATTRIBUTE_DIRECTORY;
    const bool writable = (status.permissions() & fs::perms::owner_write) != fs::perms::none;
    std::uint32_t attributes = writable ? win::FILE_ATTRIBUTE_ARCHIVE : win::FILE_ATTRIBUTE_READONLY;
    if (fs::path(path).filename().string().rfind('.', 0) == 0) attributes |= win::FILE_ATTRIBUTE_HIDDEN;
    return attributes;
}

WriteResult StdFileOps::WriteNewFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    Descriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
    if (fd.get() < 0) {
        Fail(errno);
        return WriteResult::NotCreated;
    }
    if (const int error = WriteAll(fd.get(), bytes)) {
        Fail(error);
        return WriteResult::Incomplete;
    }
    if (::fsync(fd.get()) != 0) {
        Fail(errno);
        return WriteResult::Incomplete;
    }
    return WriteResult::Complete;
}

bool StdFileOps::MoveFileExW(const std::string& from, const std::string& to, std::uint32_t flags) {
    const std::uint32_t target = GetFileAttributesW(to);
    if (target != win::INVALID_FILE_ATTRIBUTES) {
        if (!(flags & win::MOVEFILE_REPLACE_EXISTING)) return Fail(EEXIST);
        // rename(2) would replace it; Windows refuses with "access denied".
        if (target & win::FILE_ATTRIBUTE_READONLY) return Fail(EACCES);
    }
    // rename(2) replaces the target in one step, as MoveFileEx does on one volume.
    if (std::rename(from.c_str(), to.c_str()) != 0) return Fail(errno);
    return true;
}

bool StdFileOps::DeleteFileW(const std::string& path) {
    std::error_code error;
    if (!fs::is_regular_file(path, error)) return Fail(error ? error.value() : ENOENT);
    if (!fs::remove(path, error)) return Fail(error ? error.value() : ENOENT);
    return true;
}

}  // namespace lumivex::sim
