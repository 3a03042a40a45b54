#pragma once

#include "users/io_result.h"

#include <cstdint>
#include <filesystem>
#include <span>

// A POSIX file descriptor that closes itself. Reads and writes go to explicit
// offsets, so no operation depends on a position another one left behind.
namespace users {

enum class Access {
    Read,
    ReadWrite,
    // Creates the file only when no file of that name exists.
    CreateNew,
    // Creates the file or empties an existing one.
    Replace,
};

class FileHandle {
public:
    static IoResult<FileHandle> open(const std::filesystem::path& path, Access access);

    FileHandle(FileHandle&& other) noexcept;
    FileHandle& operator=(FileHandle&& other) noexcept;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle();

    // Waits until no other open file description holds the lock; it is
    // released when the handle closes.
    IoStatus lockExclusive();
    // A directory or device of that name is an error, not a file of some length.
    IoResult<std::uint64_t> regularFileSize() const;
    // Fills the whole buffer; a file too short for it is an error.
    IoStatus readAt(std::uint64_t offset, std::span<std::uint8_t> buffer) const;
    IoStatus writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes);
    IoStatus truncate(std::uint64_t length);
    // Waits until the written bytes are on the disk.
    IoStatus sync();
    // Closing can report a write the system had deferred, so writers check it.
    IoStatus close();

private:
    explicit FileHandle(int fd) : fd_(fd) {}

    int fd_ = -1;
};

// The error of reading a record that is not in the file.
IoError readBeyondEnd();

} // namespace users
