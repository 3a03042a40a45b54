#include "files/read_file.h"
#include "temporary_directory.h"

#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

namespace {

using files::ReadFailure;
using files::readFile;

TEST(ReadFile, ReturnsEveryByteUpToTheLimitAndAnEmptyFileAsNoBytes) {
    const TemporaryDirectory folder;
    const std::string bytes("a\0b\r\n\xFF", 6);
    const auto whole = readFile(folder.write("bytes.bin", bytes), bytes.size());
    ASSERT_TRUE(whole.ok()) << whole.error;
    EXPECT_EQ(whole.bytes, bytes);
    EXPECT_TRUE(whole.error.empty());

    const auto big = std::string(200 * 1024, 'x');
    EXPECT_EQ(readFile(folder.write("big.txt", big), big.size()).bytes, big);

    const auto empty = readFile(folder.write("empty.txt", ""), 10);
    EXPECT_TRUE(empty.ok()) << empty.error;
    EXPECT_TRUE(empty.bytes.empty());
    EXPECT_TRUE(empty.error.empty());
}

TEST(ReadFile, AFileOverTheLimitIsRefusedUnread) {
    const TemporaryDirectory folder;
    const auto read = readFile(folder.write("eleven.txt", "0123456789A"), 10);
    EXPECT_EQ(read.failure, ReadFailure::TooLarge);
    EXPECT_FALSE(read.ok());
    EXPECT_TRUE(read.bytes.empty());
    EXPECT_EQ(read.error, "The file is larger than 10 bytes.");
}

// Each of these fails for root as well, unlike a file without read permission.
TEST(ReadFile, WhatCannotBeReadSaysWhy) {
    const TemporaryDirectory folder;
    std::filesystem::create_directory(folder / "folder");
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
    folder.write("plain.txt", "text");
    struct Case {
        std::filesystem::path path;
        const char* error;
    };
    for (const Case& c : {Case{folder / "missing.txt", "No such file or directory"},
                          Case{folder / "folder", "Is a directory"},
                          Case{folder / "fifo", "The file is no regular file."},
                          Case{folder / "plain.txt" / "inside", "Not a directory"},
                          Case{"/dev/zero", "The file is no regular file."}}) {
        const auto read = readFile(c.path, 1024);
        EXPECT_EQ(read.failure, ReadFailure::Unreadable) << c.path;
        EXPECT_EQ(read.error, c.error) << c.path;
        EXPECT_TRUE(read.bytes.empty()) << c.path;
    }
}

} // namespace
