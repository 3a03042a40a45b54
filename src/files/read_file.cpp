#include "files/read_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace files {
namespace {

constexpr std::size_t kChunk = 64 * 1024;

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

private:
    int fd_;
};

FileBytes unreadable(int code) {
    return {{}, ReadFailure::Unreadable, std::system_category().message(code)};
}

FileBytes tooLarge(std::uintmax_t maxBytes) {
    return {{},
            ReadFailure::TooLarge,
            "The file is larger than " + std::to_string(maxBytes) + " bytes."};
}

FileBytes unreadableKind(mode_t mode) {
    if (S_ISDIR(mode)) {
        return unreadable(EISDIR);
    }
    return {{}, ReadFailure::Unreadable, "The file is no regular file."};
}

// Reads to the end; the file may have grown since it was measured.
FileBytes readToEnd(const Descriptor& fd, std::uintmax_t maxBytes, std::size_t expected) {
    FileBytes result;
    result.bytes.reserve(expected);
    char chunk[kChunk];
    for (;;) {
        const ssize_t got = ::read(fd.get(), chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return unreadable(errno);
        }
        if (got == 0) {
            return result;
        }
        if (result.bytes.size() + static_cast<std::size_t>(got) > maxBytes) {
            return tooLarge(maxBytes);
        }
        result.bytes.append(chunk, static_cast<std::size_t>(got));
    }
}

} // namespace

FileBytes readFile(const std::filesystem::path& file, std::uintmax_t maxBytes) {
    // Without O_NONBLOCK, opening a FIFO would wait for a writer before the
    // check below could refuse it.
    const Descriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd.valid()) {
        return unreadable(errno);
    }
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0) {
        return unreadable(errno);
    }
    if (!S_ISREG(status.st_mode)) {
        return unreadableKind(status.st_mode);
    }
    const auto size = static_cast<std::uintmax_t>(status.st_size);
    if (size > maxBytes) {
        return tooLarge(maxBytes);
    }
    return readToEnd(fd, maxBytes, static_cast<std::size_t>(size));
}

} // namespace files
