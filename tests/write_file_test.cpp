#include "file_bytes.h"
#include "files/write_file.h"
#include "temporary_directory.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

// Replacing a file either happens whole or not at all.
namespace {

// Lets this process write files of at most `bytes` bytes, as a full disk
// would, until the object goes.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &before_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN); // a failed write, not a killed process
        rlimit limit = before_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &before_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit before_{};
    void (*previous_)(int) = SIG_DFL;
};

std::string content(const std::filesystem::path& file) {
    const Bytes bytes = fileBytes(file);
    return {bytes.begin(), bytes.end()};
}

TEST(WriteFileAtomically, ReplacesTheContentAndKeepsWhoMayReadIt) {
    TemporaryDirectory dir;
    const auto file = dir.write("table.csv", "old content that is longer than the new one\n");
    ::chmod(file.c_str(), 0640);
    EXPECT_EQ(files::writeFileAtomically(file, "new\n"), "");
    EXPECT_EQ(content(file), "new\n");
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_FALSE(std::filesystem::exists(dir / "table.csv.writing"));

    EXPECT_EQ(files::writeFileAtomically(dir / "fresh.csv", ""), "");
    EXPECT_TRUE(std::filesystem::exists(dir / "fresh.csv"));
}

TEST(WriteFileAtomically, AWriteThatFailsHalfwayLeavesTheOldFileWholeAndNoLeftovers) {
    TemporaryDirectory dir;
    const std::string old(3000, 'o');
    const auto file = dir.write("text.TXT", old);
    std::string error;
    {
        const FileSizeLimit full(1000);
        error = files::writeFileAtomically(file, std::string(5000, 'n'));
    }
    EXPECT_NE(error, "") << "the failure is reported";
    EXPECT_EQ(content(file), old);
    EXPECT_FALSE(std::filesystem::exists(dir / "text.TXT.writing"));

    EXPECT_NE(files::writeFileAtomically(dir / "no such folder" / "x.csv", "x"), "");
    EXPECT_FALSE(std::filesystem::exists(dir / "no such folder"));
}

} // namespace
