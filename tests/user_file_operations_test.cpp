#include "file_bytes.h"
#include "temporary_directory.h"
#include "users/benutzerdatei.h"
#include "users/file_handle.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <future>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <string>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using users::Satz;

Bytes range(const Bytes& bytes, std::size_t from, std::size_t count) {
    return {bytes.begin() + static_cast<std::ptrdiff_t>(from),
            bytes.begin() + static_cast<std::ptrdiff_t>(from + count)};
}

Bytes asBytes(const Satz& satz) {
    return {satz.begin(), satz.end()};
}

// A valid record whose every byte tells which user it is.
Satz record(const std::string& name) {
    Satz satz{};
    satz.fill(static_cast<std::uint8_t>(name.back()));
    users::encode(users::neuerBenutzer(name, {2026, 1, 5, 2}, 1024), satz);
    return satz;
}

Bytes recordsNamed(std::initializer_list<std::string> names) {
    Bytes bytes;
    for (const auto& name : names) {
        const Satz satz = record(name);
        bytes.insert(bytes.end(), satz.begin(), satz.end());
    }
    return bytes;
}

Satz fixture(const char* name) {
    const Bytes bytes = fileBytes(fs::path(CLAVORA_TEST_DATA) / name);
    Satz satz{};
    EXPECT_EQ(bytes.size(), satz.size()) << name;
    std::copy_n(bytes.begin(), std::min(bytes.size(), satz.size()), satz.begin());
    return satz;
}

class UserFile : public ::testing::Test {
protected:
    fs::path backup() const { return folder / "user30.dat.bak"; }

    TemporaryDirectory folder;
    fs::path datei = users::benutzerdatei(folder.path());
};

TEST_F(UserFile, ListsEveryNameInFileOrderAndCountsThem) {
    writeBytes(datei, recordsNamed({"CARL", "ANNA", "BEN"}));

    const auto namen = users::listNames(datei);
    ASSERT_TRUE(namen) << namen.error().text;
    EXPECT_EQ(*namen, (std::vector<std::string>{"CARL", "ANNA", "BEN"}));
    const auto anzahl = users::countUsers(datei);
    ASSERT_TRUE(anzahl);
    EXPECT_EQ(*anzahl, 3);
    const auto alle = users::readAll(datei);
    ASSERT_TRUE(alle);
    ASSERT_EQ(alle->size(), 3u);
    EXPECT_EQ((*alle)[1], record("ANNA"));
}

TEST_F(UserFile, AnEmptyFileHoldsNoUsersAndTheFirstAppendIsRecordZero) {
    writeBytes(datei, {});
    EXPECT_TRUE(users::listNames(datei)->empty());
    EXPECT_EQ(*users::countUsers(datei), 0);
    EXPECT_FALSE(users::findUser(datei, "")->has_value());

    const auto bericht = users::appendUser(datei, record("ANNA"));
    ASSERT_TRUE(bericht) << bericht.error().text;
    EXPECT_EQ(bericht->number, 0);
    EXPECT_FALSE(bericht->backup);
    EXPECT_EQ(fileBytes(datei), asBytes(record("ANNA")));
}

TEST_F(UserFile, EnsureCreatesAnEmptyFileOnlyWhenNoneExists) {
    const auto created = users::ensureFile(datei);
    ASSERT_TRUE(created) << created.error().text;
    EXPECT_TRUE(*created);
    EXPECT_EQ(fs::file_size(datei), 0u);

    const Bytes stored = recordsNamed({"ANNA"});
    writeBytes(datei, stored);
    const auto again = users::ensureFile(datei);
    ASSERT_TRUE(again) << again.error().text;
    EXPECT_FALSE(*again);
    EXPECT_EQ(fileBytes(datei), stored);
}

TEST_F(UserFile, ADirectoryOfTheFilesNameIsReportedAndLeftAlone) {
    fs::create_directory(datei);

    const auto ensured = users::ensureFile(datei);
    ASSERT_FALSE(ensured);
    EXPECT_EQ(ensured.error().text, "Is a directory");
    EXPECT_TRUE(fs::is_directory(datei));
    EXPECT_EQ(users::listNames(datei).error().text, "Is a directory");
    EXPECT_EQ(users::countUsers(datei).error().text, "Is a directory");
    EXPECT_FALSE(users::appendUser(datei, record("ANNA")));
}

TEST_F(UserFile, AFileThatMayNotBeOpenedIsReportedAndNeverReplaced) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root opens files whatever their permission bits say";
    }
    const Bytes stored = recordsNamed({"ANNA", "BEN"});
    writeBytes(datei, stored);
    fs::permissions(datei, fs::perms::owner_read);

    EXPECT_EQ(users::ensureFile(datei).error().text, "Permission denied");
    const auto written = users::writeRecord(datei, 1, record("CARL"));
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().text, "Permission denied");
    EXPECT_EQ(fileBytes(datei), stored);
    EXPECT_EQ(*users::listNames(datei), (std::vector<std::string>{"ANNA", "BEN"}));
}

// Marks a file immutable for as long as it lives, which stops root as well.
class Immutable {
public:
    explicit Immutable(const fs::path& path) : fd_(::open(path.c_str(), O_RDONLY)) {
        int flags = 0;
        if (fd_ < 0 || ::ioctl(fd_, FS_IOC_GETFLAGS, &flags) != 0) {
            return;
        }
        flags |= FS_IMMUTABLE_FL;
        set_ = ::ioctl(fd_, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ~Immutable() {
        int flags = 0;
        if (set_ && ::ioctl(fd_, FS_IOC_GETFLAGS, &flags) == 0) {
            flags &= ~FS_IMMUTABLE_FL;
            ::ioctl(fd_, FS_IOC_SETFLAGS, &flags);
        }
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Immutable(const Immutable&) = delete;
    Immutable& operator=(const Immutable&) = delete;
    bool set() const { return set_; }

private:
    int fd_;
    bool set_ = false;
};

TEST_F(UserFile, AFileThatCannotBeWrittenReportsTheSystemsTextAndStaysUnchanged) {
    const Bytes stored = recordsNamed({"ANNA", "BEN"});
    writeBytes(datei, stored);
    const Immutable guard(datei);
    if (!guard.set()) {
        GTEST_SKIP() << "this file system or user cannot mark files immutable";
    }

    const auto written = users::writeRecord(datei, 1, record("CARL"));
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().text, std::strerror(EPERM));
    EXPECT_FALSE(users::deleteUser(datei, 0, "ANNA"));
    EXPECT_FALSE(users::appendUser(datei, record("CARL")));
    EXPECT_EQ(fileBytes(datei), stored);
}

TEST_F(UserFile, AFileThatVanishedIsReportedByEveryOperation) {
    ASSERT_TRUE(users::ensureFile(datei));
    ASSERT_TRUE(users::appendUser(datei, record("ANNA")));
    fs::remove(datei);

    const std::string missing = "No such file or directory";
    EXPECT_EQ(users::readUser(datei, 0).error().text, missing);
    EXPECT_EQ(users::findUser(datei, "ANNA").error().text, missing);
    EXPECT_EQ(users::listNames(datei).error().text, missing);
    EXPECT_EQ(users::readAll(datei).error().text, missing);
    EXPECT_EQ(users::countUsers(datei).error().text, missing);
    EXPECT_EQ(users::appendUser(datei, record("ANNA")).error().text, missing);
    EXPECT_EQ(users::deleteUser(datei, 0, "ANNA").error().text, missing);
    Satz buffer{};
    const auto daten = users::neuerBenutzer("ANNA", {}, 1024);
    EXPECT_EQ(users::writeUser(datei, daten, buffer).error().text, missing);
    EXPECT_FALSE(fs::exists(datei)) << "only ensureFile creates the file";
}

TEST_F(UserFile, FindsAUserByTheExactBytesOfTheName) {
    writeBytes(datei, recordsNamed({"ANNA", "ANNABELL", "BEN", "ANNA"}));

    const auto fund = users::findUser(datei, "ANNA");
    ASSERT_TRUE(fund) << fund.error().text;
    ASSERT_TRUE(fund->has_value());
    EXPECT_EQ((*fund)->number, 0);
    EXPECT_EQ((*fund)->satz, record("ANNA"));
    EXPECT_EQ((**users::findUser(datei, "BEN")).number, 2);
    EXPECT_FALSE(users::findUser(datei, "anna")->has_value());
    EXPECT_FALSE(users::findUser(datei, "ANN")->has_value());
    EXPECT_FALSE(users::findUser(datei, "ANNA ")->has_value());
}

TEST_F(UserFile, ReadsRecordKAndReportsARecordPastTheEnd) {
    writeBytes(datei, recordsNamed({"ANNA", "BEN", "CARL"}));

    EXPECT_EQ(*users::readUser(datei, 2), record("CARL"));
    EXPECT_EQ(users::readUser(datei, 3).error().text, "Read beyond end of file");
    EXPECT_EQ(users::writeRecord(datei, 3, record("DORA")).error().text, "Read beyond end of file");
    EXPECT_EQ(users::deleteUser(datei, 3, "DORA")->outcome, users::DeleteOutcome::NotFound);
    EXPECT_EQ(fs::file_size(datei), 3 * 560u);
}

TEST_F(UserFile, WritingRecordFiveTouchesOnlyItsBytes) {
    const Bytes before = recordsNamed({"U0", "U1", "U2", "U3", "U4", "U5", "U6", "U7"});
    writeBytes(datei, before);

    const auto bericht = users::writeRecord(datei, 5, record("NEW"));
    ASSERT_TRUE(bericht) << bericht.error().text;
    EXPECT_EQ(bericht->number, 5);

    Bytes expected = before;
    std::copy_n(record("NEW").begin(), 560, expected.begin() + 2800);
    EXPECT_EQ(fileBytes(datei), expected);
}

TEST_F(UserFile, WritingAUserByNameKeepsTheBytesItDoesNotOwn) {
    const Satz foreign = fixture("user_record_foreign.dat");
    Bytes before = recordsNamed({"ANNA"});
    before.insert(before.end(), foreign.begin(), foreign.end());
    writeBytes(datei, before);

    users::Benutzerdaten daten = users::decode(foreign);
    daten.lektion = 11;
    Satz benutzersatz = record("SOMEONE ELSE");
    const auto bericht = users::writeUser(datei, daten, benutzersatz);
    ASSERT_TRUE(bericht) << bericht.error().text;
    EXPECT_EQ(bericht->number, 1);

    Satz expected = foreign;
    expected[46] = 11;
    EXPECT_EQ(benutzersatz, expected);
    EXPECT_EQ(range(fileBytes(datei), 0, 560), range(before, 0, 560));
    EXPECT_EQ(range(fileBytes(datei), 560, 560), asBytes(expected));
}

// A signed-in learner whose record another program deleted keeps the
// progress: the record goes back in at the end, the others stay untouched.
TEST_F(UserFile, WritingAUserWhoseRecordIsGoneAppendsItAndTouchesNoOther) {
    const Bytes before = recordsNamed({"ANNA", "BEN"});
    writeBytes(datei, before);

    Satz benutzersatz{};
    const auto bericht =
        users::writeUser(datei, users::neuerBenutzer("CARL", {}, 1024), benutzersatz);
    ASSERT_TRUE(bericht);
    EXPECT_EQ(bericht->number, 2);
    const Bytes after = fileBytes(datei);
    ASSERT_EQ(after.size(), 3 * 560u);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin()));
    EXPECT_EQ(users::decode(benutzersatz).name, "CARL");
}

TEST_F(UserFile, DeletingRecordTwoOfFiveMovesTheLastIntoItsSlot) {
    const Bytes before = recordsNamed({"U0", "U1", "U2", "U3", "U4"});
    writeBytes(datei, before);

    const auto bericht = users::deleteUser(datei, 2, "U2");
    ASSERT_TRUE(bericht) << bericht.error().text;

    const Bytes after = fileBytes(datei);
    ASSERT_EQ(after.size(), 2240u);
    EXPECT_EQ(range(after, 0, 1120), range(before, 0, 1120));
    EXPECT_EQ(range(after, 1120, 560), range(before, 4 * 560, 560));
    EXPECT_EQ(range(after, 1680, 560), range(before, 1680, 560));
    EXPECT_EQ(*users::listNames(datei), (std::vector<std::string>{"U0", "U1", "U4", "U3"}));
}

TEST_F(UserFile, DeletingTheLastRecordOnlyShortensTheFile) {
    const Bytes before = recordsNamed({"U0", "U1", "U2"});
    writeBytes(datei, before);

    ASSERT_TRUE(users::deleteUser(datei, 2, "U2"));
    EXPECT_EQ(fileBytes(datei), range(before, 0, 1120));
    ASSERT_TRUE(users::deleteUser(datei, 0, "U0"));
    ASSERT_TRUE(users::deleteUser(datei, 0, "U1"));
    EXPECT_EQ(fs::file_size(datei), 0u);
}

TEST_F(UserFile, ANewUserAppendedAfterAForeignRecordLeavesItAsItWas) {
    const Satz foreign = fixture("user_record_foreign.dat");
    writeBytes(datei, asBytes(foreign));

    // The buffer still holds the foreign record: only its reserved bytes may remain.
    Satz benutzersatz = foreign;
    const auto neu = users::neuerBenutzer("DORA", {2026, 1, 5, 2}, 1024);
    users::encode(neu, benutzersatz);
    const auto bericht = users::appendUser(datei, benutzersatz);
    ASSERT_TRUE(bericht) << bericht.error().text;
    EXPECT_EQ(bericht->number, 1);

    const Bytes after = fileBytes(datei);
    ASSERT_EQ(after.size(), 1120u);
    EXPECT_EQ(range(after, 0, 560), asBytes(foreign));
    EXPECT_EQ(users::decode(*users::readUser(datei, 1)), neu);
    for (const std::size_t reserved : {47, 505, 542, 543, 558, 559}) {
        EXPECT_EQ(after[560 + reserved], foreign[reserved]) << "reserved byte " << reserved;
    }
}

TEST_F(UserFile, ADamagedTailIsNeverReadAndIsBackedUpOnceBeforeTheFirstChange) {
    Bytes damaged = recordsNamed({"ANNA", "BEN", "CARL"});
    damaged.insert(damaged.end(), 100, 0x41);
    writeBytes(datei, damaged);

    EXPECT_EQ(*users::listNames(datei), (std::vector<std::string>{"ANNA", "BEN", "CARL"}));
    EXPECT_EQ(*users::countUsers(datei), 3);
    EXPECT_EQ(users::readAll(datei)->size(), 3u);
    EXPECT_EQ(users::readUser(datei, 3).error().text, "Read beyond end of file");
    EXPECT_FALSE(fs::exists(backup())) << "reading changed nothing, so needs no copy";

    const auto first = users::appendUser(datei, record("DORA"));
    ASSERT_TRUE(first) << first.error().text;
    EXPECT_EQ(first->number, 3);
    ASSERT_TRUE(first->backup);
    EXPECT_EQ(*first->backup, backup());
    EXPECT_EQ(fileBytes(backup()), damaged);
    EXPECT_NE(users::sicherungshinweis(*first->backup).find("user30.dat.bak"), std::string::npos);
    EXPECT_EQ(fileBytes(datei), recordsNamed({"ANNA", "BEN", "CARL", "DORA"}));

    const auto second = users::appendUser(datei, record("EMIL"));
    ASSERT_TRUE(second);
    EXPECT_FALSE(second->backup);
    EXPECT_EQ(fileBytes(backup()), damaged);
}

TEST_F(UserFile, WritingOrDeletingInADamagedFileAlsoKeepsACopyFirst) {
    Bytes damaged = recordsNamed({"ANNA", "BEN"});
    damaged.push_back(0x7F);
    writeBytes(datei, damaged);

    const auto written = users::writeRecord(datei, 0, record("ANNE"));
    ASSERT_TRUE(written);
    EXPECT_TRUE(written->backup);
    EXPECT_EQ(fileBytes(backup()), damaged);
    EXPECT_EQ(fileBytes(datei), recordsNamed({"ANNE", "BEN"}));

    fs::remove(backup());
    damaged = recordsNamed({"ANNA", "BEN"});
    damaged.resize(damaged.size() + 559, 0x33);
    writeBytes(datei, damaged);
    const auto deleted = users::deleteUser(datei, 0, "ANNA");
    ASSERT_TRUE(deleted);
    EXPECT_TRUE(deleted->backup);
    EXPECT_EQ(fileBytes(backup()), damaged);
    EXPECT_EQ(fileBytes(datei), recordsNamed({"BEN"}));
}

// A file of 65535 records without writing 36.7 MB: only the first and the
// last record hold data, the rest is a hole that reads as zeros.
void writeFullFile(const fs::path& datei) {
    const auto file = ::open(datei.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(file, 0);
    ASSERT_EQ(::ftruncate(file, 65535LL * 560), 0);
    const Satz first = record("FIRST");
    const Satz last = record("LAST");
    ASSERT_EQ(::pwrite(file, first.data(), 560, 0), 560);
    ASSERT_EQ(::pwrite(file, last.data(), 560, 65534LL * 560), 560);
    ::close(file);
}

TEST_F(UserFile, AFileOf65535UsersRefusesAnotherAndWritesNothing) {
    writeFullFile(datei);

    EXPECT_EQ(*users::countUsers(datei), 65535);
    const auto last = users::findUser(datei, "LAST");
    ASSERT_TRUE(last);
    ASSERT_TRUE(last->has_value());
    EXPECT_EQ((*last)->number, 65534);
    const auto namen = users::listNames(datei);
    ASSERT_EQ(namen->size(), 65535u);
    EXPECT_EQ(namen->front(), "FIRST");
    EXPECT_EQ(namen->back(), "LAST");

    const auto refused = users::appendUser(datei, record("ONE TOO MANY"));
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.error().text.find("65535"), std::string::npos) << refused.error().text;
    EXPECT_EQ(fs::file_size(datei), 65535u * 560);
    EXPECT_FALSE(fs::exists(backup()));
    EXPECT_EQ(*users::readUser(datei, 65534), record("LAST"));
}

TEST_F(UserFile, RecordsNoRecordNumberReachesAreNotCounted) {
    writeFullFile(datei);
    ::truncate(datei.c_str(), 65536LL * 560);

    EXPECT_EQ(*users::countUsers(datei), 65535);
    EXPECT_FALSE(users::appendUser(datei, record("ONE TOO MANY")));
    EXPECT_EQ(fs::file_size(datei), 65536u * 560);
}

TEST_F(UserFile, AHeldLockKeepsASecondHandleOut) {
    ASSERT_TRUE(users::ensureFile(datei));
    auto holder = users::FileHandle::open(datei, users::Access::Read);
    ASSERT_TRUE(holder);
    ASSERT_TRUE(holder->lockExclusive());

    const int other = ::open(datei.c_str(), O_RDONLY);
    ASSERT_GE(other, 0);
    EXPECT_NE(::flock(other, LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(errno, EWOULDBLOCK);

    ASSERT_TRUE(holder->close());
    EXPECT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
    ::close(other);
}

TEST_F(UserFile, AnOperationWaitsWhileAnotherProgramHoldsTheLock) {
    ASSERT_TRUE(users::ensureFile(datei));
    const int other = ::open(datei.c_str(), O_RDWR);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);

    auto append = std::async(std::launch::async,
                             [this] { return users::appendUser(datei, record("ANNA")).ok(); });
    EXPECT_EQ(append.wait_for(std::chrono::milliseconds(150)), std::future_status::timeout);
    EXPECT_EQ(fs::file_size(datei), 0u);

    ::close(other);
    EXPECT_TRUE(append.get());
    EXPECT_EQ(fs::file_size(datei), 560u);
}

} // namespace
