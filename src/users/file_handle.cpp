#include "users/file_handle.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace users {

namespace {

int openFlags(Access access) {
    switch (access) {
    case Access::Read:
        return O_RDONLY;
    case Access::ReadWrite:
        return O_RDWR;
    case Access::CreateNew:
        return O_RDWR | O_CREAT | O_EXCL;
    case Access::Replace:
        return O_WRONLY | O_CREAT | O_TRUNC;
    }
    return O_RDONLY;
}

IoError lastError() {
    return systemError(errno);
}

} // namespace

IoError systemError(int code) {
    return {code, std::system_category().message(code)};
}

IoError readBeyondEnd() {
    return {0, "Read beyond end of file"};
}

IoResult<FileHandle> FileHandle::open(const std::filesystem::path& path, Access access) {
    // Others on a shared program directory must be able to use the file too;
    // the umask narrows this as the learner's system wants.
    const int fd = ::open(path.c_str(), openFlags(access) | O_CLOEXEC, 0666);
    if (fd < 0) {
        return lastError();
    }
    return FileHandle(fd);
}

FileHandle::FileHandle(FileHandle&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
    if (this != &other) {
        (void)close();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

FileHandle::~FileHandle() {
    (void)close();
}

IoStatus FileHandle::lockExclusive() {
    while (::flock(fd_, LOCK_EX) != 0) {
        if (errno != EINTR) {
            return lastError();
        }
    }
    return {};
}

IoResult<std::uint64_t> FileHandle::regularFileSize() const {
    struct stat info {};
    if (::fstat(fd_, &info) != 0) {
        return lastError();
    }
    if (S_ISDIR(info.st_mode)) {
        return systemError(EISDIR);
    }
    if (!S_ISREG(info.st_mode)) {
        return systemError(EINVAL);
    }
    return static_cast<std::uint64_t>(info.st_size);
}

IoStatus FileHandle::readAt(std::uint64_t offset, std::span<std::uint8_t> buffer) const {
    std::size_t done = 0;
    while (done < buffer.size()) {
        const auto n = ::pread(fd_, buffer.data() + done, buffer.size() - done,
                               static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return lastError();
        }
        if (n == 0) {
            return readBeyondEnd();
        }
        done += static_cast<std::size_t>(n);
    }
    return {};
}

IoStatus FileHandle::writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto n = ::pwrite(fd_, bytes.data() + done, bytes.size() - done,
                                static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return lastError();
        }
        done += static_cast<std::size_t>(n);
    }
    return {};
}

IoStatus FileHandle::truncate(std::uint64_t length) {
    if (::ftruncate(fd_, static_cast<off_t>(length)) != 0) {
        return lastError();
    }
    return {};
}

IoStatus FileHandle::sync() {
    if (::fsync(fd_) != 0) {
        return lastError();
    }
    return {};
}

IoStatus FileHandle::close() {
    if (fd_ < 0) {
        return {};
    }
    // The descriptor is gone even when close reports an error; retrying could
    // close a descriptor another thread has just been given.
    const int result = ::close(std::exchange(fd_, -1));
    if (result != 0) {
        return lastError();
    }
    return {};
}

} // namespace users
