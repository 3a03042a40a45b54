#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

// Reading a whole file, the one way every part of the program does it.
namespace files {

enum class ReadFailure {
    None,
    // Larger than the caller's limit; nothing was read into memory.
    TooLarge,
    // Missing, a folder or device, or refused by the system.
    Unreadable,
};

struct FileBytes {
    std::string bytes;
    ReadFailure failure = ReadFailure::None;
    // Why nothing was read, fit to show the learner: the system's text such
    // as "No such file or directory", or the limit that was exceeded.
    std::string error;

    bool ok() const { return failure == ReadFailure::None; }
};

// Every byte of a regular file of at most maxBytes bytes. An empty file is
// empty bytes, not an error. A FIFO or device is refused rather than read,
// so it can neither block the program nor feed it without end.
FileBytes readFile(const std::filesystem::path& file, std::uintmax_t maxBytes);

} // namespace files
