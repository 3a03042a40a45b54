#include "files/write_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {
namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { release(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    // 0, or the errno of a failed close: a write the system held back can
    // fail only here.
    int release() {
        if (fd_ < 0) {
            return 0;
        }
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

// The old file's permissions, so replacing it does not change who may read it.
mode_t modeFor(const std::filesystem::path& file) {
    struct stat info {};
    if (::stat(file.c_str(), &info) == 0) {
        return info.st_mode & 07777;
    }
    return 0666; // the umask decides, as for any new file
}

} // namespace

std::string writeFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
    std::filesystem::path temporary = file;
    temporary += ".writing";
    Descriptor fd(
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, modeFor(file)));
    if (fd.get() < 0) {
        return std::strerror(errno);
    }
    int error = writeAll(fd.get(), bytes);
    const int closeError = fd.release();
    if (error == 0) {
        error = closeError;
    }
    if (error == 0 && ::rename(temporary.c_str(), file.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return std::strerror(error);
    }
    return {};
}

} // namespace files
