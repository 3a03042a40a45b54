#include "file_bytes.h"
#include "temporary_directory.h"
#include "users/benutzerdatei.h"

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <pwd.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// Deleting a user on the real file system: which record moves where, and
// what a program killed halfway, a second program and a file that may not be
// written leave behind.
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

users::Satz record(const std::string& name) {
    users::Satz satz{};
    satz.fill(static_cast<std::uint8_t>(name.back()));
    users::encode(users::neuerBenutzer(name, {2026, 1, 5, 2}, 1024), satz);
    return satz;
}

Bytes recordsNamed(const Names& names) {
    Bytes bytes;
    for (const auto& name : names) {
        const auto satz = record(name);
        bytes.insert(bytes.end(), satz.begin(), satz.end());
    }
    return bytes;
}

// Runs body in a child process and returns how it ended.
template <typename Body> int inChild(Body body) {
    const pid_t child = ::fork();
    if (child == 0) {
        body();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

class UserDeletion : public ::testing::Test {
protected:
    Names names() const { return *users::listNames(datei); }

    TemporaryDirectory folder;
    fs::path datei = users::benutzerdatei(folder.path());
};

struct Move {
    Names before;
    std::uint16_t number;
    Names after;
};

TEST_F(UserDeletion, TheLastRecordFillsTheGapWhereverItIs) {
    const std::vector<Move> moves = {
        {{"ANNA", "BEN", "CARL", "DORA"}, 0, {"DORA", "BEN", "CARL"}},
        {{"ANNA", "BEN", "CARL", "DORA"}, 1, {"ANNA", "DORA", "CARL"}},
        {{"ANNA", "BEN", "CARL", "DORA"}, 3, {"ANNA", "BEN", "CARL"}},
        {{"ANNA"}, 0, {}},
    };
    for (const auto& move : moves) {
        writeBytes(datei, recordsNamed(move.before));
        const auto report = users::deleteUser(datei, move.number, move.before[move.number]);
        ASSERT_TRUE(report) << report.error().text;
        EXPECT_EQ(report->outcome, users::DeleteOutcome::Deleted);
        EXPECT_EQ(report->number, move.number);
        // Whole records, byte for byte: the moved one keeps every byte.
        EXPECT_EQ(fileBytes(datei), recordsNamed(move.after)) << move.before[move.number];
    }
}

TEST_F(UserDeletion, AUserMovedByAnotherProgramIsFoundByName) {
    // The list showed CARL as record 2; meanwhile another program deleted ANNA.
    writeBytes(datei, recordsNamed({"DORA", "BEN", "CARL"}));
    const auto report = users::deleteUser(datei, 0, "CARL");
    ASSERT_TRUE(report);
    EXPECT_EQ(report->number, 2);
    EXPECT_EQ(names(), (Names{"DORA", "BEN"}));

    const auto gone = users::deleteUser(datei, 1, "CARL");
    ASSERT_TRUE(gone);
    EXPECT_EQ(gone->outcome, users::DeleteOutcome::NotFound);
    EXPECT_EQ(fileBytes(datei), recordsNamed({"DORA", "BEN"}));
}

// The moment of a deletion at which the child kills itself.
users::DeletionStep killAt = users::DeletionStep::Read;

void killAtStep(users::DeletionStep step) {
    if (step == killAt) {
        ::raise(SIGKILL);
    }
}

TEST_F(UserDeletion, KilledAtAnyStepTheFileHoldsEveryoneBeforeOrEveryoneAfter) {
    const Names before = {"ANNA", "BEN", "CARL", "DORA", "EMIL"};
    const Names after = {"ANNA", "EMIL", "CARL", "DORA"};
    const std::vector<std::pair<users::DeletionStep, Names>> cases = {
        {users::DeletionStep::Read, before},
        {users::DeletionStep::Moved, after},
        {users::DeletionStep::Cut, after},
    };
    for (const auto& [step, expected] : cases) {
        writeBytes(datei, recordsNamed(before));
        killAt = step;
        const int status = inChild([this] {
            users::testing::setDeletionHook(killAtStep);
            (void)users::deleteUser(datei, 1, "BEN");
        });
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

        // Read again, the file shows one complete state and no user twice.
        EXPECT_EQ(names(), expected) << static_cast<int>(step);
        EXPECT_EQ(*users::countUsers(datei), expected.size());
        // The next writer finishes the cut on the disk, and goes on from there.
        ASSERT_TRUE(users::appendUser(datei, record("FRED")));
        Names grown = expected;
        grown.push_back("FRED");
        EXPECT_EQ(fileBytes(datei), recordsNamed(grown)) << static_cast<int>(step);
    }
}

TEST_F(UserDeletion, AReaderLeavesTheCopyOfACutDeletionOutWithoutWriting) {
    // What a deletion killed after its move leaves: EMIL in BEN's slot and at the end.
    writeBytes(datei, recordsNamed({"ANNA", "EMIL", "CARL", "EMIL"}));
    EXPECT_EQ(names(), (Names{"ANNA", "EMIL", "CARL"}));
    EXPECT_EQ(users::readAll(datei)->size(), 3u);
    int visited = 0;
    EXPECT_EQ(*users::visitAll(datei, [&](auto) { ++visited; }), 3);
    EXPECT_EQ(visited, 4) << "the caller drops what it made of the copy";
    EXPECT_EQ(fs::file_size(datei), 4 * 560u);

    // Two records of one name that differ are two users' data: both stay.
    Bytes differ = recordsNamed({"ANNA", "EMIL"});
    auto other = record("EMIL");
    other[100] ^= 1;
    differ.insert(differ.end(), other.begin(), other.end());
    writeBytes(datei, differ);
    ASSERT_TRUE(users::writeRecord(datei, 0, record("ANNE")));
    EXPECT_EQ(fs::file_size(datei), 3 * 560u);
}

TEST_F(UserDeletion, ASecondProgramWritesItsUserWhereTheDeletionMovedIt) {
    writeBytes(datei, recordsNamed({"ANNA", "BEN", "CARL", "DORA"}));
    // DORA is signed in at the other program; ANNA is deleted here.
    ASSERT_TRUE(users::deleteUser(datei, 0, "ANNA"));

    auto dora = users::neuerBenutzer("DORA", {2026, 2, 3, 3}, 1024);
    dora.lektion = 9;
    const int status = inChild([&] {
        users::Satz buffer{};
        ::_exit(users::writeUser(datei, dora, buffer).ok() ? 0 : 1);
    });
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    EXPECT_EQ(names(), (Names{"DORA", "BEN", "CARL"}));
    const auto found = users::findUser(datei, "DORA");
    ASSERT_TRUE(found && *found);
    EXPECT_EQ((*found)->number, 0);
    EXPECT_EQ(users::decode((*found)->satz).lektion, 9);
}

TEST_F(UserDeletion, ALearnerDeletedByAnotherProgramWhileSignedInIsWrittenBackWhole) {
    writeBytes(datei, recordsNamed({"ANNA", "BEN", "CARL"}));
    // BEN is signed in at this program; the other program deletes him.
    auto ben = users::neuerBenutzer("BEN", {2026, 2, 3, 3}, 1024);
    ben.lektion = 7;
    const int status = inChild([&] {
        const auto deleted = users::deleteUser(datei, 1, "BEN");
        ::_exit(deleted && deleted->outcome == users::DeleteOutcome::Deleted ? 0 : 1);
    });
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_EQ(names(), (Names{"ANNA", "CARL"}));

    users::Satz buffer{};
    ASSERT_TRUE(users::writeUser(datei, ben, buffer));

    EXPECT_EQ(names(), (Names{"ANNA", "CARL", "BEN"}));
    const auto found = users::findUser(datei, "BEN");
    ASSERT_TRUE(found && *found);
    EXPECT_EQ(users::decode((*found)->satz).lektion, 7);
}

TEST_F(UserDeletion, TwoProgramsDeletingAndWritingAtOnceLoseAndDoubleNobody) {
    Names everyone;
    for (int i = 0; i < 40; ++i) {
        everyone.push_back("USER" + std::to_string(i));
    }
    writeBytes(datei, recordsNamed(everyone));
    // One program deletes the even users; the other keeps writing USER39,
    // the last record, which every deletion moves.
    const pid_t writer = ::fork();
    if (writer == 0) {
        auto last = users::neuerBenutzer("USER39", {2026, 2, 3, 3}, 1024);
        for (int i = 0; i < 200; ++i) {
            last.nutzungen = static_cast<std::uint16_t>(i);
            users::Satz buffer{};
            if (!users::writeUser(datei, last, buffer)) {
                ::_exit(1);
            }
        }
        ::_exit(0);
    }
    for (int i = 0; i < 40; i += 2) {
        ASSERT_TRUE(users::deleteUser(datei, static_cast<std::uint16_t>(i), everyone[i]));
    }
    int status = 0;
    ::waitpid(writer, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    Names left = names();
    std::sort(left.begin(), left.end());
    Names odd;
    for (int i = 1; i < 40; i += 2) {
        odd.push_back(everyone[i]);
    }
    std::sort(odd.begin(), odd.end());
    EXPECT_EQ(left, odd);
    EXPECT_EQ(users::decode((*users::findUser(datei, "USER39"))->satz).nutzungen, 199);
}

TEST_F(UserDeletion, AFileTheProgramMayNotWriteIsReportedAndKeptWhole) {
    const Bytes stored = recordsNamed({"ANNA", "BEN", "CARL"});
    writeBytes(datei, stored);
    fs::permissions(datei, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(folder.path(), fs::perms::all);

    // Run as a user who may read the file but not write it, as a teacher's
    // program on a shared folder would be; root writes whatever the bits say.
    const passwd* nobody = ::getpwnam("nobody");
    if (::geteuid() == 0 && nobody == nullptr) {
        GTEST_SKIP() << "no unprivileged user to run as";
    }
    const int status = inChild([&] {
        if (::geteuid() == 0 && ::setuid(nobody->pw_uid) != 0) {
            ::_exit(2);
        }
        if (!users::listNames(datei)) {
            ::_exit(3); // cannot even reach the file
        }
        const auto report = users::deleteUser(datei, 0, "ANNA");
        ::_exit(!report && report.error().text == "Permission denied" ? 0 : 1);
    });
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 3) {
        GTEST_SKIP() << "the temporary folder is closed to other users";
    }
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(fileBytes(datei), stored);
}

TEST_F(UserDeletion, AVanishedFileIsReportedAndNotMadeAgain) {
    const auto report = users::deleteUser(datei, 0, "ANNA");
    ASSERT_FALSE(report);
    EXPECT_EQ(report.error().text, "No such file or directory");
    EXPECT_FALSE(fs::exists(datei));
}

} // namespace
